#pragma once
// Win32 windows read and driven as the system and the user do, for the tests of the Win32
// skins and of the component: a control's class, text and visibility, a list's rows, a click,
// the host's message loop, the system's message boxes answered, the clipboard's text.

#include "base/plataforma/win32/Win32.h"

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

namespace soporte {

using plataforma::win32::Utf8;

// What the system says of a control.
struct Leido {
    std::string clase, texto;
    bool visible; // the control's own flag: its window may not be shown
    bool operator==(const Leido&) const = default;
};
std::ostream& operator<<(std::ostream& o, const Leido& l);
Leido Lee(HWND control);

// The rows of a list box or a combo box.
std::vector<std::string> Filas(HWND c);

// A button pressed as the user presses it.
void Pulsa(HWND boton);

// The host's message loop: no IsDialogMessage, no accelerators.
void Procesa();

// The clipboard's Unicode text, as UTF-8.
std::string Portapapeles();

// The system's message boxes answered while it lives, each with `respuesta` (IDOK when the box
// has no such button) as soon as it is up; their titles and texts are kept.
class RespondeCajas {
public:
    explicit RespondeCajas(int respuesta = IDOK);
    ~RespondeCajas();
    RespondeCajas(const RespondeCajas&) = delete;
    RespondeCajas& operator=(const RespondeCajas&) = delete;
    const std::vector<std::string>& Textos() const;

private:
    UINT_PTR id_;
};

} // namespace soporte
