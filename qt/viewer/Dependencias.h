#pragma once
// The Qt skin of the callers list (ui::Dependencias). The code viewer opens it from its menu
// "Dependencias" and owns it; it fills its list once, when it is made.

#include "qt/Dialogo.h"
#include "ui/viewer/Dependencias.h"

class QResizeEvent;

namespace qt {

class Dependencias : public Dialogo {
    Q_OBJECT
public:
    // As ui::Dependencias takes them; `seleccion` outlives this window.
    Dependencias(vbide::VBProject* proyecto, const std::string& etiqueta,
                 const engine::EstadoSeleccion& seleccion, QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    ui::Dependencias comportamiento_;
};

} // namespace qt
