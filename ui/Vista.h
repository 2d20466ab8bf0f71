#pragma once
// What a window's behaviour asks of the screen. Each window of the add-in is a plain class that
// holds its state and runs its handlers; a skin per toolkit builds the controls, forwards their
// events to the handlers and implements these primitives. Controls are named as in the form
// ("List1", "Label3"); the empty name is the window itself. Texts are UTF-8, lines CR LF.

#include "ui/viewer/Tramo.h"

#include <string>
#include <string_view>
#include <vector>

namespace ui {

struct VistaCodigo;

struct Color {
    int rojo, verde, azul;
    bool operator==(const Color&) const = default;
};

class Vista {
public:
    virtual ~Vista() = default;

    // Fills a list or combo box with `filas`, replacing what it held; nothing is selected.
    virtual void Rellena(std::string_view control, const std::vector<std::string>& filas) = 0;
    // Selects row `fila` of a list or combo box (-1: none); in a list of many choices it becomes
    // the current row and the only one selected. The control's click is not raised: the
    // behaviour that selects runs the handler itself.
    virtual void Selecciona(std::string_view control, int fila) = 0;
    // The caption of a label, button or the window, or the text of a text box.
    virtual void PonTexto(std::string_view control, std::string_view texto) = 0;
    // Ticks or unticks a check box (its click is not raised).
    virtual void Marca(std::string_view control, bool marcado) = 0;
    virtual void Muestra(std::string_view control, bool visible) = 0;
    virtual void PonFondo(std::string_view control, Color color) = 0;
    // A modal message box: `botones` is VB's button set and icon added together
    // (vb::vbOKOnly...); the answer is VB's value of the button pressed (vb::vbOK...).
    virtual int Mensaje(const std::string& texto, int botones, const std::string& titulo) = 0;
    // Replaces what the clipboard holds with `texto`.
    virtual void Portapapeles(const std::string& texto) = 0;
    // Opens another window of the add-in modally (by its form name); returns when it closes.
    virtual void Abre(std::string_view ventana) = 0;
    // Unloads the window; `aceptada` for its accepting button.
    virtual void Cierra(bool aceptada) = 0;

    // What only the main window asks; a window without these controls shows nothing.
    // Scrolls a list so that row `fila` is its top row (its scroll is not raised).
    virtual void PonArriba(std::string_view /*control*/, int /*fila*/) {}
    // The value of a progress bar, 0 to 100.
    virtual void PonValor(std::string_view /*control*/, int /*valor*/) {}
    // The hourglass pointer over the whole application while `activo`.
    virtual void RelojArena(bool /*activo*/) {}
    // Shows another window of the add-in modeless, in front and active, loading it first
    // when it is not loaded; or hides it, loaded still. The empty name is this window: it
    // takes the focus back.
    virtual void MuestraVentana(std::string_view /*ventana*/, bool /*visible*/) {}
    // Puts `codigo` into the code viewer ("FrmCodigo"), loaded by MuestraVentana.
    virtual void MuestraCodigo(const VistaCodigo& /*codigo*/) {}
    // Shows the help page at `ruta` (a readable file) in the help window.
    virtual void MuestraAyuda(const std::string& /*ruta*/) {}

    // Replaces the text of a rich-text box. `texto` is in characters, each CR LF two; `tramos`
    // are runs of it in order, each with its colour and bold flag; a character in none of them
    // is plain black. Nothing is left selected; the
    // caret goes before character `cursor`, or with -1 stays where it was, as far as the new
    // text reaches, and the box keeps its scrolled place.
    virtual void PonTextoColoreado(std::string_view /*control*/, std::u32string_view /*texto*/,
                                   const std::vector<viewer::Tramo>& /*tramos*/, long /*cursor*/) {}
    // A modal input box with an empty default: what the user typed, "" when cancelled.
    virtual std::string PideTexto(const std::string& /*texto*/, const std::string& /*titulo*/) {
        return {};
    }
};

} // namespace ui
