#include "tests/fuzz/Invariantes.h"

#include "base/CodePage.h"
#include "base/ErrorVB.h"
#include "engine/Bloques.h"
#include "engine/Etiquetas.h"
#include "host/files/ModuleSyntax.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <sstream>
#include <vector>

namespace fuzz {

namespace {

using vbide::ProcKind;

std::string Clave(const std::string& nombre, ProcKind kind) {
    return codepage::Minusculas(nombre) + "|" + std::to_string(int(kind));
}

std::string EnLinea(long l) {
    return " (line " + std::to_string(l) + ")";
}

struct Tramo {
    std::string nombre;
    ProcKind kind;
    long desde;
    long hasta;
};

// The runs of lines with the same owner, below the declarations.
std::vector<Tramo> Tramos(vbide::CodeModule& m) {
    std::vector<Tramo> tramos;
    for (long l = 1; l <= m.CountOfLines(); ++l) {
        ProcKind kind = ProcKind::Proc;
        std::string nombre = m.ProcOfLine(l, &kind);
        if (nombre.empty()) {
            continue;
        }
        if (!tramos.empty() && tramos.back().hasta == l - 1 &&
            Clave(tramos.back().nombre, tramos.back().kind) == Clave(nombre, kind)) {
            tramos.back().hasta = l;
        } else {
            tramos.push_back({nombre, kind, l, l});
        }
    }
    return tramos;
}

// What the index of `m` says: its counts, each line's owner and text, each member.
std::vector<std::string> Foto(vbide::CodeModule& m) {
    std::vector<std::string> r = {"line count " + std::to_string(m.CountOfLines()),
                                  "declaration lines " +
                                      std::to_string(m.CountOfDeclarationLines())};
    for (long l = 1; l <= m.CountOfLines(); ++l) {
        ProcKind kind = ProcKind::Proc;
        const std::string dueno = m.ProcOfLine(l, &kind);
        r.push_back("owner " + dueno + "|" + std::to_string(int(kind)) + EnLinea(l) + ": " +
                    m.Lines(l, 1));
    }
    vbide::Members& miembros = m.Members();
    for (long i = 1; i <= miembros.Count(); ++i) {
        vbide::Member& x = miembros.Item(i);
        r.push_back("member " + x.Name() + " of type " + std::to_string(int(x.Type())) + " at " +
                    std::to_string(x.CodeLocation()));
    }
    return r;
}

using lineavb::Palabra;

// Sub, Function or Property: what the header `t` declares or the end line `t` closes.
Palabra Clase(std::string_view t) {
    lineavb::Comienzo c = lineavb::Lee(t, lineavb::kTablaAscii, lineavb::kLecturaCargador);
    return c.palabra == Palabra::End
               ? lineavb::Toma(c.resto, lineavb::kTablaAscii, lineavb::kLecturaCargador)
               : c.palabra;
}

// A statement of `logica` exits a procedure of another kind than `abierta` ("Exit Function" in
// a Sub), or with letters run on ("Exit Subc"): VB6 refuses both, a removal writes the
// procedure's own Exit back, and the commands read an Exit by how it begins.
bool SalidaAjena(const std::string& logica, Palabra abierta) {
    for (std::string_view sentencia : files::syntax::Statements(logica)) {
        std::string codigo; // the statement without its string literals, in lower case
        bool enTexto = false;
        for (char c : sentencia) {
            enTexto = enTexto != (c == '"');
            if (!enTexto && c != '"')
                codigo += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        std::istringstream palabras(codigo);
        for (std::string w, antes; palabras >> w; antes = w) {
            const Palabra clase = w == "sub"        ? Palabra::Sub
                                  : w == "function" ? Palabra::Function
                                  : w == "property" ? Palabra::Property
                                                    : Palabra::Otra;
            const bool comoSalida =
                w.starts_with("sub") || w.starts_with("function") || w.starts_with("property");
            if (antes == "exit" && comoSalida && clase != abierta)
                return true;
        }
    }
    return false;
}

} // namespace

void Exige(bool cierto, const std::string& que) {
    if (!cierto) {
        throw Hallazgo(que);
    }
}

void CompruebaIndice(vbide::CodeModule& m) {
    const long n = m.CountOfLines();
    const long decl = m.CountOfDeclarationLines();
    Exige(decl >= 0 && decl <= n,
          "CountOfDeclarationLines " + std::to_string(decl) + " outside 0.." + std::to_string(n));
    // The declarations own no line, and every line below them belongs to some procedure.
    const std::vector<Tramo> tramos = Tramos(m);
    for (long l = 1; l <= n; ++l) {
        Exige(m.ProcOfLine(l).empty() == (l <= decl || tramos.empty()),
              (l <= decl ? "a declarations line has an owner" : "a procedure's line has none") +
                  EnLinea(l));
    }
    std::map<std::string, int> veces;
    for (const Tramo& t : tramos) {
        ++veces[Clave(t.nombre, t.kind)];
    }
    for (const Tramo& t : tramos) {
        if (veces[Clave(t.nombre, t.kind)] != 1) {
            continue; // the same procedure defined twice: lookups find the first
        }
        const long s = m.ProcStartLine(t.nombre, t.kind);
        const long c = m.ProcCountLines(t.nombre, t.kind);
        const long b = m.ProcBodyLine(t.nombre, t.kind);
        if (s + c - 1 < t.hasta && s + c <= n) {
            ProcKind kind = ProcKind::Proc;
            std::string despues = m.ProcOfLine(s + c, &kind);
            if (Clave(despues, kind) == Clave(t.nombre, t.kind)) {
                continue; // two adjacent definitions of one name look like one run
            }
        }
        Exige(s == t.desde && s + c - 1 == t.hasta,
              "procedure " + t.nombre + " owns lines " + std::to_string(t.desde) + ".." +
                  std::to_string(t.hasta) + " but its start and count say " + std::to_string(s) +
                  ".." + std::to_string(s + c - 1));
        Exige(b >= s && b <= s + c - 1,
              "the header of " + t.nombre + " lies outside it" + EnLinea(b));
    }

    vbide::Members& miembros = m.Members();
    for (long i = 1; i <= miembros.Count(); ++i) {
        vbide::Member& mm = miembros.Item(i);
        const int tipo = int(mm.Type());
        Exige(tipo >= 1 && tipo <= 5, "member " + mm.Name() + " has type " + std::to_string(tipo));
        Exige(codepage::Minusculas(miembros.Item(mm.Name()).Name()) ==
                  codepage::Minusculas(mm.Name()),
              "looking member " + mm.Name() + " up by name finds another");
        // A Declare statement is a method member too, in the declarations: a procedure of the
        // same name does not make it move.
        if (mm.Type() == vbide::MemberType::Method && mm.CodeLocation() > decl &&
            veces[Clave(mm.Name(), ProcKind::Proc)] == 1) {
            Exige(mm.CodeLocation() == m.ProcBodyLine(mm.Name(), ProcKind::Proc),
                  "member " + mm.Name() + " is not on its header");
        }
    }
}

void ComparaConReleido(files::ModuleFile& editado, const std::string& ruta) {
    const std::string bytes = editado.Serialize();
    std::unique_ptr<files::ModuleFile> fresco;
    try {
        fresco = files::ModuleFile::Parse(bytes, ruta, 1252);
    } catch (const ErrorVB& e) {
        throw Hallazgo("the edited module no longer loads: " + e.Description);
    }
    Exige(fresco->Serialize() == bytes, "the edited module does not load back byte for byte");
    // What the edits left and what a fresh read gives must be the same.
    const std::vector<std::string> a = Foto(editado.Code()), b = Foto(fresco->Code());
    const auto [x, y] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    Exige(x == a.end() && y == b.end(), "'" + (x == a.end() ? "" : *x) + "' after the edits, '" +
                                            (y == b.end() ? "" : *y) + "' when read again");
    CompruebaIndice(editado.Code());
}

std::string FaltaEnProcedimientos(vbide::CodeModule& m) {
    const auto& tabla = codepage::TablaMinusculas(1252);
    const std::vector<Tramo> tramos = Tramos(m);
    for (const Tramo& t : tramos) {
        const std::string en = " in " + t.nombre;
        std::set<std::string> definidas;
        std::vector<std::pair<long, std::string>> saltos;
        std::vector<long> onError;
        std::vector<long> manejo;
        long fin = 0;
        bool enOnError = false;
        std::string encima;
        engine::UneLineas une;
        for (long l = t.desde; l <= t.hasta; ++l) {
            const std::string linea = m.Lines(l, 1);
            const std::string_view tx = engine::Recorta(linea);
            const bool continuada = engine::Continua(engine::Recorta(encima));
            encima = linea;
            if (engine::EsComentario(tx)) {
                if (engine::Contiene(tx, engine::ClaveInicioOnError, tabla)) {
                    onError.push_back(l);
                    enOnError = true;
                } else if (engine::Contiene(tx, engine::ClaveFinOnError, tabla)) {
                    enOnError = false;
                } else if (engine::Contiene(tx, engine::ClaveInicioManejoError, tabla)) {
                    manejo.push_back(l);
                }
                continue;
            }
            // a jump list may go on over the lines below: it is read whole on its last line
            const std::string_view entera = une.Anade(linea, continuada);
            if (!continuada) {
                if (engine::EsFin(tx, tabla)) {
                    // one that ends nothing does not compile, and each gets a block of its own
                    if (fin != 0) {
                        return "a second end line" + en + EnLinea(l);
                    }
                    fin = l;
                }
                const engine::Etiqueta e = engine::EtiquetaDe(linea);
                if (!e.texto.empty() &&
                    !definidas.insert(codepage::Minusculas(std::string(e.texto))).second) {
                    return "label " + std::string(e.texto) + " defined twice" + en + EnLinea(l);
                }
            }
            std::vector<engine::Etiqueta> destinos;
            engine::Destinos(entera, tabla, destinos);
            for (const auto& d : destinos) {
                // A jump to a label of our block that the insertion did not write is the
                // user's own: the removal takes its label away with the block.
                const std::string a = codepage::Minusculas(std::string(d.texto));
                if ((a == "lblerror" && !enOnError) ||
                    (a == "salir" &&
                     !engine::EmpiezaPor(engine::SinNumeroDeLinea(tx), "GOTO Salir", tabla))) {
                    return "a jump of the user's to " + a + en + EnLinea(l);
                }
                saltos.emplace_back(l, d.texto);
            }
        }
        for (const auto& [l, d] : saltos) {
            if (!definidas.count(codepage::Minusculas(d))) {
                return "jump to " + d + ", which is not defined" + en + EnLinea(l);
            }
        }
        for (long o : onError) {
            const auto despues = std::count_if(manejo.begin(), manejo.end(), [&](long h) {
                return h > o && (fin == 0 || h < fin);
            });
            if (despues != 1) {
                return "the OnError block" + EnLinea(o) + " is followed by " +
                       std::to_string(despues) + " ManejoError blocks before the end" + en;
            }
        }
    }
    return {};
}

bool BienFormado(vbide::CodeModule& m) {
    namespace syntax = files::syntax;
    std::set<std::string> nombres;
    std::vector<std::string_view> partes; // a statement's lines, continuations joined
    unsigned char tag = 0;
    Palabra abierta = Palabra::Otra; // Sub, Function or Property while a procedure is open
    bool trasProcedimiento = false;  // past the first header: outside a procedure, comments only
    bool blanca = false;
    for (long l = 1; l <= m.CountOfLines(); ++l) {
        const std::string_view linea = m.Line(l);
        const std::string_view t = syntax::TrimBlanks(linea);
        const std::string bajo = codepage::Minusculas(std::string(t), 1252);
        if (bajo.find("quovant_lintrap") != std::string::npos ||
            bajo.starts_with("on error resume next") ||
            (!t.empty() && t[0] >= '0' && t[0] <= '9') || (t.empty() && blanca)) {
            return false;
        }
        blanca = t.empty();
        tag = syntax::TagOf(linea, tag);
        partes.push_back(linea);
        if (tag & syntax::kContinues) {
            continue;
        }
        const std::string logica = syntax::JoinContinued(partes);
        partes.clear();
        const syntax::Statement s = syntax::Classify(logica);
        // VB6 compiles nothing but comments between a procedure's end and the next header.
        const std::string_view sentencia = syntax::TrimBlanks(logica);
        if (trasProcedimiento && abierta == Palabra::Otra && !s.header && !sentencia.empty() &&
            sentencia[0] != '\'' && sentencia[0] != '#' &&
            !(syntax::SameWord(sentencia.substr(0, 3), "Rem") &&
              (sentencia.size() == 3 || sentencia[3] == ' ' || sentencia[3] == '\t'))) {
            return false;
        }
        if (abierta != Palabra::Otra && !s.header && SalidaAjena(logica, abierta)) {
            return false;
        }
        // The commands take for an end line any line that begins as one ("End Subtotal" too).
        const bool comoFin = bajo.starts_with("end sub") || bajo.starts_with("end function") ||
                             bajo.starts_with("end property");
        if (s.header || s.end || comoFin) {
            const Palabra clase = Clase(syntax::TrimBlanks(logica));
            if (syntax::Statements(logica).size() != 1 || s.end != comoFin ||
                (s.header
                     ? abierta != Palabra::Otra || !nombres.insert(Clave(s.name, s.kind)).second
                     : clase != abierta)) {
                return false;
            }
            abierta = s.header ? clase : Palabra::Otra;
            trasProcedimiento = true;
        }
    }
    return abierta == Palabra::Otra && partes.empty() && FaltaEnProcedimientos(m).empty();
}

} // namespace fuzz
