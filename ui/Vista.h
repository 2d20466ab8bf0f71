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

struct Color {
    int rojo, verde, azul;
    bool operator==(const Color&) const = default;
};

class Vista {
public:
    virtual ~Vista() = default;

    // Fills a list or combo box with `filas`, replacing what it held; nothing is selected.
    virtual void Rellena(std::string_view control, const std::vector<std::string>& filas) = 0;
    // Selects row `fila` of a list or combo box (-1: none). The control's click is not raised:
    // the behaviour that selects runs the handler itself.
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

    // The primitives of fewer windows: where a window has no use for one, it does nothing.

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
    // Opens another window of the add-in (by its form name) and returns at once.
    virtual void AbreSinModo(std::string_view /*ventana*/) {}
    // The mouse pointer over the whole screen: the hourglass while `espera`, else the default.
    virtual void Reloj(bool /*espera*/) {}
};

} // namespace ui
