#include "tests/support/com/Ventanas.h"

namespace soporte {

std::ostream& operator<<(std::ostream& o, const Leido& l) {
    return o << l.clase << " \"" << l.texto << "\" " << (l.visible ? "visible" : "oculto");
}

Leido Lee(HWND control) {
    if (!control) {
        return {"(no existe)", "", false};
    }
    wchar_t clase[64] = {};
    ::GetClassNameW(control, clase, 64);
    std::wstring texto(size_t(::GetWindowTextLengthW(control)) + 1, L'\0');
    texto.resize(size_t(::GetWindowTextW(control, texto.data(), int(texto.size()))));
    return {Utf8(clase), Utf8(texto), (::GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0};
}

std::vector<std::string> Filas(HWND c) {
    wchar_t clase[64] = {};
    ::GetClassNameW(c, clase, 64);
    const bool lista = ::lstrcmpiW(clase, L"ListBox") == 0;
    std::vector<std::string> filas;
    const int n = int(::SendMessageW(c, lista ? LB_GETCOUNT : CB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        std::wstring t(size_t(::SendMessageW(c, lista ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, i, 0)),
                       L'\0');
        ::SendMessageW(c, lista ? LB_GETTEXT : CB_GETLBTEXT, i, LPARAM(t.data()));
        filas.push_back(Utf8(t));
    }
    return filas;
}

void Pulsa(HWND boton) {
    ::SendMessageW(boton, BM_CLICK, 0, 0);
}

void Procesa() {
    MSG m;
    while (::PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&m);
        ::DispatchMessageW(&m);
    }
}

std::string Portapapeles() {
    if (!::OpenClipboard(nullptr)) {
        return "(portapapeles ocupado)";
    }
    std::wstring texto;
    if (HANDLE datos = ::GetClipboardData(CF_UNICODETEXT)) {
        texto = static_cast<const wchar_t*>(::GlobalLock(datos));
        ::GlobalUnlock(datos);
    }
    ::CloseClipboard();
    return Utf8(texto);
}

namespace {

int respuesta = IDOK;
std::vector<std::string> textos;

// An enumeration callback is stdcall on 32-bit Windows, which a lambda cannot be.
BOOL CALLBACK Responde(HWND caja, LPARAM) {
    wchar_t clase[16] = {}, texto[512] = {}, titulo[64] = {};
    ::GetClassNameW(caja, clase, 16);
    if (::lstrcmpW(clase, L"#32770") != 0 || !::IsWindowVisible(caja)) {
        return TRUE;
    }
    ::GetWindowTextW(caja, titulo, 64);
    ::GetDlgItemTextW(caja, 0xFFFF, texto, 512);
    textos.push_back(Utf8(titulo) + ": " + Utf8(texto));
    // A box without that button takes OK.
    HWND boton = ::GetDlgItem(caja, respuesta);
    ::SendMessageW(boton ? boton : ::GetDlgItem(caja, IDOK), BM_CLICK, 0, 0);
    return FALSE;
}

void CALLBACK Mira(HWND, UINT, UINT_PTR, DWORD) {
    ::EnumThreadWindows(::GetCurrentThreadId(), Responde, 0);
}

} // namespace

RespondeCajas::RespondeCajas(int r) {
    respuesta = r;
    textos.clear();
    id_ = ::SetTimer(nullptr, 0, 50, &Mira);
}

RespondeCajas::~RespondeCajas() {
    ::KillTimer(nullptr, id_);
}

const std::vector<std::string>& RespondeCajas::Textos() const {
    return textos;
}

} // namespace soporte
