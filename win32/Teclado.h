#pragma once
// The keyboard of the add-in's modeless windows inside a host whose message loop knows nothing
// of them: while a Teclado lives, a message hook on this thread gives each key pressed in such
// a window first to the window (its F1, F5 ...), then to IsDialogMessage (Tab between the
// controls, Enter, Escape). Windows shown by Modal have their own loop and are left alone.

#include <windows.h>

namespace win32 {

class Teclado {
public:
    Teclado();
    ~Teclado();
    Teclado(const Teclado&) = delete;
    Teclado& operator=(const Teclado&) = delete;

private:
    static LRESULT CALLBACK Gancho(int codigo, WPARAM w, LPARAM l);
};

} // namespace win32
