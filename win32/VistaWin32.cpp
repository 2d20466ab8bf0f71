#include "win32/VistaWin32.h"

#include "base/ErrorVB.h"
#include "base/plataforma/win32/Win32.h"
#include "ui/viewer/Documento.h"
#include "win32/CajaTexto.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <cstring>

namespace win32 {
namespace {

using plataforma::win32::Utf16;
using plataforma::win32::Utf8;

const wchar_t* const ClaseVentana = L"LintrapVentana";
// Set on a window while Modal's loop, which gives it its keys, runs.
const wchar_t* const PropiedadModal = L"Lintrap.Modal";
// Posted by Difiere; only our class's windows receive it.
constexpr UINT MensajeDiferido = WM_APP + 1;
// Ids 1 and 2 are IDOK and IDCANCEL, which Enter and Escape send: the controls' start above.
constexpr int PrimerId = 100;

// The module that holds this code: the add-in's DLL or a test program.
HINSTANCE Modulo() {
    HMODULE m = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                             GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&Modulo), &m);
    return m;
}

void RegistraClase(WNDPROC procedimiento) {
    static const bool hecho = [&] {
        INITCOMMONCONTROLSEX comunes{sizeof(INITCOMMONCONTROLSEX),
                                     ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS};
        ::InitCommonControlsEx(&comunes);
        WNDCLASSEXW c{};
        c.cbSize = sizeof c;
        c.lpfnWndProc = procedimiento;
        c.hInstance = Modulo();
        c.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        c.lpszClassName = ClaseVentana;
        if (!::RegisterClassExW(&c)) {
            throw ErrorVB(vberr::InternalError, "win32::VistaWin32",
                          "No se pudo registrar la clase de ventana: " +
                              plataforma::win32::TextoDeError(::GetLastError()));
        }
        return true;
    }();
    (void)hecho;
}

// The font of the system's message boxes: what dialogs use (Tahoma, Segoe UI ...).
LOGFONTW FuenteMensajes() {
    NONCLIENTMETRICSW m{};
    m.cbSize = sizeof m;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0);
    return m.lfMessageFont;
}

std::wstring ClaseDe(HWND control) {
    wchar_t clase[64] = {};
    ::GetClassNameW(control, clase, 64);
    return clase;
}

