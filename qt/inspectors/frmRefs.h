#pragma once
// The Qt skin of the references viewer (ui::frmRefs). The main window's menu opens it, modal
// or not as the opener likes.

#include "qt/Dialogo.h"
#include "ui/inspectors/frmRefs.h"

namespace qt {

class frmRefs : public Dialogo {
    Q_OBJECT
public:
    // `vbe`: the main window's VBInstance; `paginaCodigos`: the project's code page.
    frmRefs(vbide::VBE& vbe, int paginaCodigos, QWidget* parent = nullptr);

private:
    ui::frmRefs comportamiento_;
};

} // namespace qt
