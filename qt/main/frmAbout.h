#pragma once
// The Qt skin of the about box (ui::frmAbout): the add-in's title with its version and what the
// add-in does. The main window opens it modally.

#include "qt/Dialogo.h"
#include "ui/main/frmAbout.h"

namespace qt {

class frmAbout : public Dialogo {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);

private:
    ui::frmAbout comportamiento_;
};

} // namespace qt
