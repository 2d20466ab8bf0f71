#pragma once
// The host's start: its command line, the application, the window, the project and the add-ins.

#include <QStringList>

#include <memory>

class QApplication;

namespace ide {

class Aplicacion;
class VentanaIde;

struct Arranque {
    QString proyecto;        // .vbp or .vbg to open, or empty
    QString complemento;     // --addin PATH: this component, registered and connected
    bool ventanaComplemento; // --addin-window: its window at once (connect mode 2)
};

// Answers --help before any window system is reached, so that it needs no display: the usage on
// stdout, and the process ends.
void AyudaSinPantalla(int argc, char** argv);

// The application object. Without a window system to show it on (no display, or one that
// cannot be reached) a message on stderr says so and the process ends with 1, never an abort.
std::unique_ptr<Aplicacion> CreaAplicacion(int& argc, char** argv);

// Reads the host's arguments (Qt's own already taken by the application); exits the process on
// --help (the usage on stdout) or a bad argument (a message on stderr, exit code 2).
Arranque LeeArgumentos(const QStringList& argumentos);

// Opens the project and connects the add-ins as `arranque` says: those marked load at
// startup with mode 1, the --addin one with mode 2 when its window is asked for, else 0.
// A project that cannot be opened, whatever the reason, is a message box, never a crash.
void Prepara(VentanaIde& ventana, const Arranque& arranque);

int Arranca(QApplication& app);

} // namespace ide
