#pragma once
// The host's start: its command line, the window, the project and the add-ins.

#include <QStringList>

class QApplication;

namespace ide {

class VentanaIde;

struct Arranque {
    QString proyecto;        // .vbp or .vbg to open, or empty
    QString complemento;     // --addin PATH: this component, registered and connected
    bool ventanaComplemento; // --addin-window: its window at once (connect mode 2)
};

// Reads the host's arguments; exits the process on --help or a bad argument.
Arranque LeeArgumentos(const QStringList& argumentos);

// Opens the project and connects the add-ins as `arranque` says: those marked load at
// startup with mode 1, the --addin one with mode 2 when its window is asked for, else 0.
void Prepara(VentanaIde& ventana, const Arranque& arranque);

int Arranca(QApplication& app);

} // namespace ide
