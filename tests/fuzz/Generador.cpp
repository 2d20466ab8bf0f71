#include "tests/fuzz/Generador.h"

#include "base/CodePage.h"

namespace fuzz {

std::size_t Generado::Listados() const {
    std::size_t n = 0;
    for (const Rango& r : procedimientos) {
        n += r.clase != Clase::Propiedad ? 1 : 0;
    }
    return n;
}

Generado Genera(const std::function<unsigned(unsigned)>& tira) {
    Generado g;
    g.lineas = {"Option Explicit", "Private m_x As Long", "Private m_ As Long"};
    const std::vector<std::vector<std::string>> declaraciones = {
        {"Public Const LIMITE As Long = 10"},
        {"Private Declare Function GetTickCount Lib \"kernel32\" () As Long"},
        {"Private Type Punto", "    x As Long", "End Type"},
        {"Public Enum Color", "    Rojo", "End Enum"},
        {"Dim m_nombre As String"},
    };
    for (unsigned i = tira(4); i > 0; --i) {
        const auto& d = declaraciones[tira(unsigned(declaraciones.size()))];
        g.lineas.insert(g.lineas.end(), d.begin(), d.end());
    }
    g.declaraciones = g.lineas.size();
    const unsigned procedimientos = 1 + tira(6);
    for (unsigned p = 0; p < procedimientos; ++p) {
        const std::string n = std::to_string(p);
        Rango r;
        r.desde = g.lineas.size();
        const unsigned clase = tira(8);
        if (clase == 0) {
            // Properties never reach the engine: at most one line above them, no blank runs.
            if (tira(2)) {
                g.lineas.push_back(tira(2) ? "" : "' propiedad " + n);
            }
            g.lineas.insert(g.lineas.end(),
                            {"Public Property Get Valor" + n + "() As Long",
                             tira(2) ? "    Valor" + n + " = m_x" : "    Exit Property",
                             "End Property", "Public Property Let Valor" + n + "(ByVal v As Long)",
                             "    m_x = v", "End Property"});
            r.clase = Clase::Propiedad;
            r.hasta = g.lineas.size() - 1;
            g.procedimientos.push_back(r);
            continue;
        }
        // A directive above a header may belong to the declarations, and the blank lines above
        // it with them: comments only there.
        const unsigned forma = clase == 1 ? 2 : tira(4);
        for (unsigned i = tira(3); i > 0; --i) {
            g.lineas.push_back(tira(2) && forma != 1 ? "" : "' nota " + std::to_string(i));
        }
        if (clase == 1) {
            static const char* const kUnaLinea[] = {
                "Public Function Uno%() As String: End Function",
                "Public Sub Uno%(ByVal v As Long): End Sub",
                "Friend Sub Uno%(): m_x = 1: End Sub ' corto"};
            std::string l = kUnaLinea[tira(3)];
            l.replace(l.find('%'), 1, n);
            g.lineas.push_back(l);
            r.clase = Clase::UnaLinea;
            r.cabeceras.push_back(g.lineas.size() - 1);
            r.hasta = g.lineas.size() - 1;
            g.procedimientos.push_back(r);
            continue;
        }
        r.clase = clase == 2 ? Clase::SalirPropio : Clase::Normal;
        const bool funcion = tira(2);
        const std::string tipo = funcion ? "Function" : "Sub";
        static const char* const kAmbitos[] = {"",        "Public ",         "Private ",
                                               "Static ", "Private Static ", "Friend "};
        std::string cabecera = std::string(kAmbitos[tira(6)]) + tipo + " " +
                               (funcion ? "SubCalculo" : "Paso") + n + "(";
        const std::string cierre = funcion ? ") As Long" : ")";
        const std::size_t primera = g.lineas.size();
        if (forma == 0) {
            g.lineas.insert(g.lineas.end(), {cabecera + "a As Long, _", "    b As Long" + cierre});
            r.cabeceras = {primera + 1};
        } else if (forma == 1) {
            // one header or the other is compiled: both get an OnError block
            g.lineas.insert(g.lineas.end(),
                            {"#If Win64 Then", cabecera + "ByVal p As LongPtr" + cierre, "#Else",
                             cabecera + "ByVal p As Long" + cierre, "#End If"});
            r.cabeceras = {primera + 1, primera + 3};
        } else {
            g.lineas.push_back(cabecera + cierre);
            r.cabeceras = {primera};
        }
        const std::string salir = "Exit " + tipo;
        const std::string propia = tira(2) ? "Salir" : "lblError";
        if (r.clase == Clase::SalirPropio && tira(2)) {
            g.lineas.push_back("    On Error GoTo " + propia);
        } else if (r.clase == Clase::SalirPropio) {
            g.lineas.insert(g.lineas.end(),
                            {"    If m_x = 0 Then", "        GoTo " + propia, "    End If"});
        }
        // a line number the code jumps to, close to the numbers the lines around it get
        const std::string etiqueta = std::to_string(10 * (1 + tira(60)));
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
            {"#If DEBUG Then", "    Debug.Print x", "#End If"},
            {"    Select Case x", "        Case 1", "            y = 1", "    End Select"},
            {"    s = _", "        5 + x"},
            {"    Static k As Long"},
            {"    Debug.Print \"" + salir + "\""},
            {"    Do While x < 3", "        x = x + 1: y = 2", "    Loop"},
            {"    For i = 1 To 3", "    Next i"},
            {"    MsgBox \"a'b\" ' nota"},
            {"    Close_"},
            {"    x = m_"},
            {"    Debug.Print \"GoTo 50\" ' GoTo 60"},
            {"    " + salir + ": MsgBox \"Pulse " + salir + "\" ' no es GOTO Salir"},
        };
        // labels go in once: a label defined twice is not code the engine is given
        const std::vector<std::vector<std::string>> unaVez = {
            {"Etiqueta" + n + ":", "    If x Then GoTo Etiqueta" + n},
            {"    GoTo " + etiqueta, etiqueta + " x = x + 1"},
            {"    If x Then " + etiqueta + " Else " + etiqueta, etiqueta},
            {"    On x GoSub " + etiqueta + ", " + etiqueta, "    Exit " + tipo,
             etiqueta + " y = 2", "    Return"},
            {"Trampa" + n + ":     x = x + 1", "    If x Then GoTo Trampa" + n},
            // jump lists continued over lines, to names and to numbers
            {"    On x GoTo Uno" + n + ", _", "        Dos" + n, "Uno" + n + ": y = 1",
             "Dos" + n + ":"},
            {"    On x GoSub " + etiqueta + ", _", "        " + etiqueta + "5", "    Exit " + tipo,
             etiqueta + " y = 2: Return", etiqueta + "5 z = 3: Return"},
        };
        const unsigned elegida = tira(unsigned(unaVez.size()) * 2);
        for (unsigned i = tira(9); i > 0; --i) {
            const auto& c = cuerpos[tira(unsigned(cuerpos.size()))];
            g.lineas.insert(g.lineas.end(), c.begin(), c.end());
            if (i == 1 && elegida < unaVez.size()) {
                const auto& u = unaVez[elegida];
                g.lineas.insert(g.lineas.end(), u.begin(), u.end());
            }
        }
        if (r.clase == Clase::SalirPropio) {
            g.lineas.insert(g.lineas.end(), {propia + ":", "    Close #1"});
        }
        g.lineas.push_back("End " + tipo);
        r.hasta = g.lineas.size() - 1;
        g.procedimientos.push_back(r);
    }
    // lines after the last procedure belong to it
    const bool ultimaPropiedad = g.procedimientos.back().clase == Clase::Propiedad;
    for (unsigned i = tira(ultimaPropiedad ? 2 : 3); i > 0; --i) {
        g.lineas.push_back("");
    }
    g.procedimientos.back().hasta = g.lineas.size() - 1;
    return g;
}