bool EsLista(HWND c) {
    return ::lstrcmpiW(ClaseDe(c).c_str(), WC_LISTBOXW) == 0;
}
bool EsOpcion(HWND c) {
    return (::GetWindowLongW(c, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON &&
           ::lstrcmpiW(ClaseDe(c).c_str(), WC_BUTTONW) == 0;
}
bool EsCombo(HWND c) {
    return ::lstrcmpiW(ClaseDe(c).c_str(), WC_COMBOBOXW) == 0;
}

} // namespace

VistaWin32::~VistaWin32() {
    RelojArena(false);
    if (ventana_) {
        ::SetWindowLongPtrW(ventana_, GWLP_USERDATA, 0);
        ::RemovePropW(ventana_, PropiedadModal);
        ::DestroyWindow(ventana_);
    }
    if (ayuda_) {
        ::DestroyWindow(ayuda_);
    }
    for (auto& [control, fondo] : fondos_) {
        ::DeleteObject(fondo.second);
    }
    for (HFONT f : fuentes_) {
        ::DeleteObject(f);
    }
}

void VistaWin32::CreaVentana(const char* titulo, int ancho, int alto, HWND dueno,
                             bool redimensionable) {
    RegistraClase(&VistaWin32::Procedimiento);
    const DWORD estilo = redimensionable ? WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN
                                         : WS_POPUP | WS_CAPTION | WS_SYSMENU;
    const DWORD extendido =
        redimensionable ? WS_EX_CONTROLPARENT : WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    RECT r{0, 0, ancho, alto};
    ::AdjustWindowRectEx(&r, estilo, FALSE, extendido);
    dueno_ = dueno;
    ventana_ = ::CreateWindowExW(extendido, ClaseVentana, Utf16(titulo).c_str(), estilo,
                                 CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left, r.bottom - r.top,
                                 dueno, nullptr, Modulo(), this);
    if (!ventana_) {
        // Without a reason from the system (wine without a display gives none), say so
        // rather than "Success".
        const DWORD codigo = ::GetLastError();
        throw ErrorVB(vberr::InternalError, "win32::VistaWin32",
                      std::string("No se pudo crear la ventana \"") + titulo + "\": " +
                          (codigo ? plataforma::win32::TextoDeError(codigo)
                                  : std::string("el sistema no dio el motivo")));
    }
    ::SendMessageW(ventana_, WM_SETFONT, WPARAM(Fuente(FuenteMensajes())), FALSE);
}

HWND VistaWin32::Crea(const char* nombre, const wchar_t* clase, std::string_view texto,
                      DWORD estilo, Sitio sitio, DWORD extendido) {
    const int id = PrimerId + int(nombres_.size());
    HWND c = ::CreateWindowExW(
        extendido, clase, Utf16(texto).c_str(), WS_CHILD | WS_VISIBLE | estilo, sitio.x, sitio.y,
        sitio.ancho, sitio.alto, ventana_, reinterpret_cast<HMENU>(INT_PTR(id)), Modulo(), nullptr);
    if (!c) {
        throw ErrorVB(vberr::InternalError, "win32::VistaWin32",
                      std::string("No se pudo crear el control ") + nombre + ": " +
                          plataforma::win32::TextoDeError(::GetLastError()));
    }
    nombres_.emplace_back(nombre);
    controles_.emplace(nombre, c);
    ::SendMessageW(c, WM_SETFONT, WPARAM(fuentes_.front()), FALSE);
    return c;
}

HWND VistaWin32::CreaTextoRico(const char* nombre, Sitio sitio) {
    // Loaded once for the process and kept: its window class must outlive every box.
    static const HMODULE rico = ::LoadLibraryW(L"msftedit.dll");
    if (!rico) {
        throw ErrorVB(vberr::FileNotFound, "win32::VistaWin32",
                      "No se pudo cargar msftedit.dll: " +
                          plataforma::win32::TextoDeError(::GetLastError()));
    }
    HWND c = Crea(nombre, MSFTEDIT_CLASS, "",
                  ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL |
                      WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
                  sitio, WS_EX_CLIENTEDGE);
    // No line wrapping: a line of code stays one line.
    ::SendMessageW(c, EM_SETTARGETDEVICE, 0, 1);
    ::SendMessageW(c, EM_EXLIMITTEXT, 0, 0x7FFFFFFF);
    return c;
}

void VistaWin32::CreaEntrada(const char* nombre, std::string_view texto, const char* menu,
                             std::string_view atajo) {
    const Entrada* de = menu ? BuscaEntrada(menu) : nullptr;
    HMENU dentro = de ? de->submenu : Barra();
    const UINT id = UINT(PrimerId + int(nombres_.size()));
    nombres_.emplace_back(nombre);
    std::wstring t = Utf16(texto);
    if (!atajo.empty()) {
        t += L'\t' + Utf16(atajo);
    }
    entradas_.push_back({nombre, std::move(t), dentro, nullptr, id});
    ::AppendMenuW(entradas_.back().dentro, MF_STRING, id, entradas_.back().texto.c_str());
    ::DrawMenuBar(ventana_);
}

void VistaWin32::CreaMenu(const char* nombre, std::string_view texto) {
    HMENU submenu = ::CreatePopupMenu();
    entradas_.push_back({nombre, Utf16(texto), Barra(), submenu, 0});
    ::AppendMenuW(menu_, MF_POPUP, UINT_PTR(submenu), entradas_.back().texto.c_str());
    ::DrawMenuBar(ventana_);
}

HMENU VistaWin32::Barra() {
    if (!menu_) {
        // The window grows by the bar: its client area keeps the size its controls were placed in.
        RECT r;
        ::GetClientRect(ventana_, &r);
        menu_ = ::CreateMenu();
        ::SetMenu(ventana_, menu_);
        ::AdjustWindowRectEx(&r, DWORD(::GetWindowLongW(ventana_, GWL_STYLE)), TRUE,
                             DWORD(::GetWindowLongW(ventana_, GWL_EXSTYLE)));
        ::SetWindowPos(ventana_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return menu_;
}

VistaWin32::Entrada* VistaWin32::BuscaEntrada(std::string_view nombre) {
    for (Entrada& e : entradas_) {
        if (e.nombre == nombre) {
            return &e;
        }
    }
    return nullptr;
}

HFONT VistaWin32::Fuente(const LOGFONTW& lf) {
    fuentes_.push_back(::CreateFontIndirectW(&lf));
    return fuentes_.back();
}

void VistaWin32::Negrita(std::string_view control) {
    LOGFONTW lf = FuenteMensajes();
    lf.lfWeight = FW_BOLD;
    ::SendMessageW(Control(control), WM_SETFONT, WPARAM(Fuente(lf)), FALSE);
}

void VistaWin32::PonFuente(std::string_view control, const wchar_t* cara, int puntos, bool negrita,
                           bool fija) {
    LOGFONTW lf{};
    HDC dc = ::GetDC(ventana_);
    lf.lfHeight = -::MulDiv(puntos, ::GetDeviceCaps(dc, LOGPIXELSY), 72);
    ::ReleaseDC(ventana_, dc);
    lf.lfWeight = negrita ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfPitchAndFamily = fija ? FIXED_PITCH | FF_MODERN : DEFAULT_PITCH | FF_DONTCARE;
    ::lstrcpynW(lf.lfFaceName, cara, LF_FACESIZE);
    ::SendMessageW(Control(control), WM_SETFONT, WPARAM(Fuente(lf)), FALSE);
}

void VistaWin32::PonAyuda(std::string_view control, std::string_view texto) {
    if (!ayuda_) {
        ayuda_ = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                   ventana_, nullptr, Modulo(), nullptr);
    }
    std::wstring t = Utf16(texto);
    TOOLINFOW info{};
    // The size every version of the common controls knows: VB6's process loads version 5.
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = ventana_;
    info.uId = UINT_PTR(Control(control));
    info.lpszText = t.data();
    ::SendMessageW(ayuda_, TTM_ADDTOOLW, 0, LPARAM(&info));
}

HWND VistaWin32::Control(std::string_view nombre) const {
    if (nombre.empty()) {
        return ventana_;
    }
    auto i = controles_.find(nombre);
    return i == controles_.end() ? nullptr : i->second;
}

bool VistaWin32::SinBucle(HWND ventana) {
    return ventana && ::lstrcmpW(ClaseDe(ventana).c_str(), ClaseVentana) == 0 &&
           !::GetPropW(ventana, PropiedadModal);
}

UINT VistaWin32::MensajeTecla() {
    static const UINT mensaje = ::RegisterWindowMessageW(L"Lintrap.Tecla");
    return mensaje;
}

void VistaWin32::Difiere() {
    ::PostMessageW(ventana_, MensajeDiferido, 0, 0);
}

std::string VistaWin32::Texto(std::string_view control) const {
    HWND c = Control(control);
    std::wstring t(size_t(::GetWindowTextLengthW(c)) + 1, L'\0');
    t.resize(size_t(::GetWindowTextW(c, t.data(), int(t.size()))));
    return Utf8(t);
}

void VistaWin32::Rellena(std::string_view control, const std::vector<std::string>& filas) {
    HWND c = Control(control);
    if (!c) {
        return;
    }
    ++callado_;
    const bool lista = EsLista(c);
    // Redrawn once at the end: a long list filled row by row would flicker.
    ::SendMessageW(c, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(c, lista ? LB_RESETCONTENT : CB_RESETCONTENT, 0, 0);
    for (const std::string& f : filas) {
        ::SendMessageW(c, lista ? LB_ADDSTRING : CB_ADDSTRING, 0, LPARAM(Utf16(f).c_str()));
    }
    if (!lista) {
        ::SendMessageW(c, CB_SETCURSEL, WPARAM(-1), 0);
    }
    ::SendMessageW(c, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(c, nullptr, TRUE);
    --callado_;
}

void VistaWin32::Selecciona(std::string_view control, int fila) {
    HWND c = Control(control);
    if (!c) {
        return;
    }
    ++callado_;
    if (EsCombo(c)) {
        ::SendMessageW(c, CB_SETCURSEL, WPARAM(fila), 0);
    } else if (::GetWindowLongW(c, GWL_STYLE) & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL)) {
        // Of many choices: the row becomes the only one selected and the current one.
        ::SendMessageW(c, LB_SETSEL, FALSE, -1);
        if (fila >= 0) {
            ::SendMessageW(c, LB_SETSEL, TRUE, fila);
            ::SendMessageW(c, LB_SETCARETINDEX, WPARAM(fila), FALSE);
        }
    } else {
        ::SendMessageW(c, LB_SETCURSEL, WPARAM(fila), 0);
    }
    --callado_;
}

void VistaWin32::PonTexto(std::string_view control, std::string_view texto) {
    if (Entrada* e = BuscaEntrada(control)) {
        // The key shown beside the entry stays.
        const size_t tab = e->texto.find(L'\t');
        e->texto = Utf16(texto) + (tab == std::wstring::npos ? L"" : e->texto.substr(tab));
        if (e->visible) {
            MENUITEMINFOW info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_STRING;
            info.dwTypeData = e->texto.data();
            ::SetMenuItemInfoW(e->dentro, e->id, FALSE, &info);
            ::DrawMenuBar(ventana_);
        }
    } else if (HWND c = Control(control)) {
        ++callado_;
        ::SetWindowTextW(c, Utf16(texto).c_str());
        --callado_;
    }
}

void VistaWin32::Marca(std::string_view control, bool marcado) {
    HWND c = Control(control);
    if (!c) {
        return;
    }
    ::SendMessageW(c, BM_SETCHECK, marcado ? BST_CHECKED : BST_UNCHECKED, 0);
    if (marcado && EsOpcion(c)) {
        // As a click does, the other option buttons of its group are cleared: the group runs
        // from the control with WS_GROUP before it to the next one with WS_GROUP.
        HWND o = c;
        while (!(::GetWindowLongW(o, GWL_STYLE) & WS_GROUP) && ::GetWindow(o, GW_HWNDPREV)) {
            o = ::GetWindow(o, GW_HWNDPREV);
        }
        for (HWND inicio = o; o && (o == inicio || !(::GetWindowLongW(o, GWL_STYLE) & WS_GROUP));
             o = ::GetWindow(o, GW_HWNDNEXT)) {
            if (o != c && EsOpcion(o)) {
                ::SendMessageW(o, BM_SETCHECK, BST_UNCHECKED, 0);
            }
        }
    }
}

void VistaWin32::Muestra(std::string_view control, bool visible) {
    // A menu entry leaves its menu and comes back at its place among those shown.
    int lugar = 0;
    Entrada* e = BuscaEntrada(control);
    for (const Entrada& antes : entradas_) {
        if (e == nullptr || &antes == e) {
            break;
        }
        lugar += antes.visible && antes.dentro == e->dentro;
    }
    if (e != nullptr) {
        if (e->visible != visible) {
            if (visible) {
                ::InsertMenuW(e->dentro, UINT(lugar),
                              MF_BYPOSITION | (e->submenu ? MF_POPUP : MF_STRING),
                              e->submenu ? UINT_PTR(e->submenu) : e->id, e->texto.c_str());
            } else {
                ::RemoveMenu(e->dentro, UINT(lugar), MF_BYPOSITION);
            }
            e->visible = visible;
            ::DrawMenuBar(ventana_);
        }
    } else if (HWND c = Control(control)) {
        ::ShowWindow(c, visible ? SW_SHOW : SW_HIDE);
    }
}

void VistaWin32::PonFondo(std::string_view control, ui::Color color) {
    HWND c = Control(control);
    if (!c) {
        return;
    }
    const COLORREF rgb = RGB(color.rojo, color.verde, color.azul);
    auto& fondo = fondos_[c];
    if (fondo.second) {
        ::DeleteObject(fondo.second);
    }
    fondo = {rgb, ::CreateSolidBrush(rgb)};
    ::InvalidateRect(c, nullptr, TRUE);
}

int VistaWin32::Mensaje(const std::string& texto, int botones, const std::string& titulo) {
    // VB's button sets, icons and default buttons are the system's MB_ values, and its answers
    // the system's IDOK ... IDNO.
    return ::MessageBoxW(ventana_, Utf16(texto).c_str(), Utf16(titulo).c_str(), UINT(botones));
}

void VistaWin32::Portapapeles(const std::string& texto) {
    const std::wstring t = Utf16(texto);
    const auto falla = [](const char* paso) {
        throw ErrorVB(vberr::InternalError, "Portapapeles",
                      std::string("No se pudo copiar al portapapeles (") + paso +
                          "): " + plataforma::win32::TextoDeError(::GetLastError()));
    };
    if (!::OpenClipboard(ventana_)) {
        falla("OpenClipboard");
    }
    ::EmptyClipboard();
    const size_t bytes = (t.size() + 1) * sizeof(wchar_t);
    HGLOBAL memoria = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memoria) {
        std::memcpy(::GlobalLock(memoria), t.c_str(), bytes);
        ::GlobalUnlock(memoria);
    }
    // Once set, the clipboard owns the memory.
    const bool puesto = memoria && ::SetClipboardData(CF_UNICODETEXT, memoria);
    if (!puesto && memoria) {
        ::GlobalFree(memoria);
    }
    ::CloseClipboard();
    if (!puesto) {
        falla("SetClipboardData");
    }
}

void VistaWin32::Cierra(bool aceptada) {
    aceptada_ = aceptada;
    abierta_ = false;
    // The owner is enabled again before the window goes, so that it takes the activation.
    if (dueno_) {
        ::EnableWindow(dueno_, TRUE);
    }
    ::ShowWindow(ventana_, SW_HIDE);
}

void VistaWin32::PonArriba(std::string_view control, int fila) {
    if (HWND c = Control(control)) {
        ::SendMessageW(c, LB_SETTOPINDEX, WPARAM(fila), 0);
    }
}

void VistaWin32::PonValor(std::string_view control, int valor) {
    if (HWND c = Control(control)) {
        ::SendMessageW(c, PBM_SETPOS, WPARAM(valor), 0);
    }
}

void VistaWin32::RelojArena(bool activo) {
    if (activo && !reloj_) {
        cursorAnterior_ = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    } else if (!activo && reloj_) {
        ::SetCursor(cursorAnterior_);
    }
    reloj_ = activo;
}

std::string VistaWin32::PideTexto(const std::string& texto, const std::string& titulo) {
    CajaTexto caja(texto, titulo, ventana_);
    return caja.Modal() ? caja.Respuesta() : std::string();
}

void VistaWin32::PonTextoColoreado(std::string_view control, std::u32string_view texto,
                                   const std::vector<viewer::Tramo>& tramos, long cursor) {
    HWND c = Control(control);
    if (!c) {
        return;
    }
    // The box ends each paragraph with one CR, a position of its own, as the document's
    // separator is; its positions are UTF-16 units, as the document's.
    std::u16string documento = viewer::TextoDocumento(texto);
    std::replace(documento.begin(), documento.end(), u'\n', u'\r');
    CHARRANGE antes{};
    ::SendMessageW(c, EM_EXGETSEL, 0, LPARAM(&antes));
    POINT desplazado{};
    ::SendMessageW(c, EM_GETSCROLLPOS, 0, LPARAM(&desplazado));

    ++callado_;
    ::SendMessageW(c, WM_SETREDRAW, FALSE, 0);
    ::SetWindowTextW(c, reinterpret_cast<const wchar_t*>(documento.c_str()));
    const auto pinta = [c](long desde, long hasta, COLORREF color, bool negrita) {
        CHARRANGE r{desde, hasta};
        ::SendMessageW(c, EM_EXSETSEL, 0, LPARAM(&r));
        CHARFORMAT2W f{};
        f.cbSize = sizeof f;
        f.dwMask = CFM_COLOR | CFM_BOLD;
        f.crTextColor = color;
        f.dwEffects = negrita ? CFE_BOLD : 0;
        ::SendMessageW(c, EM_SETCHARFORMAT, SCF_SELECTION, LPARAM(&f));
    };
    pinta(0, -1, RGB(0, 0, 0), false);
    for (const viewer::Tramo& t : viewer::TramosDocumento(texto, tramos)) {
        const viewer::Color color = t.formato.color;
        pinta(t.inicio, t.inicio + t.largo,
              RGB((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF), t.formato.negrita);
    }
    // Nothing left selected; the caret where asked, or where it was as far as the text reaches.
    const long largo = long(documento.size());
    const long caret =
        cursor >= 0 ? viewer::PosicionDocumento(texto, cursor) : std::min<long>(antes.cpMin, largo);
    CHARRANGE r{caret, caret};
    ::SendMessageW(c, EM_EXSETSEL, 0, LPARAM(&r));
    ::SendMessageW(c, EM_SETSCROLLPOS, 0, LPARAM(&desplazado));
    ::SendMessageW(c, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(c, nullptr, TRUE);
    --callado_;
}

void VistaWin32::Enseña() {
    ::ShowWindow(ventana_, SW_SHOW);
    ::UpdateWindow(ventana_);
}

bool VistaWin32::Modal() {
    aceptada_ = false;
    abierta_ = true;
    if (dueno_) {
        ::EnableWindow(dueno_, FALSE);
    }
    ::SetPropW(ventana_, PropiedadModal, HANDLE(1));
    Enseña();
    MSG m;
    while (abierta_) {
        const BOOL r = ::GetMessageW(&m, nullptr, 0, 0);
        if (r <= 0) {
            // The application is quitting: the loop that waits above ours must see it too.
            if (r == 0) {
                ::PostQuitMessage(int(m.wParam));
            }
            Cierra(false);
            break;
        }
        // Tab, Enter and Escape between the controls, as a dialog box has them.
        if (!::IsDialogMessageW(ventana_, &m)) {
            ::TranslateMessage(&m);
            ::DispatchMessageW(&m);
        }
    }
    ::RemovePropW(ventana_, PropiedadModal);
    return aceptada_;
}

LRESULT CALLBACK VistaWin32::Procedimiento(HWND ventana, UINT mensaje, WPARAM w, LPARAM l) {
    if (mensaje == WM_NCCREATE) {
        auto* crea = reinterpret_cast<CREATESTRUCTW*>(l);
        ::SetWindowLongPtrW(ventana, GWLP_USERDATA, LONG_PTR(crea->lpCreateParams));
    }
    auto* vista = reinterpret_cast<VistaWin32*>(::GetWindowLongPtrW(ventana, GWLP_USERDATA));
    if (!vista || !vista->ventana_) {
        return ::DefWindowProcW(ventana, mensaje, w, l);
    }
    return vista->Atiende(mensaje, w, l);
}

LRESULT VistaWin32::Atiende(UINT mensaje, WPARAM w, LPARAM l) {
    switch (mensaje) {
    case WM_COMMAND: {
        const int id = LOWORD(w);
        const int codigo = HIWORD(w);
        if (id == IDCANCEL) {
            CierreVentana();
        } else if (id == IDOK) {
            // Enter with no button of ours pressing it.
            if (porDefecto_) {
                ::SendMessageW(porDefecto_, BM_CLICK, 0, 0);
            }
        } else if (callado_ == 0 && id >= PrimerId && id - PrimerId < int(nombres_.size())) {
            Evento(nombres_[size_t(id - PrimerId)], codigo);
        }
        return 0;
    }
    case DM_GETDEFID:
        if (porDefecto_) {
            return MAKELRESULT(::GetDlgCtrlID(porDefecto_), DC_HASDEFID);
        }
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX: {
        auto i = fondos_.find(reinterpret_cast<HWND>(l));
        if (i != fondos_.end()) {
            ::SetBkColor(reinterpret_cast<HDC>(w), i->second.first);
            return LRESULT(i->second.second);
        }
        break;
    }
    case WM_PAINT:
        if (!marcos_.empty()) {
            PAINTSTRUCT ps;
            HDC dc = ::BeginPaint(ventana_, &ps);
            for (RECT r : marcos_) {
                // VB's Shape: a solid line of the window text's colour.
                ::FrameRect(dc, &r, ::GetSysColorBrush(COLOR_WINDOWTEXT));
            }
            ::EndPaint(ventana_, &ps);
            return 0;
        }
        break;
    case WM_CLOSE:
        CierreVentana();
        return 0;
    case WM_SIZE:
        Redimensiona(LOWORD(l), HIWORD(l));
        return 0;
    case WM_SETCURSOR:
        if (reloj_) {
            ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
            return TRUE;
        }
        break;
    case MensajeDiferido:
        // The object may be gone when this returns.
        Diferido();
        return 0;
    default:
        if (mensaje == MensajeTecla()) {
            return Tecla(int(w));
        }
        break;
    }
    return ::DefWindowProcW(ventana_, mensaje, w, l);
}

} // namespace win32
