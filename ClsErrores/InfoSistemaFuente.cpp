// The report's facts on this machine: the running program, its executable, the probes and the
// window system when the windows are up.

#include "ClsErrores/App.h"
#include "ClsErrores/InfoSistema.h"
#include "ClsErrores/Sondas.h"
#include "base/Programa.h"
#include "base/plataforma/Estado.h"
#include "base/plataforma/Proceso.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::string RutaEXE() {
    const std::string carpeta = programa::Carpeta();
    return carpeta.ends_with('/') ? carpeta + programa::Nombre()
                                  : carpeta + "/" + programa::Nombre();
}

std::optional<plataforma::Estado> EstadoEXE() {
    plataforma::Estado st;
    if (plataforma::LeeEstado(RutaEXE(), st) != 0 || st.tipo != plataforma::Tipo::Archivo) {
        return std::nullopt;
    }
    return st;
}

} // namespace

std::optional<std::string> FuenteSistema::Titulo() {
    return app::Title();
}
std::optional<std::string> FuenteSistema::Carpeta() {
    return programa::Carpeta();
}
std::optional<std::string> FuenteSistema::Version() {
    return std::to_string(app::Major()) + "." + std::to_string(app::Minor()) + "." +
           std::to_string(app::Revision());
}
std::optional<std::string> FuenteSistema::InstanciaPrevia() {
    return plataforma::OtraInstancia() ? "True" : "False";
}
std::optional<std::string> FuenteSistema::NombreEXE() {
    return programa::Nombre();
}

std::optional<std::string> FuenteSistema::ModificacionEXE() {
    const auto st = EstadoEXE();
    if (!st) {
        return std::nullopt;
    }
    // whole seconds, rounded down as the system's own seconds are
    std::int64_t segundos = st->modificacionNs / 1'000'000'000;
    if (st->modificacionNs % 1'000'000'000 < 0) {
        --segundos;
    }
    return infosistema::FechaGeneral(segundos);
}

std::optional<std::uint64_t> FuenteSistema::TamanoEXE() {
    const auto st = EstadoEXE();
    if (!st) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(st->tamano);
}

std::optional<std::string> FuenteSistema::DirectorioActual() {
    std::error_code ec;
    auto actual = fs::current_path(ec);
    if (ec) {
        return std::nullopt;
    }
    return actual.string();
}

std::optional<infosistema::DatosImpresora> FuenteSistema::Impresora() {
    auto* escritorio = infosistema::EscritorioActual();
    return escritorio ? escritorio->Impresora() : std::nullopt;
}

void FuenteSistema::Ocupado(bool si) {
    if (auto* escritorio = infosistema::EscritorioActual()) {
        escritorio->Ocupado(si);
    }
}

std::string FuenteSistema::Fecha() {
    return infosistema::FechaCorta();
}
std::string FuenteSistema::NombreOrdenador() {
    return infosistema::NombreOrdenador();
}
std::string FuenteSistema::VersionWindows() {
    return infosistema::VersionWindows();
}
std::string FuenteSistema::DirectorioWindows() {
    return infosistema::DirectorioWindows();
}
std::string FuenteSistema::DirectorioSystem() {
    return infosistema::DirectorioSystem();
}
std::string FuenteSistema::DirectorioProgramFiles() {
    return infosistema::DirectorioProgramFiles();
}
std::string FuenteSistema::DirectorioCommonFiles() {
    return infosistema::DirectorioCommonFiles();
}
std::string FuenteSistema::VersionMDAC() {
    return infosistema::VersionMDAC();
}
std::string FuenteSistema::VersionADO() {
    return infosistema::VersionADO();
}
std::string FuenteSistema::VersionJet() {
    return infosistema::VersionJet();
}
std::string FuenteSistema::NombreLenguaje() {
    return infosistema::NombreLenguaje();
}
std::string FuenteSistema::NombrePais() {
    return infosistema::NombrePais();
}
std::string FuenteSistema::SeparadorFecha() {
    return infosistema::SeparadorFecha();
}
std::string FuenteSistema::SeparadorTiempo() {
    return infosistema::SeparadorTiempo();
}
std::string FuenteSistema::FormatoFechaLarga() {
    return infosistema::FormatoFechaLarga();
}
std::string FuenteSistema::FormatoFechaCorta() {
    return infosistema::FormatoFechaCorta();
}
std::string FuenteSistema::FormatoTiempo() {
    return infosistema::FormatoTiempo();
}
std::string FuenteSistema::SeparadorDecimal() {
    return infosistema::SeparadorDecimal();
}
std::string FuenteSistema::SeparadorMiles() {
    return infosistema::SeparadorMiles();
}
std::string FuenteSistema::HayMidEast() {
    return infosistema::HayMidEast();
}
std::string FuenteSistema::HayDBCS() {
    return infosistema::HayDBCS();
}
std::array<std::string, 4> FuenteSistema::InfoMemoria() {
    return infosistema::InfoMemoria();
}
std::string FuenteSistema::TipoProcesador() {
    return infosistema::TipoProcesador();
}
std::string FuenteSistema::NumeroCPUs() {
    return infosistema::NumeroCPUs();
}
void FuenteSistema::InfoDrives(std::string& informe) {
    infosistema::InfoDrives(informe);
}
std::string FuenteSistema::NumeroColores() {
    return infosistema::NumeroColores();
}
std::string FuenteSistema::ResolucionPantalla() {
    return infosistema::ResolucionPantalla();
}
std::string FuenteSistema::NumeroMonitores() {
    return infosistema::NumeroMonitores();
}
std::string FuenteSistema::HayRaton() {
    return infosistema::HayRaton();
}
std::string FuenteSistema::BotonesRaton() {
    return infosistema::BotonesRaton();
}
std::string FuenteSistema::HayRueda() {
    return infosistema::HayRueda();
}
