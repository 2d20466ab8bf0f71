#pragma once
// The Qt skin of the controls inspector (ui::frmControles). The main window's menu opens it
// with the environment the connection class handed over.

#include "qt/Dialogo.h"
#include "ui/inspectors/frmControles.h"

namespace qt {

class frmControles : public Dialogo {
    Q_OBJECT
public:
    // `vbe`: the environment (VBInstance); `paginaCodigos`: the projects' code page.
    frmControles(vbide::VBE& vbe, int paginaCodigos, QWidget* parent = nullptr);

private:
    ui::frmControles comportamiento_;
};

} // namespace qt
