#include "win32/Teclado.h"

#include "base/ErrorVB.h"
#include "base/plataforma/win32/Win32.h"
#include "win32/VistaWin32.h"

namespace win32 {
namespace {

// One hook for the thread, however many windows keep it.
thread_local HHOOK gancho = nullptr;
thread_local int usuarios = 0;

} // namespace

Teclado::Teclado() {
    if (usuarios++ > 0) {
        return;
    }
    gancho = ::SetWindowsHookExW(WH_GETMESSAGE, &Teclado::Gancho, nullptr, ::GetCurrentThreadId());
    if (!gancho) {
        usuarios = 0;
        throw ErrorVB(vberr::InternalError, "win32::Teclado",
                      "No se pudo instalar el gancho del teclado: " +
                          plataforma::win32::TextoDeError(::GetLastError()));
    }
}

Teclado::~Teclado() {
    if (--usuarios == 0) {
        ::UnhookWindowsHookEx(gancho);
        gancho = nullptr;
    }
}

LRESULT CALLBACK Teclado::Gancho(int codigo, WPARAM w, LPARAM l) {
    auto* m = reinterpret_cast<MSG*>(l);
    // Only a message taken off the queue, once: a peek that leaves it there comes back.
    if (codigo == HC_ACTION && w == PM_REMOVE && m->hwnd && m->message >= WM_KEYFIRST &&
        m->message <= WM_KEYLAST) {
        HWND raiz = ::GetAncestor(m->hwnd, GA_ROOT);
        if (VistaWin32::SinBucle(raiz)) {
            const bool pulsada = m->message == WM_KEYDOWN || m->message == WM_SYSKEYDOWN;
            if ((pulsada && ::SendMessageW(raiz, VistaWin32::MensajeTecla(), m->wParam, 0)) ||
                ::IsDialogMessageW(raiz, m)) {
                // Used here: the host's loop gets nothing to translate or dispatch.
                m->message = WM_NULL;
            }
        }
    }
    return ::CallNextHookEx(gancho, codigo, w, l);
}

} // namespace win32
