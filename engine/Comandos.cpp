#include "engine/Comandos.h"

#include "ClsErrores/Convencion.h"
#include "ClsErrores/MsgBox.h"
#include "base/CodePage.h"
#include "engine/ModuloVigilado.h"
#include "engine/Motor.h"
#include "engine/Procedimientos.h"

#include <optional>

namespace engine {
namespace {

// The selected module's code, looked up by name at its first use and then kept for the rest
// of the command: the lookup goes through every component, and a component stays where it is
// while a command runs (adding the runtime modules adds components, it moves none). A module
// that is missing fails at each use, as a fresh lookup does. Its edits are noted.
class Modulo {
public:
    Modulo(vbide::VBProject& proyecto, const EstadoSeleccion& estado)
        : proyecto_(proyecto), estado_(estado) {}
    vbide::CodeModule& operator()() {
        if (!m_) {
            m_.emplace(proyecto_.VBComponents().Item(estado_.modulo).CodeModule());
        }
        return *m_;
    }
    bool Editado() const { return m_ && m_->Editado(); }

private:
    vbide::VBProject& proyecto_;
    const EstadoSeleccion& estado_;
    std::optional<ModuloVigilado> m_;
};

} // namespace

void VentanaSinVista::Recarga(const std::string& modulo) {
    CargaEstado(proyecto_, estado_, progreso_, modulo);
}

ResultadoComando ComandoInsertar(vbide::VBProject& proyecto, EstadoSeleccion& estado,
                                 Entorno& entorno) {
    Progreso& progreso = entorno.progreso;
    Ventana& ventana = entorno.ventana;
    ResultadoComando r;
    Motor motor(estado, progreso, entorno.dialogos, entorno.instalacion);
    Modulo codigo(proyecto, estado);
    r.error = !Procedimiento("frmAddIn \\ Command1_Click", [&] {
        // The runtime class belongs to the add-in: its code is not the user's to rewrite.
        if (codepage::IgualesSinCaso(estado.modulo, "ClsErrores", estado.paginaCodigos)) {
            Muestra(entorno.dialogos, Mensaje::ModuloDelComplemento,
                    codepage::AUtf8(estado.modulo, estado.paginaCodigos));
            r.parada = Parada::ModuloDelComplemento;
            return;
        }
        progreso.Muestra(true);
        progreso.RelojArena(true);
        const int cuantos = static_cast<int>(estado.procedimientos.size());
        // Line numbers follow the module's line indexes at the moment each procedure is done,
        // so they go in list order; any other insertion gives the same code in any order and
        // goes down the module.
        std::vector<int> orden;
        for (int i = 0; i < cuantos; ++i) {
            orden.push_back(i);
        }
        if (estado.modo != Modo::Option1) {
            PasoSinError([&] { orden = motor.OrdenEnModulo(codigo()); });
        }
        bool actualiza = cuantos > 0;
        if (cuantos > 0 && !estado.Check1) {
            if (estado.SelCount() < 1) {
                Muestra(entorno.dialogos, Mensaje::NingunoSeleccionado);
                r.parada = Parada::NingunoSeleccionado;
            } else {
                for (int i : orden) {
                    if (estado.procedimientos[static_cast<std::size_t>(i)].seleccionado) {
                        int index = i;
                        motor.Insertar(codigo(), index);
                        ventana.RefrescarCodigo();
                    }
                }
            }
        } else if (cuantos > 0) {
            if (Muestra(entorno.dialogos, Mensaje::ConfirmaInsertarTodos) != vb::vbYes) {
                r.parada = Parada::Cancelada;
                return;
            }
            for (int k = 0; k < cuantos; ++k) {
                int index = orden[static_cast<std::size_t>(k)];
                motor.Insertar(codigo(), index);
                progreso.Valor((k * 100 + 1) / cuantos);
            }
            ventana.RefrescarCodigo();
        }
        if (actualiza && ventana.MuestraLista()) {
            ActualizaList3(proyecto, estado);
        }
        if (estado.modulosAnadidos) {
            const std::string modulo = estado.modulo;
            estado.modulosAnadidos = false;
            r.modulosAnadidos = true;
            ventana.Recarga(modulo);
        }
    });
    // Also after an error: the progress bar and the hourglass never stay behind.
    progreso.Muestra(false);
    progreso.RelojArena(false);
    r.cambiado = codigo.Editado();
    r.avisos = std::move(motor.Avisos());
    return r;
}

ResultadoComando ComandoQuitar(vbide::VBProject& proyecto, EstadoSeleccion& estado,
                               Entorno& entorno) {
    Ventana& ventana = entorno.ventana;
    ResultadoComando r;
    Motor motor(estado, entorno.progreso, entorno.dialogos);
    Modulo codigo(proyecto, estado);
    r.error = !Procedimiento("frmAddIn \\ Command2_Click", [&] {
        if (estado.Check1 && Muestra(entorno.dialogos, Mensaje::ConfirmaQuitarTodos) != vb::vbYes) {
            r.parada = Parada::Cancelada;
            return;
        }
        if (!motor.QuitaCodigo(codigo())) {
            r.parada = Parada::NingunoSeleccionado;
        }
        ventana.RefrescarCodigo();
        if (ventana.MuestraLista()) {
            ActualizaList3(proyecto, estado);
        }
    });
    r.cambiado = codigo.Editado();
    r.avisos = std::move(motor.Avisos());
    return r;
}

} // namespace engine
