#pragma once
// A window's scenarios kept as data (a soporte::Tabla file): a row "$name" opens a scenario, and
// each row after it is a step. A row naming one of the window's handlers runs it with the other
// fields as its arguments; a row "=" what, control, value checks what the recording view (or the
// window) shows there now, as text ("@" a file under tests/data: its text); "~" and "!~" whether
// a regular expression is found in it.

#include "ClsErrores/MsgBox.h"
#include "tests/support/Tabla.h"
#include "tests/support/VistaGrabadora.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace soporte {

using Campos = std::vector<std::string>;
using Pasos = std::map<std::string, std::function<void(const Campos&)>>;
using Lecturas = std::map<std::string, std::function<std::string(const std::string&)>>;

template <class C> std::string Une(const C& partes, const char* entre = "|") {
    std::ostringstream r;
    for (auto i = partes.begin(); i != partes.end(); ++i)
        r << (i == partes.begin() ? "" : entre) << *i;
    return r.str();
}

// "3|5" as {3, 5}; "" as none.
inline std::vector<int> Numeros(const std::string& s) {
    std::vector<int> r;
    for (const auto& n : s.empty() ? std::vector<std::string>{} : Partes(s))
        r.push_back(std::stoi(n));
    return r;
}

// What the recording view shows, as the scenarios write it: lists joined by '|', flags 1 or 0.
inline Lecturas LecturasDe(VistaGrabadora& v) {
    const auto b = [](bool x) { return std::string(x ? "1" : "0"); };
    return {
        {"filas", [&v](auto& c) { return Une(v.filas[c]); }},
        {"fila", [&v](auto& c) { return std::to_string(v.fila[c]); }},
        {"texto", [&v](auto& c) { return v.texto[c]; }},
        {"hay", [&v, b](auto& c) { return b(v.texto.contains(c)); }}, // any text given
        {"marcado", [&v, b](auto& c) { return b(v.marcado[c]); }},
        {"visible", [&v, b](auto& c) { return b(v.visible[c]); }},
        {"fondo",
         [&v](auto& c) {
             const ui::Color f = v.fondo[c];
             return Une(std::vector<int>{f.rojo, f.verde, f.azul}, " ");
         }},
        {"arriba", [&v](auto& c) { return std::to_string(v.arriba[c]); }},
        {"valores", [&v](auto& c) { return Une(v.valores[c], ","); }},
        {"cuantas", [&v](auto& c) { return std::to_string(v.filas[c].size()); }},
        {"ventana", [&v, b](auto& c) { return v.ventanas.contains(c) ? b(v.ventanas[c]) : "-"; }},
        {"mensajes", [&v](auto&) { return Une(v.mensajes); }},
        {"abiertas", [&v](auto&) { return Une(v.abiertas); }},
        {"reloj", [&v, b](auto&) { return b(v.reloj); }},
        {"portapapeles", [&v](auto&) { return v.portapapeles; }},
        {"cerrada", [&v, b](auto&) { return v.cerrada ? b(*v.cerrada) : ""; }},
        {"mensaje", [&v](auto&) { return v.mensajes.empty() ? "" : v.mensajes.back(); }},
        {"relojEnMensaje", [&v, b](auto&) { return b(v.relojEnMensaje); }},
        {"codigos", [&v](auto&) { return std::to_string(v.codigos.size()); }},
        // What the viewer was given last.
        {"visor",
         [&v, b](auto& c) -> std::string {
             if (v.codigos.empty())
                 return "";
             const ui::VistaCodigo& u = v.codigos.back();
             return c == "caption"  ? u.caption
                    : c == "tag"    ? u.tag
                    : c == "mnuDep" ? b(u.mnuDepVisible)
                                    : u.texto.value_or("");
         }},
    };
}

// What the user does beside the window's handlers: the answers to the next boxes ("Si|No"),
// what a click left on the screen before its handler runs, forgetting what was recorded.
inline Pasos PasosDe(VistaGrabadora& v) {
    return {
        {"Respuestas",
         [&v](auto& a) {
             for (const auto& r : Partes(a[0]))
                 v.respuestas.push_back(r == "Si" ? vb::vbYes : vb::vbNo);
         }},
        {"Fila", [&v](auto& a) { v.fila[a[0]] = std::stoi(a[1]); }},
        {"Marcado", [&v](auto& a) { v.marcado[a[0]] = a[1] == "1"; }},
        {"Olvida",
         [&v](auto& a) {
             a[0] == "cerrada"    ? v.cerrada.reset()
             : a[0] == "valores"  ? v.valores.clear()
             : a[0] == "ventanas" ? v.ventanas.clear()
             : a[0] == "mensajes" ? v.mensajes.clear()
                                  : v.codigos.clear();
         }},
    };
}

// Runs the scenario `nombre` of the file `archivo`.
inline void Escena(const std::string& archivo, const std::string& nombre, const Pasos& pasos,
                   const Lecturas& lecturas) {
    bool dentro = false, hallada = false;
    int paso = 0;
    for (Campos f : Tabla(archivo)) {
        if (f[0].starts_with("$")) {
            dentro = f[0] == "$" + nombre;
            hallada = hallada || dentro;
            continue;
        }
        if (!dentro)
            continue;
        SCOPED_TRACE(nombre + ", paso " + std::to_string(++paso) + ": " + Une(f, " "));
        f.resize(4);
        if (f[0] == "=" || f[0].ends_with("~")) {
            ASSERT_TRUE(lecturas.contains(f[1])) << f[1];
            const std::string visto = lecturas.at(f[1])(f[2]);
            if (f[0] == "=") // "@file" is that file's text
                EXPECT_EQ(visto, f[3].starts_with("@") ? Lee(Datos(f[3].substr(1))) : f[3]);
            else
                EXPECT_EQ(std::regex_search(visto, std::regex(f[3])), f[0] == "~") << visto;
        } else {
            ASSERT_TRUE(pasos.contains(f[0])) << f[0];
            pasos.at(f[0])({f.begin() + 1, f.end()});
        }
    }
    EXPECT_TRUE(hallada) << nombre;
}

} // namespace soporte