std::string Texto(const std::vector<std::string>& lineas, const std::string& fin) {
    std::string r;
    for (const auto& l : lineas) {
        r += l + fin;
    }
    return r;
}

std::vector<std::string> Esperado(const Generado& g, engine::Modo modo) {
    if (modo == engine::Modo::Option3) {
        return g.lineas;
    }
    std::vector<std::string> r(g.lineas.begin(), g.lineas.begin() + long(g.declaraciones));
    for (const Rango& p : g.procedimientos) {
        const bool recorrido = p.clase == Clase::Normal ||
                               (p.clase == Clase::SalirPropio && modo == engine::Modo::Option1);
        const bool bloques = recorrido && modo == engine::Modo::Option2;
        std::size_t siguiente = 0;
        for (std::size_t i = p.desde; i <= p.hasta; ++i) {
            std::string l = g.lineas[i];
            if (bloques && l == "    exit sub") {
                l = "    Exit Sub";
            } else if (bloques && l == "    exit function") {
                l = "    Exit Function";
            }
            auto pon = [&](const std::string& x) {
                if (!(recorrido && x.empty() && !r.empty() && r.back().empty())) {
                    r.push_back(x);
                }
            };
            pon(l);
            if (bloques && siguiente < p.cabeceras.size() && i == p.cabeceras[siguiente]) {
                pon("");
                ++siguiente;
            }
        }
    }
    return r;
}

} // namespace fuzz
