#include "engine/Analisis.h"

#include "ClsErrores/Convencion.h"
#include "base/CodePage.h"
#include "engine/Bloques.h"
#include "engine/Etiquetas.h"
#include "engine/ExisteOnError.h"

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

Analisis Analiza(vbide::CodeModule& m, long desde, long hasta, const Tabla& tabla,
                 Lectura lectura) {
    const bool conSaltos = lectura != Lectura::Bloques;
    const bool conBloque = lectura != Lectura::Numeros;
    const bool todo = lectura == Lectura::Todo;
    Analisis a;
    std::vector<Etiqueta> saltos;
    // numbered labels whose line numbering leaves as it is (a label line, or a line that is
    // only the number)
    std::vector<std::string> numeradas;
    bool enCabecera = false;
    // the start marker of each kind of block still waiting for its end marker (0: none)
    long abiertoOnError = 0;
    long abiertoManejo = 0;
    UneLineas lineas;
    // Nothing edits the module while it is read: its lines stay valid as views. Each line is
    // trimmed once, and its trimmed text serves the line below too.
    std::string_view encima = desde > 1 ? Recorta(Linea(m, desde - 1)) : std::string_view();
    for (long l = desde; l <= hasta; ++l) {
        const std::string_view linea = Linea(m, l);
        const std::string_view t = Recorta(linea);
        const bool continuada = Continua(encima);
        encima = t;
        // a marker is a comment line, a line number in front of it aside: it begins with an
        // apostrophe or a digit
        const std::string_view marca =
            !t.empty() && (t.front() == '\'' || EsDigito(t.front())) ? SinNumeroDeLinea(t) : "";
        if (EsComentario(marca)) {
            if (Contiene(marca, ClaveInicioManejoError, tabla)) {
                a.conManejo = true;
                abiertoManejo = l;
            } else if (Contiene(marca, ClaveInicioOnError, tabla)) {
                abiertoOnError = l;
            } else if (Contiene(marca, ClaveFinManejoError, tabla)) {
                abiertoManejo = 0;
            } else if (Contiene(marca, ClaveFinOnError, tabla)) {
                abiertoOnError = 0;
            }
        }
        if (t.empty() || EsComentario(t)) {
            continue;
        }
        if (conBloque && !a.conOnError && EmpiezaOnError(t, tabla)) {
            a.conOnError = true;
        }
        const bool enBloque = abiertoOnError != 0 || abiertoManejo != 0;
        // Numbering wants of a header only an end statement after a colon on its lines: a
        // header that neither holds a colon nor goes on below is not looked for.
        if (!continuada &&
            (conBloque || Continua(t) || linea.find(':') != std::string_view::npos) &&
            EsCabecera(t, tabla)) {
            enCabecera = true;
            // An end line above the header ends nothing of this procedure: the module gives
            // the lines left between two procedures to the second, stray end lines included.
            a.conFin = a.conFin && a.cabecera != 0;
            a.cabecera = a.cabecera ? a.cabecera : l;
        }
        // a colon matters only on a header's lines and, for the block, on a statement's first
        const bool dosPuntos =
            (enCabecera || (!continuada && conBloque)) && linea.find(':') != std::string_view::npos;
        if (enCabecera) {
            if (dosPuntos && FinTrasDosPuntos(linea, tabla) && a.unaLinea == 0) {
                a.unaLinea = l;
            }
            enCabecera = Continua(t);
        } else if (!continuada && conBloque) {
            if (EsFin(t, tabla)) {
                a.conFin = true;
            } else if (dosPuntos && FinTrasDosPuntos(linea, tabla) && a.finEnLinea == 0) {
                a.finEnLinea = l;
            }
        }
        // numbering reads only the numbered labels: a line that begins with no digit has none
        if (!continuada && (conBloque || EsDigito(t.front()))) {
            const Etiqueta e = EtiquetaDe(t);
            if (e.numero) {
                if (conSaltos && (TerminaEn(t, ':') || SoloNumero(t))) {
                    numeradas.emplace_back(e.texto);
                }
            } else if (conBloque && !e.texto.empty() && !enBloque && a.etiquetaPropia == 0 &&
                       (IgualSinCaso(e.texto, "Salir", tabla) ||
                        IgualSinCaso(e.texto, "lblError", tabla))) {
                a.etiquetaPropia = l;
                a.nombreEtiqueta = std::string(e.texto) + ":";
            }
        }
        // a jump list may go on over the lines below: it is read whole on its last line
        // (its trimmed text: the blanks around a line hold no label)
        const std::string_view entera = conSaltos ? lineas.Anade(t, continuada) : "";
        if (!entera.empty()) {
            Destinos(entera, tabla, saltos, true);
            for (const Etiqueta& s : saltos) {
                a.destinos.emplace_back(s.texto);
            }
            saltos.clear();
        }
        if (todo && Contiene(t, "Exit ", tabla) && SalidaEnMedio(linea, tabla)) {
            a.salidasEnMedio.push_back(l);
        }
    }
    if (abiertoOnError != 0 && (abiertoManejo == 0 || abiertoOnError < abiertoManejo)) {
        a.marcaSinFin = abiertoOnError;
    } else {
        a.marcaSinFin = abiertoManejo;
    }
    Ordena(a.destinos);
    a.ocupados = a.destinos;
    a.ocupados.insert(a.ocupados.end(), numeradas.begin(), numeradas.end());
    Ordena(a.ocupados);
    if (!todo || a.ocupados.empty()) {
        return a;
    }

    // Where numbering would put each number: its runs of blank lines collapse as it goes.
    long borradas = 0;
    bool vaciaEncima = desde == 1 || Recorta(Linea(m, desde - 1)).empty();
    encima = desde > 1 ? Linea(m, desde - 1) : std::string_view();
    for (long l = desde; l <= hasta; ++l) {
        const std::string_view linea = Linea(m, l);
        const std::string_view t = Recorta(linea);
        std::string_view p = encima;
        while (!p.empty() && p.back() == ' ') {
            p.remove_suffix(1);
        }
        const bool pasada = !t.empty() && SePasaPorAlto(t, Continua(p), tabla);
        encima = linea;
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

std::optional<Aviso> NombresDelBloque(std::string_view modulo, const std::string& nombre,
                                      long linea) {
    if (FallaIdentificador(modulo) != std::string_view::npos) {
        return Aviso{nombre, Motivo::ModuloNoValido, linea, std::string(modulo)};
    }
    if (FallaIdentificador(nombre) != std::string_view::npos) {
        return Aviso{nombre, Motivo::NombreNoValido, linea, {}};
    }
    const std::size_t largo = LineaPush(modulo, nombre).size();
    if (largo > LineaMasLarga) {
        return Aviso{nombre, Motivo::LineaLarga, linea, std::to_string(largo)};
    }
    return std::nullopt;
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
    if (a.marcaSinFin != 0) {
        r.push_back({nombre, Motivo::MarcaSinFin, a.marcaSinFin, {}});
    } else if (a.conManejo) {
        for (long l : a.salidasEnMedio) {
            r.push_back({nombre, Motivo::SalidaEnMedio, l, {}});
        }
    } else if (!a.conFin && a.finEnLinea != 0) {
        r.push_back({nombre, Motivo::FinEnLinea, a.finEnLinea, {}});
    } else if (!a.conFin) {
        r.push_back({nombre, Motivo::SinFin, a.cabecera, {}});
    } else if (a.etiquetaPropia != 0) {
        r.push_back({nombre, Motivo::EtiquetaPropia, a.etiquetaPropia, a.nombreEtiqueta});
    } else if (auto n = NombresDelBloque(m.Name(), nombre,
                                         m.ProcBodyLine(nombre, vbide::ProcKind::Proc))) {
        r.push_back(std::move(*n));
    }
    const long cabecera = m.ProcBodyLine(nombre, vbide::ProcKind::Proc);
    for (const auto& [linea, numero] : a.colisiones) {
        if (linea == cabecera) {
            continue; // the header never takes a number, however it is spelled
        }
        r.push_back({nombre, Motivo::NumeroOcupado, linea, numero});
    }
    return r;
}

std::vector<long> LineasNumeradas(vbide::CodeModule& m, const std::string& nombre,
                                  int paginaCodigos) {
    const Tabla& tabla = codepage::TablaMinusculas(paginaCodigos);
    const long inicio = m.ProcStartLine(nombre, vbide::ProcKind::Proc);
    const long fin = inicio + m.ProcCountLines(nombre, vbide::ProcKind::Proc) - 1;
    const Analisis a = Analiza(m, inicio, fin, tabla, Lectura::Numeros);
    std::vector<long> r;
    std::string_view encima; // a number on the header's line may continue the line above it
    if (inicio > 1) {
        PasoSinError([&] { encima = m.Line(inicio - 1); });
    }
    for (long L = inicio; L <= fin; ++L) {
        std::string_view linea;
        PasoSinError([&] { linea = m.Line(L); });
        const std::string_view t = Recorta(linea);
        const bool continuada = Continua(Recorta(encima));
        encima = linea;
        if (NumeroQueQuita(t).empty() || continuada ||
            (EsDigito(t.front()) && a.Salta(NumeroAlPrincipio(linea).numero))) {
            continue;
        }
        r.push_back(L);
    }
    return r;
}

} // namespace engine
