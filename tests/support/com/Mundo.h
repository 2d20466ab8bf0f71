#pragma once
// What the stand-in objects of one environment share: the model and the menus' records. It
// holds no COM object, so that the objects, which hold it, form no cycle with it.

#include "host/files/Vbe.h"
#include "tests/support/com/Despachable.h"
#include "tests/support/com/EntornoCom.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace falso {

class Fuente;

struct Mundo {
    std::unique_ptr<files::Vbe> vbe;
    int cp = 1252;
    struct Control {
        std::wstring caption;
        bool borrado = false;
    };
    std::vector<Control> controles;
    std::set<Fuente*> fuentes; // the event sources alive
    bool sinBarraAddIns = false;
    long ventana = Entorno::kVentana; // MainWindow.hWnd
};

// The VBE object over the world's model.
Despachable* NuevoVbe(std::shared_ptr<Mundo> mundo);

// The menus' objects: CommandBars (with its "Add-Ins" bar) and Events.
Despachable* NuevasBarras(std::shared_ptr<Mundo> mundo);
Despachable* NuevosEventos(std::shared_ptr<Mundo> mundo);

} // namespace falso
