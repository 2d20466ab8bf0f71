#pragma once
// The Qt skin of the error-handler configuration dialog (ui::frmConfiguracion) and of the
// custom message dialog it opens (ui::MsgPersonal). The main window's configuration menu opens
// the first modally (exec()).

#include "qt/Dialogo.h"
#include "ui/config/frmConfiguracion.h"

namespace qt {

class frmConfiguracion : public Dialogo {
    Q_OBJECT
public:
    frmConfiguracion(engine::AjustesPendientes& ajustes, vbide::VBProject* proyecto,
                     int paginaCodigos, QWidget* parent = nullptr);
    void Abre(std::string_view ventana) override;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    ui::frmConfiguracion comportamiento_;
};

class MsgPersonal : public Dialogo {
    Q_OBJECT
public:
    explicit MsgPersonal(install::Configuracion& configuracion, QWidget* parent = nullptr);

private:
    ui::MsgPersonal comportamiento_;
};

} // namespace qt
