#include "base/CodePage.h"
#include "base/ErrorVB.h"
#include "engine/Procedimientos.h"
#include "tests/engine/Regla.h"
#include "tests/fuzz/Casos.h"
#include "tests/fuzz/Invariantes.h"
#include "tests/support/Texto.h"

#include <charconv>
#include <sstream>

namespace fuzz {

namespace {

using regla::Orden;

const std::string kRuta = "Modulo1.bas";
const std::string kCorte = "\n--8<--\n";

// Runs `orden` and checks that what held of every procedure before holds after, and that the
// index still agrees with a fresh read.
template <class Orden> void SinRomper(files::ModuleFile& f, const std::string& que, Orden&& orden) {
    const bool antes = FaltaEnProcedimientos(f.Code()).empty();
    orden();
    if (antes) {
        const std::string falta = FaltaEnProcedimientos(f.Code());
        Exige(falta.empty(), que + " broke the code: " + falta + "\n" + f.Serialize());
    }
    ComparaConReleido(f, kRuta);
}

// The lines with more than blanks, case aside: the removal writes its own Exit back and cannot
// know which blank lines were there.
std::string Plegado(const std::string& bytes) {
    return codepage::Minusculas(soporte::SinBlancas(bytes), 1252);
}

bool SinTramosEnBlanco(const std::string& bytes) {
    return bytes.find("\r\n\r\n\r\n") == std::string::npos &&
           bytes.find("\n\n\n") == std::string::npos;
}

long Numero(std::istream& in) {
    std::string t;
    in >> t;
    long n = 0;
    std::from_chars(t.data(), t.data() + t.size(), n);
    return n < 0 ? -n : n;
}

// One line of the script: "i M V B" inserts and "q M V B" removes in mode M and variant V over
// the procedures chosen by the bits B (bit 0: the whole module); "+N text", "=N text" insert
// or replace at line N (taken modulo the lines there are) and "-N K" deletes K lines, a
// backslash in the text parting lines.
void Paso(regla::Banco& banco, const std::string& linea) {
    std::istringstream in(linea.substr(linea.empty() ? 0 : 1));
    vbide::CodeModule& m = banco.archivo->Code();
    const long n = m.CountOfLines();
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
        // The script may have written half a block by hand: only the index is checked.
        banco.Haz(orden == 'i' ? Orden::Inserta : Orden::Quita);
        ComparaConReleido(*banco.archivo, kRuta);
        e.procedimientos = engine::ListaProcedimientos(m, 1252, banco.progreso);
        return;
    }
    if (orden != '+' && orden != '-' && orden != '=') {
        return;
    }
    const long l = 1 + Numero(in) % (n + (orden == '+' ? 2 : 1));
    in.get(); // the blank after the number: the text keeps its own
    std::string texto;
    std::getline(in, texto);
    for (std::size_t at = 0; (at = texto.find('\\', at)) != std::string::npos; at += 2) {
        texto.replace(at, 1, "\r\n");
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
    banco.estado.procedimientos = engine::ListaProcedimientos(m, 1252, banco.progreso);
}

} // namespace

void CasoMotor(std::string_view datos) {
    soporte::SilenciaGlbErr();
    const std::size_t corte = datos.find(kCorte);
    const std::string bytes(datos.substr(0, corte == std::string_view::npos ? corte : corte + 1));
    std::istringstream guion(
        corte == std::string_view::npos ? "" : std::string(datos.substr(corte + kCorte.size())));
    // "modo M V K" first: inserting K times in mode M and variant V; otherwise by the size.
    regla::Regla r{"fuzz", "", Orden::Inserta, engine::Modo(bytes.size() % 3), ""};
    r.variante = engine::Variante(bytes.size() / 3 % 3);
    long veces = 1;
    if (guion.str().starts_with("modo ")) {
        guion.ignore(5);
        r.modo = engine::Modo(Numero(guion) % 3);
        r.variante = engine::Variante(Numero(guion) % 3);
        veces = 1 + Numero(guion) % 2;
        guion.ignore(1 << 20, '\n');
    }
    bool limpio = SinTramosEnBlanco(bytes);
    try {
        regla::Banco solo(bytes, r);
        limpio = limpio && Plegado(solo.Haz(Orden::Quita)) == Plegado(bytes);
    } catch (const ErrorVB&) {
        return; // refused: the module target checks how
    }
    auto banco = std::make_unique<regla::Banco>(bytes, r);
    // Inserting once or twice, then removing. Where the input holds nothing the removal takes
    // out and no run of blank lines (which an insertion collapses, its numbers following the
    // lines they were given to), inserting again changes nothing and removing gives the input.
    std::string una;
    std::string ultima;
    for (long vez = 0; vez < veces; ++vez) {
        SinRomper(*banco->archivo, "an insertion", [&] { ultima = banco->Haz(Orden::Inserta); });
        una = vez == 0 ? ultima : una;
        banco->estado.procedimientos =
            engine::ListaProcedimientos(banco->archivo->Code(), 1252, banco->progreso);
    }
    std::string quitado;
    SinRomper(*banco->archivo, "a removal", [&] { quitado = banco->Haz(Orden::Quita); });
    if (limpio) {
        Exige(veces == 1 || ultima == una, "inserting again changed the module:\n" + bytes);
        Exige(Plegado(quitado) == Plegado(bytes),
              "inserting then removing did not give the module back:\n" + bytes +
                  "---- became ----\n" + quitado);
        Exige(banco->dialogos.cajas.empty(), "inserting then removing showed a box:\n" + bytes);
    }

    // Then the script over the input as it was.
    banco.reset(); // one bench at a time: each answers the runtime's boxes while it lives
    banco = std::make_unique<regla::Banco>(bytes, r);
    int pasos = 0;
    for (std::string linea; pasos < 16 && std::getline(guion, linea); ++pasos) {
        Paso(*banco, linea);
    }
}

} // namespace fuzz
