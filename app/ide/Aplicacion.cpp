#include "app/ide/Aplicacion.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ide {

namespace {
int profundidad = 0;
}

Aplicacion::Aplicacion(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("lintrap-ide");
    setOrganizationName("Lintrap");
    // Qt's own texts (the buttons of message boxes and questions, the editors' menus) in
    // Spanish like everything else the user reads, the add-in's boxes included.
    auto* traduccion = new QTranslator(this);
    if (traduccion->load(QLocale(QLocale::Spanish, QLocale::Spain), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installTranslator(traduccion);
    }
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
