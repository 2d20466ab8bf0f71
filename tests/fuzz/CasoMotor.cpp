#include "base/CodePage.h"
#include "base/ErrorVB.h"
#include "engine/Motor.h"
#include "engine/Procedimientos.h"
#include "tests/fuzz/Casos.h"
#include "tests/fuzz/Invariantes.h"
#include "tests/support/Guion.h"
#include "tests/support/Texto.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace fuzz {

namespace {

const std::string kRuta = "Modulo1.bas";
const std::string kCorte = "\n--8<--\n";

// The module and the main window's state over it, every procedure chosen.
struct Banco {
    soporte::Guion dialogos; // one bench at a time: it answers the runtime's boxes while it lives
    engine::SinProgreso progreso;
    engine::EstadoSeleccion estado;
    std::unique_ptr<files::ModuleFile> archivo;

    Banco(const std::string& bytes, engine::Modo modo, engine::Variante variante)
        : archivo(files::ModuleFile::Parse(bytes, kRuta, 1252)) {
        estado.modo = modo;
        estado.variante = variante;
        estado.Check1 = true;
        Lista();
    }
    void Lista() {
        estado.procedimientos = engine::ListaProcedimientos(archivo->Code(), 1252, progreso);
    }
    // Inserts into the chosen procedures (all of them with Check1), as the window's button does,
    // or removes; the index must still agree with a fresh read. The module's bytes after it.
    std::string Haz(bool inserta) {
        engine::Motor motor(estado, progreso, dialogos);
        for (int i = 0; inserta && i < int(estado.procedimientos.size()); ++i) {
            if (estado.Check1 || estado.procedimientos[std::size_t(i)].seleccionado) {
                int index = i;
                motor.Insertar(archivo->Code(), index);
            }
        }
        if (!inserta) {
            motor.QuitaCodigo(archivo->Code());
        }
        ComparaConReleido(*archivo, kRuta);
        Lista();
        return archivo->Serialize();
    }
};

// The lines with more than blanks, case aside, parted where the module parts them (at CR, LF or
// both): the removal writes its own Exit back and cannot know which blank lines were there.
std::string Plegado(std::string bytes) {
    for (std::size_t at = 0; (at = bytes.find('\r', at)) != std::string::npos;) {
        bytes.replace(at, bytes.compare(at, 2, "\r\n") == 0 ? 2 : 1, "\n");
    }
    return codepage::Minusculas(soporte::SinBlancas(bytes), 1252);
}

// A NUL or another control byte: a few load, but a removal that shortens the module can leave
// them over the share that marks a binary file, and the module no longer reloads.
bool ConControl(std::string_view t) {
    return std::any_of(t.begin(), t.end(), [](unsigned char c) {
        return c < 0x20 && c != '\t' && c != '\r' && c != '\n' && c != '\f' && c != 0x1A;
    });
}

// Some statement of `texto` is, past a line number, a file attribute, or it holds a control byte:
// the editor takes neither as code (a number or a statement taken off before it would make the
// line an attribute).
bool NoEditable(const std::string& texto) {
    const std::string t = codepage::Minusculas(texto, 1252);
    for (std::size_t at = 0; (at = t.find("attribute", at)) != std::string::npos; ++at) {
        const std::size_t antes = at == 0 ? at : t.find_last_not_of(" \t0123456789", at - 1);
        if (at == 0 || antes == std::string::npos || t[antes] == '\r' || t[antes] == '\n' ||
            t[antes] == ':') {
            return true;
        }
    }
    return ConControl(t);
}

// The next word as a number: 0 when it is none, and never negative.
long Numero(std::istream& in) {
    std::string t;
    in >> t;
    return long(std::strtoul(t.c_str(), nullptr, 10) % 1000003);
}

// One line of the script: "i M V B" inserts and "q M V B" removes in mode M and variant V over
// the procedures chosen by the bits B (bit 0: the whole module); "+N text", "=N text" insert
// or replace at line N (taken modulo the lines there are) and "-N K" deletes K lines, a
// backslash in the text parting lines.
void Paso(Banco& banco, const std::string& linea) {
    std::istringstream in(linea.substr(linea.empty() ? 0 : 1));
    vbide::CodeModule& m = banco.archivo->Code();
    const char orden = linea.empty() ? ' ' : linea[0];
    if (orden == 'i' || orden == 'q') {
        auto& e = banco.estado;
        e.modo = engine::Modo(Numero(in) % 3);
        e.variante = engine::Variante(Numero(in) % 3);
        const long bits = Numero(in);
        e.Check1 = (bits & 1) != 0;
        for (std::size_t i = 0; i < e.procedimientos.size(); ++i) {
            e.procedimientos[i].seleccionado = ((bits >> (1 + i % 7)) & 1) != 0;
        }
        banco.Haz(orden == 'i');
        return;
    }
    if (orden != '+' && orden != '-' && orden != '=') {
        return;
    }
    const long l = 1 + Numero(in) % (m.CountOfLines() + (orden == '+' ? 2 : 1));
    in.get(); // the blank after the number: the text keeps its own
    std::string texto;
    std::getline(in, texto);
    for (std::size_t at = 0; (at = texto.find('\\', at)) != std::string::npos; at += 2) {
        texto.replace(at, 1, "\r\n");
    }
    if (NoEditable(texto)) {
        return;
    }
    try {
        if (orden == '+') {
            m.InsertLines(l, texto);
        } else if (orden == '-') {
            m.DeleteLines(l, 1 + std::atol(texto.c_str()) % 4);
        } else {
            m.ReplaceLine(l, texto);
        }
    } catch (const ErrorVB& e) {
        Exige(e.Number != 0 && !e.Description.empty(), "an edit raised " + e.Description);
    }
    ComparaConReleido(*banco.archivo, kRuta);
    banco.Lista();
}

} // namespace

