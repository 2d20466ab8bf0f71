#include "tests/engine/Regla.h"

#include "engine/Motor.h"
#include "engine/Procedimientos.h"
#include "tests/support/Codigo.h"
#include "tests/support/Guion.h"
#include "tests/support/Texto.h"

#include <dtl/dtl.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace regla {
namespace {

using soporte::Lineas;
using soporte::SinBlancas;

std::string Bytes(const std::string& texto) {
    return texto.starts_with('@')
               ? soporte::Lee(soporte::Datos("engine/" + texto.substr(1) + ".bas"))
               : soporte::Crlf("Attribute VB_Name = \"Modulo1\"\n" + texto);
}

void Igual(const std::string& esperado, const std::string& obtenido, const std::string& que) {
    if (esperado != obtenido) {
        ADD_FAILURE() << que << " (- expected, + obtained):\n" << Diferencia(esperado, obtenido);
    }
}

// The module and the state of the window over it, as the commands find them.
struct Banco {
    soporte::Guion dialogos;
    soporte::ProgresoAnotado progreso;
    engine::EstadoSeleccion estado;
    std::unique_ptr<files::ModuleFile> archivo;
    std::vector<std::string> avisos;

    Banco(const std::string& bytes, const Regla& r) {
        archivo = files::ModuleFile::Parse(bytes, "Modulo1.bas", 1252);
        estado.procedimientos = engine::ListaProcedimientos(archivo->Code(), 1252, progreso);
        estado.modo = r.modo;
        estado.variante = r.variante;
        estado.Check1 = r.procs.empty();
        for (auto& p : estado.procedimientos) {
            p.seleccionado = r.procs == std::vector<std::string>{"*"} ||
                             std::find(r.procs.begin(), r.procs.end(), p.nombre) != r.procs.end();
        }
    }
    std::string Haz(Orden orden) {
        engine::Motor motor(estado, progreso, dialogos);
        if (orden == Orden::Quita) {
            motor.QuitaCodigo(archivo->Code());
        } else {
            for (int i = 0; i < static_cast<int>(estado.procedimientos.size()); ++i) {
                if (estado.Check1 || estado.procedimientos[i].seleccionado) {
                    int index = i;
                    motor.Insertar(archivo->Code(), index);
                }
            }
        }
        avisos.clear();
        for (const auto& a : motor.Avisos()) {
            avisos.push_back(std::to_string(a.linea) + " " + engine::Texto(a, 1252));
        }
        return archivo->Serialize();
    }
};

} // namespace

std::string Diferencia(const std::string& esperado, const std::string& obtenido) {
    dtl::Diff<std::string> d(Lineas(esperado), Lineas(obtenido));
    d.compose();
    d.composeUnifiedHunks();
    std::ostringstream s;
    d.printUnifiedFormat(s);
    return s.str();
}

void PrintTo(const Regla& regla, std::ostream* os) {
    *os << regla.nombre;
}

void Comprueba(const Regla& r) {
    SCOPED_TRACE(r.nombre);
    soporte::SilenciaGlbErr();
    const std::string entrada = Bytes(r.entrada);
    Banco banco(entrada, r);
    const std::string hecho = banco.Haz(r.orden);
    Igual(Bytes(r.esperado), hecho, "the module after the command");
    EXPECT_EQ(banco.avisos, r.avisos);
    if (r.orden == Orden::Inserta) {
        Igual(r.otraVez.empty() ? hecho : Bytes(r.otraVez), banco.Haz(Orden::Inserta),
              "the module after a second insertion");
        Banco quita(entrada, r);
        quita.Haz(Orden::Inserta);
        const std::string vuelta = quita.Haz(Orden::Quita);
        if (r.quitado.empty()) {
            Igual(SinBlancas(entrada), SinBlancas(vuelta), "removal did not give the input back");
        } else {
            Igual(Bytes(r.quitado), vuelta, "the module after removing again");
        }
        for (const auto& c : quita.dialogos.cajas) {
            ADD_FAILURE() << "a box: " << c.prompt;
        }
    }
    for (const auto& c : banco.dialogos.cajas) {
        ADD_FAILURE() << "a box: " << c.prompt;
    }
}

} // namespace regla
