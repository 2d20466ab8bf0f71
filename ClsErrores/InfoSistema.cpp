#include "ClsErrores/InfoSistema.h"

#include "ClsErrores/Textos.h"

#include <functional>

using infosistema::FormatoNumero;
using infosistema::TextoDecimal;

namespace {

constexpr const char* CRLF = "\r\n";

// Appends one line per step; a step that fails appends nothing, not even its line break.
class Informe {
public:
    void Vacia() { m_texto += CRLF; }
    void Texto(const char* linea) { (m_texto += linea) += CRLF; }
    void Valor(const char* etiqueta, const std::string& valor) {
        ((m_texto += etiqueta) += valor) += CRLF;
    }
    void Valor(const char* etiqueta, const std::optional<std::string>& valor) {
        if (valor) {
            Valor(etiqueta, *valor);
        }
    }
    template <class F> void Paso(F&& paso) {
        try {
            paso(m_texto);
        } catch (...) {
            // the line is left out and the report goes on
        }
    }
    std::string& texto() { return m_texto; }

private:
    std::string m_texto;
};

// The busy pointer for the report's duration, put back on every exit.
struct PunteroOcupado {
    FuenteInforme& f;
    explicit PunteroOcupado(FuenteInforme& fuente) : f(fuente) { f.Ocupado(true); }
    ~PunteroOcupado() { f.Ocupado(false); }
};

std::string ConRespaldo(std::string valor, const char* respaldo) {
    return valor.empty() ? std::string(respaldo) : valor;
}

void Cabecera(Informe& r, FuenteInforme& f) {
    r.Vacia();
    r.Texto(" ====================================");
    r.Valor("      Informe Sistema   ", f.Fecha());
    r.Texto(" ====================================");
    r.Vacia();
    r.Texto("General");
    r.Texto("=======");
}

void DatosAcceso(Informe& r, FuenteInforme& f) {
    r.Texto("Acceso a Datos ");
    r.Texto("=================");
    r.Valor("   Version MDAC.....",
            ConRespaldo(f.VersionMDAC(), "    No existe el valor "
                                         "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\DataAccess\\"
                                         "FullInstallVer"));
    r.Valor("   Version ADO.....",
            ConRespaldo(f.VersionADO(), "    No se encuentra información sobre dlls de ado"));
    r.Valor("   Version Jet40.....",
            ConRespaldo(f.VersionJet(), "    No se encuentra información para msjet40.dll o "
                                        "msjetoledb40.dll"));
}

void Impresora(Informe& r, FuenteInforme& f, bool corta) {
    r.Texto("Impresora por defecto");
    r.Texto("=====================");
    std::optional<infosistema::DatosImpresora> p;
    r.Paso([&](std::string&) { p = f.Impresora(); });
    if (!p) {
        return;
    }
    const std::string dec = f.SeparadorDecimal();
    auto n = [](auto v) { return std::to_string(v); };
    auto s = [&](float v) { return TextoDecimal(v, dec); };
    if (corta) {
        r.Valor("   PaperSize................", n(p->PaperSize));
        r.Valor("   FontName.............", p->FontName);
        r.Valor("   FontSize.............", s(p->FontSize));
        return;
    }
    r.Valor("   DeviceName...........", p->DeviceName);
    r.Valor("   DriverName...........", p->DriverName);
    r.Valor("   PaperSize................", n(p->PaperSize));
    r.Valor("   Orientation...........", n(p->Orientation));
    r.Valor("   ColorMode............", n(p->ColorMode));
    r.Valor("   Duplex...............", n(p->Duplex));
    r.Valor("   Zoom...................", n(p->Zoom));
    r.Valor("   FontName.............", p->FontName);
    r.Valor("   FontSize.............", s(p->FontSize));
    r.Valor("   Height...............", n(p->Height));
    r.Valor("   ScaleHeight...........", s(p->ScaleHeight));
    r.Valor("   Width................", n(p->Width));
    r.Valor("   ScaleWidth...........", s(p->ScaleWidth));
    r.Valor("   Scalemode.............", n(p->ScaleMode));
    r.Valor("   TextWidth('Hola')....", s(p->TextWidthHola));
    r.Valor("   TextHeight('X')....", s(p->TextHeightX));
}

} // namespace