void CasoMotor(std::string_view datos) {
    soporte::SilenciaGlbErr();
    const std::size_t corte = datos.find(kCorte);
    const std::string bytes(datos.substr(0, corte == std::string_view::npos ? corte : corte + 1));
    std::istringstream guion(
        corte == std::string_view::npos ? "" : std::string(datos.substr(corte + kCorte.size())));
    // "modo M V K" first: inserting K times in mode M and variant V; otherwise by the size.
    auto modo = engine::Modo(bytes.size() % 3);
    auto variante = engine::Variante(bytes.size() / 3 % 3);
    long veces = 1;
    if (guion.str().starts_with("modo ")) {
        guion.ignore(5);
        modo = engine::Modo(Numero(guion) % 3);
        variante = engine::Variante(Numero(guion) % 3);
        veces = 1 + Numero(guion) % 2;
        guion.ignore(1 << 20, '\n');
    }
    std::unique_ptr<Banco> banco;
    try {
        banco = std::make_unique<Banco>(bytes, modo, variante);
    } catch (const ErrorVB&) {
        return; // refused: the module target checks how
    }
    // Inserting once or twice, then removing.
    vbide::CodeModule& m = banco->archivo->Code();
    if (NoEditable(m.Lines(1, m.CountOfLines())) || ConControl(bytes)) { // the header's too
        return;
    }
    const bool bien = BienFormado(m);
    std::string una;
    for (long vez = 0; vez <= veces; ++vez) {
        const std::string hecho = banco->Haz(vez < veces);
        const std::string falta = bien ? FaltaEnProcedimientos(m) : "";
        Exige(falta.empty(), "the commands broke the code: " + falta + "\n" + hecho);
        una = vez == 0 ? hecho : una;
        Exige(!bien || vez != 1 || veces == 1 || hecho == una,
              "inserting again changed the module:\n" + bytes);
        Exige(!bien || vez != veces || Plegado(hecho) == Plegado(bytes),
              "inserting then removing did not give the module back:\n" + bytes +
                  "---- became ----\n" + hecho);
    }
    for (const auto& caja : banco->dialogos.cajas) {
        Exige(!bien, "inserting then removing showed a box: " + caja.prompt + "\n" + bytes);
    }

    // Then the script over the input as it was.
    banco.reset();
    banco = std::make_unique<Banco>(bytes, modo, variante);
    int pasos = 0;
    for (std::string linea; pasos < 16 && std::getline(guion, linea); ++pasos) {
        Paso(*banco, linea);
    }
}

} // namespace fuzz
