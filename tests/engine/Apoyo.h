#pragma once
// The shared test helpers under the names the window tests still use.

#include "tests/support/Carpeta.h"
#include "tests/support/Codigo.h"
#include "tests/support/Guion.h"

namespace apoyo {

using soporte::Codigo;
using soporte::Crlf;
using soporte::Datos;
using soporte::Escribe;
using soporte::Lee;
using soporte::Modulo;
using soporte::ProgresoAnotado;
using soporte::Proyecto;
using soporte::SilenciaGlbErr;

struct CarpetaTemporal {
    soporte::Carpeta carpeta;
    const std::filesystem::path ruta = carpeta.Ruta();
};

// A Guion whose boxes are read by their text alone, as `texto`.
struct DialogosGuion : soporte::Guion {
    struct Caja {
        std::string texto;
    };
    std::vector<Caja> cajas;
    int MsgBox(const std::string& prompt, int buttons, const std::string& title) override {
        cajas.push_back({prompt});
        return Guion::MsgBox(prompt, buttons, title);
    }
};

} // namespace apoyo
