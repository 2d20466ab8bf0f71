#pragma once
// The system report: a plain-text description of the machine and the running program that the
// e-mail error reports carry. Lines end in CR LF; the text is UTF-8.
//
//   std::string texto = InformeSistema();       // full report
//   std::string corto = InformeSistemaCorto();  // the subset of the short e-mail report

#include "ClsErrores/SondasEscritorio.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// Where the report's facts come from. A value that cannot be read (nothing) removes its whole
// line; a probe's empty text keeps the line with an empty value.
class FuenteInforme {
public:
    virtual ~FuenteInforme() = default;

    // Values of the running program, its executable file and the current directory.
    virtual std::optional<std::string> Titulo() = 0;
    virtual std::optional<std::string> Carpeta() = 0;
    virtual std::optional<std::string> Version() = 0;
    virtual std::optional<std::string> InstanciaPrevia() = 0;
    virtual std::optional<std::string> NombreEXE() = 0;
    virtual std::optional<std::string> ModificacionEXE() = 0;
    virtual std::optional<std::uint64_t> TamanoEXE() = 0;
    virtual std::optional<std::string> DirectorioActual() = 0;
    // Nothing when there is no default printer.
    virtual std::optional<infosistema::DatosImpresora> Impresora() = 0;

    // Probes: the empty text when the fact is not available.
    virtual std::string Fecha() = 0;
    virtual std::string NombreOrdenador() = 0;
    virtual std::string VersionWindows() = 0;
    virtual std::string DirectorioWindows() = 0;
    virtual std::string DirectorioSystem() = 0;
    virtual std::string DirectorioProgramFiles() = 0;
    virtual std::string DirectorioCommonFiles() = 0;
    virtual std::string VersionMDAC() = 0;
    virtual std::string VersionADO() = 0;
    virtual std::string VersionJet() = 0;
    virtual std::string NombreLenguaje() = 0;
    virtual std::string NombrePais() = 0;
    virtual std::string SeparadorFecha() = 0;
    virtual std::string SeparadorTiempo() = 0;
    virtual std::string FormatoFechaLarga() = 0;
    virtual std::string FormatoFechaCorta() = 0;
    virtual std::string FormatoTiempo() = 0;
    virtual std::string SeparadorDecimal() = 0;
    virtual std::string SeparadorMiles() = 0;
    virtual std::string HayMidEast() = 0;
    virtual std::string HayDBCS() = 0;
    virtual std::array<std::string, 4> InfoMemoria() = 0;
    virtual std::string TipoProcesador() = 0;
    virtual std::string NumeroCPUs() = 0;
    virtual void InfoDrives(std::string& informe) = 0;
    virtual std::string NumeroColores() = 0;
    virtual std::string ResolucionPantalla() = 0;
    virtual std::string NumeroMonitores() = 0;
    virtual std::string HayRaton() = 0;
    virtual std::string BotonesRaton() = 0;
    virtual std::string HayRueda() = 0;

    // The busy pointer while the report is built.
    virtual void Ocupado(bool) {}
};

// This machine and this program.
class FuenteSistema : public FuenteInforme {
public:
    std::optional<std::string> Titulo() override;
    std::optional<std::string> Carpeta() override;
    std::optional<std::string> Version() override;
    std::optional<std::string> InstanciaPrevia() override;
    std::optional<std::string> NombreEXE() override;
    std::optional<std::string> ModificacionEXE() override;
    std::optional<std::uint64_t> TamanoEXE() override;
    std::optional<std::string> DirectorioActual() override;
    std::optional<infosistema::DatosImpresora> Impresora() override;
    std::string Fecha() override;
    std::string NombreOrdenador() override;
    std::string VersionWindows() override;
    std::string DirectorioWindows() override;
    std::string DirectorioSystem() override;
    std::string DirectorioProgramFiles() override;
    std::string DirectorioCommonFiles() override;
    std::string VersionMDAC() override;
    std::string VersionADO() override;
    std::string VersionJet() override;
    std::string NombreLenguaje() override;
    std::string NombrePais() override;
    std::string SeparadorFecha() override;
    std::string SeparadorTiempo() override;
    std::string FormatoFechaLarga() override;
    std::string FormatoFechaCorta() override;
    std::string FormatoTiempo() override;
    std::string SeparadorDecimal() override;
    std::string SeparadorMiles() override;
    std::string HayMidEast() override;
    std::string HayDBCS() override;
    std::array<std::string, 4> InfoMemoria() override;
    std::string TipoProcesador() override;
    std::string NumeroCPUs() override;
    void InfoDrives(std::string& informe) override;
    std::string NumeroColores() override;
    std::string ResolucionPantalla() override;
    std::string NumeroMonitores() override;
    std::string HayRaton() override;
    std::string BotonesRaton() override;
    std::string HayRueda() override;
    void Ocupado(bool si) override;
};

std::string InformeSistema(FuenteInforme& fuente);
std::string InformeSistemaCorto(FuenteInforme& fuente);

// The reports of this machine, read afresh on each call.
std::string InformeSistema();
std::string InformeSistemaCorto();
