#include "engine/Analisis.h"

#include "ClsErrores/Convencion.h"
#include "base/CodePage.h"
#include "engine/Bloques.h"
#include "engine/Etiquetas.h"

#include <algorithm>

namespace engine {
namespace {

bool En(const std::vector<std::string>& lista, std::string_view n) {
    return std::binary_search(lista.begin(), lista.end(), n, std::less<>());
}

void Ordena(std::vector<std::string>& lista) {
    std::sort(lista.begin(), lista.end());
    lista.erase(std::unique(lista.begin(), lista.end()), lista.end());
}

std::string_view Linea(vbide::CodeModule& m, long l) {
    std::string_view linea;
    PasoSinError([&] { linea = m.Line(l); });
    return linea;
}

bool EsMarcaDe(std::string_view t, std::string_view clave, const Tabla& tabla) {
    const std::string_view s = SinNumeroDeLinea(t);
    return EsComentario(s) && Contiene(s, clave, tabla);
}

bool IgualSinCaso(std::string_view a, std::string_view b, const Tabla& tabla) {
    return a.size() == b.size() && EmpiezaPor(a, b, tabla);
}

} // namespace

bool Analisis::Salta(std::string_view numero) const {
    return En(destinos, numero);
}

bool Analisis::Ocupado(std::string_view numero) const {
    return En(ocupados, numero);
}

Analisis Analiza(vbide::CodeModule& m, long desde, long hasta, const Tabla& tabla) {
    Analisis a;
    std::vector<Etiqueta> saltos;
    // numbered labels, kept for a moment with whether numbering leaves their line as it is (a
    // label line, or a line that is only the number)
    std::vector<std::pair<std::string, bool>> numeradas;
    bool enCabecera = false;
    bool enBloque = false;
    std::string encima(desde > 1 ? Linea(m, desde - 1) : std::string_view());
    for (long l = desde; l <= hasta; ++l) {
        const std::string_view linea = Linea(m, l);
        const std::string_view t = Recorta(linea);
        const bool continuada = Continua(Recorta(encima));
        encima.assign(linea);
        if (t.empty() || EsComentario(t)) {
            if (EsComentario(t)) {
                if (Contiene(t, ClaveInicioManejoError, tabla)) {
                    a.conManejo = true;
                    enBloque = true;
                } else if (Contiene(t, ClaveInicioOnError, tabla)) {
                    enBloque = true;
                } else if (Contiene(t, ClaveFinManejoError, tabla) ||
                           Contiene(t, ClaveFinOnError, tabla)) {
                    enBloque = false;
                }
            }
            continue;
        }
        if (EsMarcaDe(t, ClaveInicioManejoError, tabla)) {
            a.conManejo = true;
        }
        const bool dosPuntos = linea.find(':') != std::string_view::npos;
        if (!continuada && EsCabecera(t, tabla)) {
            enCabecera = true;
            a.cabecera = a.cabecera ? a.cabecera : l;
        }
        if (enCabecera) {
            if (dosPuntos && FinTrasDosPuntos(linea, tabla) && a.unaLinea == 0) {
                a.unaLinea = l;
            }
            enCabecera = Continua(t);
        } else if (!continuada) {
            if (EsFin(t, tabla)) {
                a.conFin = true;
            } else if (dosPuntos && FinTrasDosPuntos(linea, tabla) && a.finEnLinea == 0) {
                a.finEnLinea = l;
            }
        }
        if (!continuada) {
            const Etiqueta e = EtiquetaDe(linea);
            if (e.numero) {
                numeradas.emplace_back(std::string(e.texto), TerminaEn(t, ':') || SoloNumero(t));
            } else if (!e.texto.empty() && !enBloque && a.etiquetaPropia == 0 &&
                       (IgualSinCaso(e.texto, "Salir", tabla) ||
                        IgualSinCaso(e.texto, "lblError", tabla))) {
                a.etiquetaPropia = l;
                a.nombreEtiqueta = std::string(e.texto) + ":";
            }
        }
        Destinos(linea, tabla, saltos, true);
        if (Contiene(t, "Exit ", tabla) && SalidaEnMedio(linea, tabla)) {
            a.salidasEnMedio.push_back(l);
        }
    }
    for (const Etiqueta& s : saltos) {
        a.destinos.emplace_back(s.texto);
    }
    Ordena(a.destinos);
    a.ocupados = a.destinos;
    for (const auto& [numero, lineaDeEtiqueta] : numeradas) {
        if (lineaDeEtiqueta) {
            a.ocupados.push_back(numero);
        }
    }
    Ordena(a.ocupados);
    if (a.ocupados.empty()) {
        return a;
    }

    // Where numbering would put each number: its runs of blank lines collapse as it goes.
    long borradas = 0;
    bool vaciaEncima = desde == 1 || Recorta(Linea(m, desde - 1)).empty();
    encima.assign(desde > 1 ? Linea(m, desde - 1) : std::string_view());
    for (long l = desde; l <= hasta; ++l) {
        const std::string_view linea = Linea(m, l);
        const std::string_view t = Recorta(linea);
        std::string_view p = encima;
        while (!p.empty() && p.back() == ' ') {
            p.remove_suffix(1);
        }
        const bool pasada = !t.empty() && SePasaPorAlto(t, p, tabla);
        encima.assign(linea);
        if (t.empty()) {
            borradas += vaciaEncima ? 1 : 0;
            vaciaEncima = true;
            continue;
        }
        vaciaEncima = false;
        if (pasada || SinNumero(t, tabla)) {
            continue;
        }
        const NumeroDeLinea n = NumeroAlPrincipio(linea);
        if (n.fin != 0 && (a.Salta(n.numero) || SoloNumero(t))) {
            continue;
        }
        const std::string nuevo = std::to_string((l - borradas) * 10);
        if (a.Ocupado(nuevo)) {
            a.colisiones.emplace_back(l, nuevo);
        }
    }
    return a;
}

std::vector<Aviso> Revisa(vbide::CodeModule& m, const std::string& nombre, int paginaCodigos) {
    const Tabla& tabla = codepage::TablaMinusculas(paginaCodigos);
    const long inicio = m.ProcStartLine(nombre, vbide::ProcKind::Proc);
    const Analisis a =
        Analiza(m, inicio, inicio + m.ProcCountLines(nombre, vbide::ProcKind::Proc) - 1, tabla);
    std::vector<Aviso> r;
    if (a.unaLinea != 0) {
        r.push_back({nombre, Motivo::UnaLinea, a.unaLinea, {}});
        return r;
    }
    if (a.conManejo) {
        for (long l : a.salidasEnMedio) {
            r.push_back({nombre, Motivo::SalidaEnMedio, l, {}});
        }
    } else if (!a.conFin && a.finEnLinea != 0) {
        r.push_back({nombre, Motivo::FinEnLinea, a.finEnLinea, {}});
    } else if (!a.conFin) {
        r.push_back({nombre, Motivo::SinFin, a.cabecera, {}});
    } else if (a.etiquetaPropia != 0) {
        r.push_back({nombre, Motivo::EtiquetaPropia, a.etiquetaPropia, a.nombreEtiqueta});
    }
    for (const auto& [linea, numero] : a.colisiones) {
        r.push_back({nombre, Motivo::NumeroOcupado, linea, numero});
    }
    return r;
}

} // namespace engine
