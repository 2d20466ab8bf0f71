#include "ui/main/frmAddIn.h"

#include "ClsErrores/Convencion.h"
#include "engine/Comandos.h"
#include "engine/Procedimientos.h"
#include "install/Modulos.h"
#include "ui/main/CodigoVisor.h"
#include "ui/main/Reglas.h"

#include <fstream>

namespace ui {

frmAddIn::frmAddIn(Vista& vista, vbide::VBE& vbe, std::string carpetaAddIn, int paginaCodigos)
    : VBInstance(vbe), vista_(vista), carpeta_(std::move(carpetaAddIn)),
      dialogos_(vista, &progreso_), progreso_(vista, "ProgressBar1") {
    estado_.paginaCodigos = paginaCodigos;
    vb::FijaDialogos(&dialogos_);
}

frmAddIn::~frmAddIn() {
    if (&vb::DialogosActuales() == &dialogos_) {
        vb::FijaDialogos(nullptr);
    }
}

void frmAddIn::Form_Load(const std::string& modulo) {
    vbide::VBProject* proyecto = Proyecto();
    vista_.PonTexto("Label5", proyecto != nullptr
                                  ? codepage::AUtf8(proyecto->Name(), estado_.paginaCodigos)
                                  : std::string());
    modulos_.clear();
    filaModulo_ = -1;
    vista_.Rellena("List1", {});
    vista_.Marca("Option1", true);
    vista_.Marca("OptExit", true);
    estado_.variante = engine::Variante::OptExit;
    EligeModo(engine::Modo::Option1);
    if (proyecto == nullptr) {
        estado_.ajustes.Restablece();
        return;
    }
    modulos_ = engine::CargaEstado(*proyecto, estado_, progreso_, modulo);
    std::vector<std::string> filas;
    for (const auto& nombre : modulos_) {
        filas.push_back(codepage::AUtf8(nombre, estado_.paginaCodigos));
    }
    vista_.Rellena("List1", filas);
    if (modulos_.empty()) {
        return; // nothing selected: the procedure lists stay as they were
    }
    filaModulo_ = 0;
    for (std::size_t i = 0; i < modulos_.size(); ++i) {
        if (modulos_[i] == estado_.modulo) {
            filaModulo_ = static_cast<int>(i);
            break;
        }
    }
    vista_.Selecciona("List1", filaModulo_);
    // The module was selected by the engine; the window shows what that found.
    long lineas = 0;
    const bool existe = PasoSinError([&] {
        lineas = proyecto->VBComponents().Item(estado_.modulo).CodeModule().CountOfLines();
    });
    MuestraProcedimientos();
    if (existe) {
        MuestraModulo(*proyecto, lineas);
    }
}

void frmAddIn::Form_Unload() {
    // The skin unloads the viewer with every other window: it is loaded afresh next time.
    visorCargado_ = false;
    visorMostrado_ = false;
    vista_.PonTexto("mnuCodigo", VerCodigo);
}

void frmAddIn::MuestraModulo(vbide::VBProject& proyecto, long lineas) {
    vista_.PonTexto("Label4", "Lineas: " + std::to_string(lineas));
    RefrescarCodigo();
    PasoSinError(
        [&] { proyecto.VBComponents().Item(estado_.modulo).CodeModule().CodePane().Show(); });
    // The host's code window took the focus: the add-in's window gets it back.
    vista_.MuestraVentana("", true);
}

void frmAddIn::List1_Click(int fila) {
    vbide::VBProject* proyecto = Proyecto();
    if (proyecto == nullptr || fila < 0 || fila >= static_cast<int>(modulos_.size())) {
        return;
    }
    filaModulo_ = fila;
    estado_.modulo = modulos_[static_cast<std::size_t>(fila)];
    const engine::ResultadoSeleccion r = engine::SeleccionaModulo(*proyecto, estado_, progreso_);
    MuestraProcedimientos();
    if (r.encontrado) {
        MuestraModulo(*proyecto, r.lineas);
    }
}

void frmAddIn::MuestraProcedimientos() {
    std::vector<std::string> nombres, estados;
    for (const auto& fila : estado_.procedimientos) {
        nombres.push_back(codepage::AUtf8(fila.nombre, estado_.paginaCodigos));
        estados.emplace_back(engine::TextoEstado(fila));
    }
    vista_.Rellena("List2", nombres);
    vista_.Rellena("List3", estados);
    arriba_ = 0;
}

void frmAddIn::MuestraEstados() {
    std::vector<std::string> estados;
    for (const auto& fila : estado_.procedimientos) {
        estados.emplace_back(engine::TextoEstado(fila));
    }
    // The status column keeps the procedure list's place.
    vista_.Rellena("List3", estados);
    vista_.PonArriba("List3", arriba_);
}

void frmAddIn::List2_Scroll(int arriba) {
    arriba_ = arriba;
    vista_.PonArriba("List3", arriba);
}

void frmAddIn::List3_Scroll(int arriba) {
    arriba_ = arriba;
    vista_.PonArriba("List2", arriba);
}

void frmAddIn::List2_Click(int actual, const std::vector<int>& seleccionadas) {
    for (auto& p : estado_.procedimientos) {
        p.seleccionado = false;
    }
    for (int i : seleccionadas) {
        if (i >= 0 && i < static_cast<int>(estado_.procedimientos.size())) {
            estado_.procedimientos[static_cast<std::size_t>(i)].seleccionado = true;
        }
    }
    estado_.actual = actual;
    // The status column follows the procedure list's top row and current row.
    vista_.PonArriba("List3", arriba_);
    vista_.Selecciona("List3", actual);
    if (actual >= 0) {
        vista_.Marca("Check1", false);
        estado_.Check1 = false;
        estado_.vistaModulo = false;
        RefrescarCodigo();
    }
}

void frmAddIn::List3_Click(int actual) {
    PasoSinError([&] {
        vista_.PonArriba("List2", arriba_);
        vista_.Selecciona("List2", actual);
        // Choosing a status row chooses its procedure, as a click on it would.
        List2_Click(actual, actual >= 0 ? std::vector<int>{actual} : std::vector<int>{});
    });
}

void frmAddIn::List1_DblClick() {
    PasoSinError([&] {
        if (DobleClicAbreVisor(visorMostrado_, static_cast<int>(modulos_.size()), filaModulo_)) {
            mnuCodigo_Click();
        }
    });
}

void frmAddIn::List2_DblClick() {
    PasoSinError([&] {
        if (DobleClicAbreVisor(visorMostrado_, static_cast<int>(estado_.procedimientos.size()),
                               estado_.actual)) {
            mnuCodigo_Click();
        }
    });
}

void frmAddIn::Check1_Click(bool marcado) {
    Procedimiento("frmAddIn \\ Check1_Click", [&] {
        estado_.Check1 = marcado;
        if (marcado && !estado_.procedimientos.empty()) {
            // The deselection is not a click on a procedure: the box stays checked.
            for (auto& p : estado_.procedimientos) {
                p.seleccionado = false;
            }
            vista_.Selecciona("List2", -1);
        }
        if (visorCargado_ && marcado) {
            List1_Click(filaModulo_);
        }
    });
}

void frmAddIn::EligeModo(engine::Modo modo) {
    estado_.modo = modo;
    // The variants of the error-handling block are offered with it only.
    vista_.Muestra("PicManejo", modo == engine::Modo::Option2);
}

void frmAddIn::Option1_Click() {
    EligeModo(engine::Modo::Option1);
}

void frmAddIn::Option2_Click() {
    EligeModo(engine::Modo::Option2);
}

void frmAddIn::Option3_Click() {
    EligeModo(engine::Modo::Option3);
}

void frmAddIn::OptExit_Click() {
    estado_.variante = engine::Variante::OptExit;
}

void frmAddIn::OptResume_Click() {
    estado_.variante = engine::Variante::OptResume;
}

void frmAddIn::OptRaise_Click() {
    estado_.variante = engine::Variante::OptRaise;
}

void frmAddIn::ActualizaList3() {
    if (vbide::VBProject* proyecto = Proyecto()) {
        engine::ActualizaList3(*proyecto, estado_);
    }
    MuestraEstados();
}

void frmAddIn::Command1_Click() {
    vbide::VBProject* proyecto = Proyecto();
    if (proyecto == nullptr) {
        return;
    }
    install::InstalacionProyecto instalacion(*proyecto, estado_, carpeta_, dialogos_);
    engine::Entorno entorno{dialogos_, progreso_, *this, &instalacion};
    engine::ComandoInsertar(*proyecto, estado_, entorno);
    MuestraEstados();
}

void frmAddIn::Command2_Click() {
    vbide::VBProject* proyecto = Proyecto();
    if (proyecto == nullptr) {
        return;
    }
    engine::Entorno entorno{dialogos_, progreso_, *this, nullptr};
    engine::ComandoQuitar(*proyecto, estado_, entorno);
    MuestraEstados();
}

void frmAddIn::CancelButton_Click() {
    vista_.Cierra(false);
}

void frmAddIn::RefrescarCodigo() {
    // With the viewer not loaded there is no viewer work at all.
    vbide::VBProject* proyecto = Proyecto();
    if (!visorCargado_ || proyecto == nullptr) {
        return;
    }
    vista_.MuestraCodigo(CodigoVisor(*proyecto, estado_));
}

void frmAddIn::mnuCodigo_Click() {
    Procedimiento("frmAddIn \\ mnuCodigo_Click", [&] {
        if (!visorMostrado_) {
            vista_.PonTexto("mnuCodigo", OcultarCodigo);
            vista_.MuestraVentana("FrmCodigo", true);
            visorCargado_ = true;
            visorMostrado_ = true;
            RefrescarCodigo();
        } else {
            vista_.MuestraVentana("FrmCodigo", false);
            visorMostrado_ = false;
            vista_.PonTexto("mnuCodigo", VerCodigo);
        }
    });
}

void frmAddIn::FrmCodigo_Unload() {
    visorMostrado_ = false;
    vista_.PonTexto("mnuCodigo", VerCodigo);
}

void frmAddIn::mnuConfig_Click() {
    // Loaded afresh on each opening; it edits the pending settings this window owns.
    Procedimiento("frmAddIn \\ mnuConfig_Click", [&] { vista_.Abre("frmConfiguracion"); });
}

void frmAddIn::mnuRef_Click() {
    Procedimiento("frmAddIn \\ mnuRef_Click", [&] { vista_.MuestraVentana("frmRefs", true); });
}

void frmAddIn::mnuControles_Click() {
    // The controls inspector handles its own errors.
    vista_.MuestraVentana("frmControles", true);
}

void frmAddIn::mnuRefrescar_Click() {
    Procedimiento("frmAddIn \\ mnuRefrescar_Click", [&] { Form_Load(); });
}

void frmAddIn::mnuAyuda2_Click() {
    // A help file that cannot be shown is not reported.
    const std::string ruta = RutaAyuda(carpeta_);
    if (std::ifstream(ruta).good()) {
        vista_.MuestraAyuda(ruta);
    }
}

void frmAddIn::mnuAbout_Click() {
    Procedimiento("frmAddIn \\ mnuAbout_Click", [&] { vista_.Abre("frmAbout"); });
}

} // namespace ui
