#pragma once
// The callers list: the procedures of the active project that mention the procedure shown in
// the code view. It is filled once, when it is made; the code view opens it from its menu
// "Dependencias" and owns it (modal or not, as the opener likes).

#include "engine/EstadoSeleccion.h"
#include "host/vbide/Project.h"

#include <QDialog>

#include <string>

class QLabel;
class QListWidget;
class QPushButton;

class Dependencias : public QDialog {
    Q_OBJECT
public:
    // `etiqueta`: the code view's procedure tag (the procedure shown, or "Todos" for a whole
    // module); `seleccion`: the main window's selection state, whose selected procedure is left
    // out; both in the project's code page. `proyecto` may be null (no project open).
    Dependencias(vbide::VBProject* proyecto, const std::string& etiqueta,
                 const engine::EstadoSeleccion& seleccion, QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void Form_Load(vbide::VBProject* proyecto, const std::string& etiqueta,
                   const engine::EstadoSeleccion& seleccion);

    QLabel* Label1;
    QLabel* Label2;
    QListWidget* List1;
    QPushButton* Command1;
};