std::string InformeSistema(FuenteInforme& f) {
    PunteroOcupado ocupado(f);
    Informe r;
    Cabecera(r, f);
    r.Valor("   Nombre del Ordenador........", f.NombreOrdenador());
    r.Paso([&](auto&) { r.Valor("   App.Title...................", f.Titulo()); });
    r.Paso([&](auto&) { r.Valor("   App.Path....................", f.Carpeta()); });
    r.Paso([&](auto&) { r.Valor("   App.Version.................", f.Version()); });
    r.Paso([&](auto&) { r.Valor("   Instancias Previas..........", f.InstanciaPrevia()); });
    r.Paso([&](auto&) { r.Valor("   EXEName...................", f.NombreEXE()); });
    r.Paso([&](auto&) { r.Valor("   EXE modificado el ............", f.ModificacionEXE()); });
    r.Paso([&](auto&) {
        // The size line brings its own empty line: with no executable to measure, the
        // section ends with one empty line instead of two.
        if (const auto tam = f.TamanoEXE()) {
            r.Valor("   Tamaño EXE................",
                    FormatoNumero(static_cast<double>(*tam), f.SeparadorMiles()) + " bytes\r\n");
        }
    });
    r.Vacia();
    r.Texto("Sistema Operativo ");
    r.Texto("=================");
    r.Valor("   Version Windows.....", f.VersionWindows());
    r.Valor("   Directorio Windows ...", f.DirectorioWindows());
    r.Valor("   Directorio 'System' ...", f.DirectorioSystem());
    r.Valor("   Directorio 'Program Files' ...", f.DirectorioProgramFiles());
    r.Valor("   Directorio 'Common Files' ...", f.DirectorioCommonFiles());
    r.Paso([&](auto&) { r.Valor("   CurDir........", f.DirectorioActual()); });
    r.Vacia();
    DatosAcceso(r, f);
    r.Vacia();
    r.Texto("Configuraciones locales");
    r.Texto("=======================");
    r.Valor("   Lenguaje..............     ", f.NombreLenguaje());
    r.Valor("   Pais......................     ", f.NombrePais());
    r.Valor("   Separador de fecha   ", f.SeparadorFecha());
    r.Valor("   Separador de tiempo      ", f.SeparadorTiempo());
    r.Valor("   Formato LongDate   ", f.FormatoFechaLarga());
    r.Valor("   Formato ShortDate   ", f.FormatoFechaCorta());
    r.Valor("   Formato tiempo        ", f.FormatoTiempo());
    r.Valor("   Separador decimal   ", f.SeparadorDecimal());
    r.Valor("   MidEast.............", f.HayMidEast());
    r.Valor("   DCBS................", f.HayDBCS());
    r.Vacia();
    r.Texto("Memoria");
    r.Texto("=======");
    const auto memoria = f.InfoMemoria();
    r.Valor("   Memoria fisica total..........", memoria[0]);
    r.Valor("   Memoria fisica disponible.....", memoria[1]);
    r.Valor("   Memoria virtual...............", memoria[2]);
    r.Valor("   Memoria virtual disponible....", memoria[3]);
    r.Vacia();
    r.Texto("Procesador");
    r.Texto("==========");
    r.Valor("   CPU.................", f.TipoProcesador());
    r.Valor("   Número de CPUs......", f.NumeroCPUs());
    r.Vacia();
    r.Texto("Drives");
    r.Texto("======");
    r.Paso([&](std::string& texto) { f.InfoDrives(texto); });
    r.Vacia();
    Impresora(r, f, false);
    r.Vacia();
    r.Texto("Información Video");
    r.Texto("=================");
    r.Valor("   Colores.......................",
            infosistema::FormatoNumeroTexto(f.NumeroColores(), f.SeparadorMiles()));
    r.Valor("   Resolucion pantalla...........", f.ResolucionPantalla());
    r.Valor("   Numero de monitores...........", f.NumeroMonitores());
    r.Vacia();
    r.Texto("Ratón");
    r.Texto("=====");
    r.Valor("   Hay raton.......", f.HayRaton());
    r.Valor("   Nº botones raton.......", f.BotonesRaton());
    r.Valor("   Rueda en el raton.......", f.HayRueda());
    return std::move(r.texto());
}

std::string InformeSistemaCorto(FuenteInforme& f) {
    PunteroOcupado ocupado(f);
    Informe r;
    Cabecera(r, f);
    r.Paso([&](auto&) { r.Valor("   App.Title...................", f.Titulo()); });
    r.Paso([&](auto&) { r.Valor("   App.Path....................", f.Carpeta()); });
    r.Paso([&](auto&) { r.Valor("   App.Version.................", f.Version()); });
    r.Vacia();
    r.Texto("Sistema Operativo ");
    r.Texto("=================");
    r.Valor("   Version Windows.....", f.VersionWindows());
    r.Vacia();
    DatosAcceso(r, f);
    r.Vacia();
    r.Texto("Configuraciones locales");
    r.Texto("=======================");
    r.Valor("   Lenguaje..............     ", f.NombreLenguaje());
    r.Valor("   Formato LongDate   ", f.FormatoFechaLarga());
    r.Valor("   Formato ShortDate   ", f.FormatoFechaCorta());
    r.Valor("   Formato tiempo        ", f.FormatoTiempo());
    r.Vacia();
    Impresora(r, f, true);
    return std::move(r.texto());
}

std::string InformeSistema() {
    FuenteSistema fuente;
    return InformeSistema(fuente);
}

std::string InformeSistemaCorto() {
    FuenteSistema fuente;
    return InformeSistemaCorto(fuente);
}
