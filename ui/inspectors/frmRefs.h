#pragma once
// The references viewer: the references of the active project, and the details of the one
// clicked. The main window's menu opens it (modal or not, as the opener likes); it reads the
// environment it is given and changes nothing.

#include "host/vbide/VBE.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

class frmRefs : public QDialog {
    Q_OBJECT
public:
    // `vbe`: the main window's VBInstance; `paginaCodigos`: the project's code page.
    frmRefs(vbide::VBE& vbe, int paginaCodigos, QWidget* parent = nullptr);

private:
    void Form_Load();
    void List1_Click();

    vbide::VBE& vbe_;
    int cp_;
    QListWidget* List1;
    QPushButton* OKButton;
    QLabel* Label3;
    QLabel* Label2;
    QLabel* Label1;
};
