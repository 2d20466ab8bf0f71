#pragma once
// The recording view of every window behaviour test: it keeps what each control was told to
// show, records each call, answers message boxes from a script and runs a script for each
// window opened.

#include "ui/Vista.h"
#include "ui/viewer/VistaCodigo.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace soporte {

class VistaGrabadora : public ui::Vista {
public:
    template <class T> using PorControl = std::map<std::string, T, std::less<>>;

    // What each control shows now ("" is the window).
    PorControl<std::vector<std::string>> filas;
    PorControl<int> fila;
    PorControl<std::string> texto;
    PorControl<bool> marcado, visible;
    PorControl<ui::Color> fondo;
    std::string portapapeles;
    std::optional<bool> cerrada; // set once the window unloads: true when accepted
    // Each message box as "title: text", and the answers of the next ones (OK when none left).
    std::vector<std::string> mensajes;
    std::deque<int> respuestas;
    // The windows opened, and what each does while open (by its name).
    std::vector<std::string> abiertas;
    std::function<void(const std::string&)> alAbrir;
    // Every primitive called, as "Primitive control".
    std::vector<std::string> llamadas;
    // The main window's: each list's top row, each progress bar's values in order, the
    // hourglass, the modeless windows shown or hidden, what the viewer was given, the help.
    PorControl<int> arriba;
    PorControl<std::vector<int>> valores;
    bool reloj = false, relojEnMensaje = false; // on now; on when the last box appeared
    PorControl<bool> ventanas;
    std::vector<ui::VistaCodigo> codigos;
    std::string ayuda;
    // Rich-text boxes: their text and runs, and where their caret was last put.
    PorControl<std::u32string> textoColoreado;
    PorControl<std::vector<viewer::Tramo>> tramos;
    PorControl<long> cursor;
    // Each input box as "title: text", and what the user types in the next ones ("" when none
    // left: cancelled).
    std::vector<std::string> preguntas;
    std::deque<std::string> entradas;

    void Rellena(std::string_view c, const std::vector<std::string>& f) override {
        Pon(filas, "Rellena", c, f);
        fila[std::string(c)] = -1;
    }
    void Selecciona(std::string_view c, int f) override { Pon(fila, "Selecciona", c, f); }
    void PonTexto(std::string_view c, std::string_view t) override {
        Pon(texto, "PonTexto", c, std::string(t));
    }
    void Marca(std::string_view c, bool m) override { Pon(marcado, "Marca", c, m); }
    void Muestra(std::string_view c, bool v) override { Pon(visible, "Muestra", c, v); }
    void PonFondo(std::string_view c, ui::Color color) override {
        Pon(fondo, "PonFondo", c, color);
    }
    int Mensaje(const std::string& t, int, const std::string& titulo) override {
        mensajes.push_back(titulo + ": " + t);
        relojEnMensaje = reloj;
        if (respuestas.empty())
            return 1; // vbOK
        const int r = respuestas.front();
        respuestas.pop_front();
        return r;
    }
    void Portapapeles(const std::string& t) override { portapapeles = t; }
    void Abre(std::string_view ventana) override {
        abiertas.emplace_back(ventana);
        if (alAbrir)
            alAbrir(std::string(ventana));
    }
    void Cierra(bool aceptada) override { cerrada = aceptada; }
    void PonArriba(std::string_view c, int f) override { arriba[std::string(c)] = f; }
    void PonValor(std::string_view c, int v) override { valores[std::string(c)].push_back(v); }
    void RelojArena(bool activo) override {
        Anota("RelojArena", activo ? "1" : "0");
        reloj = activo;
    }
    void MuestraVentana(std::string_view ventana, bool v) override {
        ventanas[std::string(ventana)] = v;
    }
    void MuestraCodigo(const ui::VistaCodigo& codigo) override { codigos.push_back(codigo); }
    void MuestraAyuda(const std::string& ruta) override { ayuda = ruta; }
    void PonTextoColoreado(std::string_view c, std::u32string_view t,
                           const std::vector<viewer::Tramo>& r, long posicion) override {
        Anota("PonTextoColoreado", c);
        textoColoreado[std::string(c)] = t;
        tramos[std::string(c)] = r;
        if (posicion >= 0)
            cursor[std::string(c)] = posicion;
    }
    std::string PideTexto(const std::string& t, const std::string& titulo) override {
        preguntas.push_back(titulo + ": " + t);
        if (entradas.empty())
            return {};
        std::string r = entradas.front();
        entradas.pop_front();
        return r;
    }

private:
    void Anota(std::string_view primitiva, std::string_view control) {
        llamadas.push_back(std::string(primitiva) + " " + std::string(control));
    }
    // Records the call and keeps what the control shows now.
    template <class T>
    void Pon(PorControl<T>& estado, std::string_view primitiva, std::string_view c, T valor) {
        Anota(primitiva, c);
        estado[std::string(c)] = std::move(valor);
    }
};

} // namespace soporte
