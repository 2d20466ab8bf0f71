#include "ClsErrores/MsgBox.h"
#include "ClsErrores/clsErrores.h"
#include "base/ErrorVB.h"
#include "engine/Motor.h"
#include "engine/Procedimientos.h"
#include "host/files/ModuleFile.h"
#include "tests/fuzz/Casos.h"
#include "tests/fuzz/Invariantes.h"

#include <vector>

namespace fuzz {

namespace {

using engine::Modo;
using engine::Variante;

const std::string kRuta = "Modulo1.bas";
const std::string kCabecera = "Attribute VB_Name = \"Modulo1\"\r\n";

// Message boxes of the engine (no procedure selected, an error reported by glbErr) are seen
// and answered OK; nobody is there to read them.
class SinDialogos : public engine::Dialogos, public vb::Dialogos {
public:
    int Muestra(engine::Mensaje, const std::string&, int) override { return vb::vbOK; }
    int MsgBox(const std::string&, int, const std::string&) override { return vb::vbOK; }
};
SinDialogos sinDialogos;

struct Generado {
    std::vector<std::string> lineas;
    std::vector<std::size_t> cabeceras; // last header line of each Sub or Function
    std::size_t declaraciones = 0;
};

// A module the engine can round-trip: declarations of every kind, then Subs and Functions with
// the bodies that trip the line rules, and Property pairs that no command lists.
Generado Genera(Lector& in) {
    Generado g;
    g.lineas = {"Option Explicit", "Private m_x As Long"};
    const std::vector<std::vector<std::string>> declaraciones = {
        {"Public Const LIMITE As Long = 10"},
        {"Private Declare Function GetTickCount Lib \"kernel32\" () As Long"},
        {"Private Type Punto", "    x As Long", "End Type"},
        {"Public Enum Color", "    Rojo", "End Enum"},
        {"Dim m_nombre As String"},
    };
    for (unsigned i = in.Hasta(4); i > 0; --i) {
        const auto& d = declaraciones[in.Hasta(unsigned(declaraciones.size()))];
        g.lineas.insert(g.lineas.end(), d.begin(), d.end());
    }
    g.declaraciones = g.lineas.size();
    bool ultimaPropiedad = false;
    const unsigned procedimientos = 1 + in.Hasta(6);
    for (unsigned p = 0; p < procedimientos; ++p) {
        const std::string n = std::to_string(p);
        if (in.Hasta(4) == 0) {
            // Properties never reach the engine: at most one line above them, no blank runs.
            if (in.Hasta(2)) {
                g.lineas.push_back(in.Hasta(2) ? "" : "' propiedad " + n);
            }
            g.lineas.push_back("Public Property Get Valor" + n + "() As Long");
            g.lineas.push_back(in.Hasta(2) ? "    Valor" + n + " = m_x" : "    Exit Property");
            g.lineas.push_back("End Property");
            g.lineas.push_back("Public Property Let Valor" + n + "(ByVal v As Long)");
            g.lineas.push_back("    m_x = v");
            g.lineas.push_back("End Property");
            ultimaPropiedad = true;
            continue;
        }
        ultimaPropiedad = false;
        for (unsigned i = in.Hasta(3); i > 0; --i) {
            g.lineas.push_back(in.Hasta(2) ? "" : "' nota " + std::to_string(i));
        }
        const bool funcion = in.Hasta(2);
        const std::string tipo = funcion ? "Function" : "Sub";
        static const char* const kAmbitos[] = {"",        "Public ",         "Private ",
                                               "Static ", "Private Static ", "Friend "};
        std::string cabecera = std::string(kAmbitos[in.Hasta(6)]) + tipo + " " +
                               (funcion ? "SubCalculo" : "Paso") + n + "(";
        if (in.Hasta(3) == 0) {
            g.lineas.push_back(cabecera + "a As Long, _");
            cabecera = "    b As Long";
        }
        g.lineas.push_back(cabecera + (funcion ? ") As Long" : ")"));
        g.cabeceras.push_back(g.lineas.size() - 1);
        const std::string salir = "Exit " + tipo;
        const std::vector<std::vector<std::string>> cuerpos = {
            {"    x = x + 1"},
            {"    Dim v As Long"},
            {"    ' comentario"},
            {""},
            {"", ""},
            {"    If x > 1 Then", "        x = 0", "    End If"},
            {"    " + salir},
            {"    " + codepage::Minusculas(salir)},
            {"    If x Then " + salir},
            {"Etiqueta" + n + ":"},
            {"#If DEBUG Then", "    Debug.Print x", "#End If"},
            {"    Select Case x", "        Case 1", "            y = 1", "    End Select"},
            {"    s = _", "        5 + x"},
            {"    Static k As Long"},
            {"    Debug.Print \"" + salir + "\""},
            {"    Do While x < 3", "        x = x + 1: y = 2", "    Loop"},
            {"    For i = 1 To 3", "    Next i"},
            {"    MsgBox \"a'b\" ' nota"},
        };
        for (unsigned i = in.Hasta(9); i > 0; --i) {
            const auto& c = cuerpos[in.Hasta(unsigned(cuerpos.size()))];
            g.lineas.insert(g.lineas.end(), c.begin(), c.end());
        }
        g.lineas.push_back("End " + tipo);
    }
    for (unsigned i = in.Hasta(ultimaPropiedad ? 2 : 3); i > 0; --i) {
        g.lineas.push_back("");
    }
    return g;
}

std::string Texto(const std::vector<std::string>& lineas) {
    std::string r;
    for (const auto& l : lineas) {
        r += l + "\r\n";
    }
    return r;
}

std::string Codigo(vbide::CodeModule& m) {
    std::string r;
    for (long l = 1; l <= m.CountOfLines(); ++l) {
        r += m.Lines(l, 1) + "\r\n";
    }
    return r;
}

// Every run of blank lines below the declarations becomes one.
std::vector<std::string> Colapsa(const std::vector<std::string>& lineas, std::size_t desde) {
    std::vector<std::string> r;
    for (std::size_t i = 0; i < lineas.size(); ++i) {
        if (i >= desde && lineas[i].empty() && !r.empty() && r.back().empty()) {
            continue;
        }
        r.push_back(lineas[i]);
    }
    return r;
}

// What removing after inserting gives: blank runs collapsed in every mode but Resume Next; the
// error-handling block also leaves an empty line under each header and writes exits as usual.
std::string Esperado(const Generado& g, Modo modo) {
    if (modo == Modo::Option3) {
        return Texto(g.lineas);
    }
    if (modo == Modo::Option1) {
        return Texto(Colapsa(g.lineas, g.declaraciones));
    }
    std::vector<std::string> esperado;
    std::size_t siguiente = 0;
    for (std::size_t i = 0; i < g.lineas.size(); ++i) {
        std::string l = g.lineas[i];
        if (l == "    exit sub") {
            l = "    Exit Sub";
        } else if (l == "    exit function") {
            l = "    Exit Function";
        }
        esperado.push_back(l);
        if (siguiente < g.cabeceras.size() && i == g.cabeceras[siguiente]) {
            esperado.push_back("");
            ++siguiente;
        }
    }
    return Texto(Colapsa(esperado, g.declaraciones));
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
        "    GOTO Salir",
    };
    std::string texto = kLineas[in.Hasta(sizeof kLineas / sizeof *kLineas)];
    for (unsigned i = in.Hasta(3); i > 0; --i) {
        texto += "\r\n";
        texto += kLineas[in.Hasta(sizeof kLineas / sizeof *kLineas)];
    }
    return texto;
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
            for (int i = 0; i < int(estado.procedimientos.size()); ++i) {
                if (estado.Check1 || estado.procedimientos[std::size_t(i)].seleccionado) {
                    int index = i;
                    motor.Insertar(m, index);
                }
            }
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
            if (k % 2 == 0) {
                for (int i = 0; i < int(estado.procedimientos.size()); ++i) {
                    int index = i;
                    motor.Insertar(archivo->Code(), index);
                }
            } else {
                estado.Check1 = true;
                motor.QuitaCodigo(archivo->Code());
            }
            CompruebaIndice(archivo->Code());
            estado.procedimientos = engine::ListaProcedimientos(archivo->Code(), 1252, progreso);
        }
        return;
    }

    const Generado g = Genera(in);
    const std::string original = Texto(g.lineas);
    auto archivo = files::ModuleFile::Parse(kCabecera + original, kRuta, 1252);
    engine::EstadoSeleccion estado;
    estado.procedimientos = engine::ListaProcedimientos(archivo->Code(), 1252, progreso);
    Exige(estado.procedimientos.size() == g.cabeceras.size(),
          "the procedure list does not hold every Sub and Function");

    // Insert into every procedure, then remove from the whole module.
    estado.modo = Modo(in.Hasta(3));
    estado.variante = Variante(in.Hasta(3));
    {
        engine::Motor motor(estado, progreso, sinDialogos);
        for (int i = 0; i < int(estado.procedimientos.size()); ++i) {
            int index = i;
            motor.Insertar(archivo->Code(), index);
        }
        ComparaConReleido(*archivo, kRuta);
        estado.Check1 = true;
        motor.QuitaCodigo(archivo->Code());
        ComparaConReleido(*archivo, kRuta);
    }
    Exige(Codigo(archivo->Code()) == Esperado(g, estado.modo),
          "insert then remove in mode " + std::to_string(int(estado.modo)) + " variant " +
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
