#include "app/ide/Aplicacion.h"

namespace ide {

namespace {
int profundidad = 0;
}

Aplicacion::Aplicacion(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("lintrap-ide");
    setOrganizationName("Lintrap");
}

int Aplicacion::Profundidad() {
    return profundidad;
}

bool Aplicacion::notify(QObject* receptor, QEvent* evento) {
    ++profundidad;
    struct Sale {
        Aplicacion* app;
        ~Sale() {
            if (--profundidad == 0) {
                emit app->accionTerminada();
            }
        }
    } sale{this};
    return QApplication::notify(receptor, evento);
}

} // namespace ide
