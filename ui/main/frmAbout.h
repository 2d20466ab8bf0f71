#pragma once
// The about box: the add-in's title with its version and what the add-in does.

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace ui {

class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);

private:
    QPushButton* cmdOK;
    QLabel* picIcon;
    QPlainTextEdit* txtAppAbout;
    QPlainTextEdit* txtCredits;
    QLabel* lblTitle;
    QLabel* Label2;
};

} // namespace ui
