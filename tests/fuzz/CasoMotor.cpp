#include "ClsErrores/MsgBox.h"
#include "ClsErrores/clsErrores.h"
#include "base/ErrorVB.h"
#include "engine/Motor.h"
#include "engine/Procedimientos.h"
#include "host/files/ModuleFile.h"
#include "tests/fuzz/Casos.h"
#include "tests/fuzz/Generador.h"
#include "tests/fuzz/Invariantes.h"

#include <vector>

namespace fuzz {

namespace {

using engine::Modo;
using engine::Variante;

const std::string kRuta = "Modulo1.bas";
const std::string kCabecera = "Attribute VB_Name = \"Modulo1\"\r\n";

// Message boxes of the engine (no procedure selected, an error reported by glbErr) are counted
// and answered OK; nobody is there to read them.
class SinDialogos : public engine::Dialogos, public vb::Dialogos {
public:
    int Muestra(engine::Mensaje, const std::string&, int) override { return ++cajas, vb::vbOK; }
    int MsgBox(const std::string&, int, const std::string&) override { return ++cajas, vb::vbOK; }
    int cajas = 0;
};
SinDialogos sinDialogos;

std::string Codigo(vbide::CodeModule& m) {
    std::string r;
    for (long l = 1; l <= m.CountOfLines(); ++l) {
        r += m.Lines(l, 1) + "\r\n";
    }
    return r;
}

// Runs `orden` and checks that what held of every procedure before holds after.
template <class Orden> void SinRomper(vbide::CodeModule& m, const std::string& que, Orden&& orden) {
    const bool antes = FaltaEnProcedimientos(m).empty();
    orden();
    if (antes) {
        const std::string falta = FaltaEnProcedimientos(m);
        Exige(falta.empty(), que + " broke the code: " + falta + "\n" + Codigo(m));
    }
}

// Lines a plain edit may bring in: headers and end lines of every kind, continuations, one-line
// procedures, declarations; none that would read as a file header at the top of the code.
std::string LineaEdicion(Lector& in) {
    static const char* const kLineas[] = {
        "Sub Nuevo()",
        "End Sub",
        "Public Function Otra() As Long",
        "End Function",
        "Property Get Valor0() As Long",
        "Property Let Valor0(v As Long)",
        "End Property",
        "' comentario que sigue _",
        "    x = 1 _",
        "        + 2",
        "",
        "    Dim y As Long",
        "#If DEBUG Then",
        "#End If",
        "Private Static Sub Estatico()",
        "    Exit Sub",
        "    On Error Resume Next",
        "Event Cambio()",
        "Const K = 1",
        "Private Declare Sub Sleep Lib \"kernel32\" (ByVal n As Long)",
        "Type T",
        "End Type",
        "Sub Corto(): End Sub",
        "    x = 1: End Sub",
        "10 x = 2",
        "'========Inicio OnError Quovant_Lintrap (no cambiar esta linea)=========",
        "'===========Fin ManejoError Quovant_Lintrap (no cambiar esta linea)=========",
        "    GOTO Salir"};
    std::string texto = kLineas[in.Hasta(sizeof kLineas / sizeof *kLineas)];
    for (unsigned i = in.Hasta(3); i > 0; --i) {
        texto += "\r\n";
        texto += kLineas[in.Hasta(sizeof kLineas / sizeof *kLineas)];
    }
    return texto;
}

// The main window's insertion over the listed procedures: every one, or the selected ones.
void Inserta(engine::Motor& motor, vbide::CodeModule& m, const engine::EstadoSeleccion& estado) {
    for (int i = 0; i < int(estado.procedimientos.size()); ++i) {
        if (estado.Check1 || estado.procedimientos[std::size_t(i)].seleccionado) {
            int index = i;
            motor.Insertar(m, index);
        }
    }
}

void Selecciona(engine::EstadoSeleccion& estado, Lector& in) {
    estado.modo = Modo(in.Hasta(3));
    estado.variante = Variante(in.Hasta(3));
    const std::uint8_t bits = in.Byte();
    estado.Check1 = (bits & 1) != 0;
    for (std::size_t i = 0; i < estado.procedimientos.size(); ++i) {
        estado.procedimientos[i].seleccionado = ((bits >> (1 + i % 7)) & 1) != 0;
    }
}

// One command, as the main window's buttons run them, or one plain edit of the module.
void Orden(files::ModuleFile& archivo, engine::EstadoSeleccion& estado, Lector& in) {
    vbide::CodeModule& m = archivo.Code();
    engine::SinProgreso progreso;
    engine::Motor motor(estado, progreso, sinDialogos);
    const long n = m.CountOfLines();
    const unsigned orden = in.Hasta(5);
    try {
        if (orden == 0) {
            Selecciona(estado, in);
            Inserta(motor, m, estado);
        } else if (orden == 1) {
            Selecciona(estado, in);
            motor.QuitaCodigo(m);
        } else if (orden == 2) {
            // Read the line before the text: argument order differs between compilers, and a
            // saved input must replay the same everywhere.
            const long linea = 1 + long(in.Byte()) % (n + 2);
            m.InsertLines(linea, LineaEdicion(in));
        } else if (orden == 3) {
            const long linea = 1 + long(in.Byte()) % (n + 1);
            m.DeleteLines(linea, 1 + in.Hasta(4));
        } else {
            const long linea = 1 + long(in.Byte()) % (n + 1);
            m.ReplaceLine(linea, LineaEdicion(in));
        }
    } catch (const ErrorVB& e) {
        // A line past the end is refused; the engine itself reports through glbErr.
        Exige(orden >= 2 && e.Number != 0 && !e.Description.empty(),
              "command " + std::to_string(orden) + " raised " + std::to_string(e.Number) + ": " +
                  e.Description);
    }
    ComparaConReleido(archivo, kRuta);
    estado.procedimientos = engine::ListaProcedimientos(m, 1252, progreso);
}

void Silencia() {
    vb::FijaDialogos(&sinDialogos);
    glbErr().MsgOnError("normal");
    glbErr().LogOnError(false);
    glbErr().MandaEmailOnError(false);
}

} // namespace

void CasoMotor(std::string_view datos) {
    Silencia();
    Lector in(datos);
    engine::SinProgreso progreso;
    const std::uint8_t clase = in.Byte();

    if (clase % 4 == 3) {
        // Any module at all: the commands must neither crash nor break the index.
        std::unique_ptr<files::ModuleFile> archivo;
        try {
            archivo = files::ModuleFile::Parse(std::string(in.Resto()), kRuta, 1252);
        } catch (const ErrorVB&) {
            return;
        }
        engine::EstadoSeleccion estado;
        estado.procedimientos = engine::ListaProcedimientos(archivo->Code(), 1252, progreso);
        Lector ordenes(datos.substr(0, std::min<std::size_t>(datos.size(), 64)));
        for (int k = 0; k < 4; ++k) {
            Selecciona(estado, ordenes);
            engine::Motor motor(estado, progreso, sinDialogos);
            vbide::CodeModule& m = archivo->Code();
            estado.Check1 = true;
            if (k % 2 == 0) {
                SinRomper(m, "an insertion", [&] { Inserta(motor, m, estado); });
            } else {
                SinRomper(m, "a removal", [&] { motor.QuitaCodigo(m); });
            }
            CompruebaIndice(archivo->Code());
            estado.procedimientos = engine::ListaProcedimientos(archivo->Code(), 1252, progreso);
        }
        return;
    }

    const Generado g = Genera([&](unsigned n) { return in.Hasta(n); });
    const std::string original = Texto(g.lineas, "\r\n");
    auto archivo = files::ModuleFile::Parse(kCabecera + original, kRuta, 1252);
    engine::EstadoSeleccion estado;
    estado.procedimientos = engine::ListaProcedimientos(archivo->Code(), 1252, progreso);
    Exige(estado.procedimientos.size() == g.Listados(),
          "the procedure list does not hold every Sub and Function");

    // Insert into every procedure (once or twice), then remove from the whole module.
    estado.modo = Modo(in.Hasta(3));
    estado.variante = Variante(in.Hasta(3));
    const int veces = 1 + int(in.Hasta(2));
    estado.Check1 = true;
    sinDialogos.cajas = 0;
    {
        engine::Motor motor(estado, progreso, sinDialogos);
        vbide::CodeModule& m = archivo->Code();
        for (int vez = 0; vez < veces; ++vez) {
            Exige(FaltaEnProcedimientos(m).empty(),
                  "generated code is broken: " + FaltaEnProcedimientos(m) + "\n" + original);
            SinRomper(m, "an insertion", [&] { Inserta(motor, m, estado); });
            ComparaConReleido(*archivo, kRuta);
            estado.procedimientos = engine::ListaProcedimientos(m, 1252, progreso);
        }
        SinRomper(m, "a removal", [&] { motor.QuitaCodigo(m); });
        ComparaConReleido(*archivo, kRuta);
    }
    Exige(sinDialogos.cajas == 0, "inserting then removing showed a box:\n" + original);
    Exige(Codigo(archivo->Code()) == Texto(Esperado(g, estado.modo), "\r\n"),
          "insert " + std::to_string(veces) + " times then remove in mode " +
              std::to_string(int(estado.modo)) + " variant " +
              std::to_string(int(estado.variante)) + " did not give the module back:\n" + original +
              "---- became ----\n" + Codigo(archivo->Code()));

    // Then any sequence of commands and edits over the original module.
    archivo = files::ModuleFile::Parse(kCabecera + original, kRuta, 1252);
    estado = {};
    estado.procedimientos = engine::ListaProcedimientos(archivo->Code(), 1252, progreso);
    for (int k = 0; k < 16 && !in.Vacio(); ++k) {
        Orden(*archivo, estado, in);
    }
}

} // namespace fuzz
