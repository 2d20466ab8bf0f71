#pragma once
// The controls inspector: projects -> forms and designers -> controls -> properties, and a
// report of the selected control copied to the clipboard. The main window's menu opens it
// with the environment the connection class handed over; it changes nothing.

#include "host/vbide/VBE.h"
#include "ui/inspectors/Controles.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

class frmControles : public QDialog {
    Q_OBJECT
public:
    // `vbe`: the environment (VBInstance); `paginaCodigos`: the projects' code page.
    frmControles(vbide::VBE& vbe, int paginaCodigos, QWidget* parent = nullptr);

private:
    void Form_Load();
    void List3_Click();
    void List0_Click();
    void List1_Click();
    void Command1_Click();
    // These handlers report their own failures; none goes to glbErr.
    template <class F> void Maneja(F&& paso);

    inspectors::Controles controles_;
    QListWidget* List3;
    QPushButton* Command1;
    QListWidget* List0;
    QListWidget* List2;
    QListWidget* List1;
    QPushButton* CancelButton;
    QLabel* Label5;
    QLabel* Label4;
    QLabel* Label3;
    QLabel* Label2;
    QLabel* Label1;
};
