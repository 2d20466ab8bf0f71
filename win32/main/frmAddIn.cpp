#include "win32/main/frmAddIn.h"

#include "base/plataforma/Biblioteca.h"
#include "base/plataforma/win32/Win32.h"
#include "ui/main/Reglas.h"
#include "win32/config/frmConfiguracion.h"
#include "win32/main/frmAbout.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace win32 {
namespace {

const wchar_t* const PropiedadVentana = L"Lintrap.frmAddIn";
const DWORD Lista = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP | WS_GROUP;
const DWORD Opcion = BS_AUTORADIOBUTTON | WS_TABSTOP;
// The handler variants: PicManejo holds them, to the right of Option2.
const char* const Variantes[] = {"OptExit", "OptResume", "OptRaise"};

bool Marcado(HWND boton) {
    return ::SendMessageW(boton, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

} // namespace

frmAddIn::frmAddIn(vbide::VBE& vbe, std::string carpetaAddIn, HWND dueno,
                   std::function<void()> descargado, int paginaCodigos)
    : comportamiento_(*this, vbe, std::move(carpetaAddIn), paginaCodigos),
      descargado_(std::move(descargado)) {
    CreaVentana("AddIn Lintrap - Quovant", 656, 436, dueno);
    CreaControles();
    CreaMenus();
    // Centred on the screen's work area.
    RECT trabajo, r;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &trabajo, 0);
    ::GetWindowRect(Ventana(), &r);
    ::SetWindowPos(Ventana(), nullptr,
                   trabajo.left + (trabajo.right - trabajo.left - (r.right - r.left)) / 2,
                   trabajo.top + (trabajo.bottom - trabajo.top - (r.bottom - r.top)) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    comportamiento_.Form_Load();
}

frmAddIn::~frmAddIn() {
    // The lists go with the window: their procedure must not reach this object then.
    if (List2) {
        ::SetWindowLongPtrW(List2, GWLP_WNDPROC, LONG_PTR(original2_));
        ::RemovePropW(List2, PropiedadVentana);
    }
    if (List3) {
        ::SetWindowLongPtrW(List3, GWLP_WNDPROC, LONG_PTR(original3_));
        ::RemovePropW(List3, PropiedadVentana);
    }
}

void frmAddIn::CreaControles() {
    Crea("Label6", L"STATIC", "Proyecto:", SS_LEFT, {8, 8, 60, 16});
    Crea("Label5", L"STATIC", "", SS_LEFT | SS_NOPREFIX, {70, 8, 578, 16});
    Negrita("Label6");
    Negrita("Label5");
    Crea("Label1", L"STATIC", "Módulos", SS_LEFT, {8, 32, 312, 16});
    Crea("List1", L"LISTBOX", "", Lista, {8, 50, 312, 186}, WS_EX_CLIENTEDGE);
    Crea("Label4", L"STATIC", "Lineas:", SS_LEFT, {8, 240, 312, 16});
    Crea("Frame1", L"BUTTON", "", BS_GROUPBOX, {8, 256, 312, 114});
    Crea("Option1", L"BUTTON", "Números de línea", Opcion | WS_GROUP, {20, 272, 170, 20});
    Crea("Option2", L"BUTTON", "clsErrores", Opcion, {20, 310, 170, 20});
    Crea("Option3", L"BUTTON", "Resume Next (solamente)", Opcion, {20, 344, 170, 20});
    for (int i = 0; i < 3; ++i) {
        Crea(Variantes[i], L"BUTTON",
             i == 0   ? "Exit"
             : i == 1 ? "Resume Next"
                      : "Err.Raise",
             Opcion | (i == 0 ? WS_GROUP : 0), {200, 292 + 20 * i, 112, 20});
    }
    Crea("Check1", L"BUTTON", "Todos los procedimientos", BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP,
         {8, 374, 312, 20});
    PonAyuda("Check1", "Insertar en todos los procedimientos del módulo");
    // List3 is a column of List2: the same top and height, right beside it.
    Crea("Label3", L"STATIC", "Procedimientos", SS_LEFT, {328, 32, 256, 16});
    List2 = Crea("List2", L"LISTBOX", "", Lista | LBS_EXTENDEDSEL, {328, 50, 256, 344},
                 WS_EX_CLIENTEDGE);
    Crea("Label2", L"STATIC", "On Error", SS_LEFT, {584, 32, 64, 16});
    List3 = Crea("List3", L"LISTBOX", "", Lista | LBS_EXTENDEDSEL, {584, 50, 64, 344},
                 WS_EX_CLIENTEDGE);
    Subclasifica(List2, original2_);
    Subclasifica(List3, original3_);
    Crea("Command1", L"BUTTON", "Insertar", WS_TABSTOP | WS_GROUP, {8, 404, 84, 24});
    Crea("Command2", L"BUTTON", "Quitar", WS_TABSTOP, {98, 404, 84, 24});
    Crea("CancelButton", L"BUTTON", "Salir", WS_TABSTOP, {564, 404, 84, 24});
    // In the row of the buttons, where nothing else is: hidden, it leaves no gap.
    HWND barra = Crea("ProgressBar1", PROGRESS_CLASSW, "", 0, {190, 408, 366, 16});
    ::SendMessageW(barra, PBM_SETRANGE32, 0, 100);
    ::ShowWindow(barra, SW_HIDE);
}

void frmAddIn::CreaMenus() {
    CreaEntrada("mnuConfig", "&Configuración");
    CreaMenu("mnuUtils", "&Utilidades");
    CreaEntrada("mnuCodigo", ui::VerCodigo, "mnuUtils");
    CreaEntrada("mnuRef", "&Referencias", "mnuUtils");
    CreaEntrada("mnuControles", "&Controles", "mnuUtils");
    CreaEntrada("mnuRefrescar", "&Actualizar", "mnuUtils", "F5");
    // Not shown in its menu; F5 still reloads.
    VistaWin32::Muestra("mnuRefrescar", false);
    CreaMenu("mnuAyuda", "&Ayuda");
    CreaEntrada("mnuAyuda2", "&Ayuda", "mnuAyuda", "F1");
    CreaEntrada("mnuAbout", "A&cerca de", "mnuAyuda");
}

void frmAddIn::Muestra() {
    HWND v = Ventana();
    ::ShowWindow(v, ::IsIconic(v) ? SW_RESTORE : SW_SHOW);
    ::SetWindowPos(v, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::SetForegroundWindow(v);
    ::SetActiveWindow(v);
}

void frmAddIn::Muestra(std::string_view control, bool visible) {
    if (control == "PicManejo") {
        for (const char* v : Variantes) {
            VistaWin32::Muestra(v, visible);
        }
    } else {
        VistaWin32::Muestra(control, visible);
    }
}

void frmAddIn::Rellena(std::string_view control, const std::vector<std::string>& filas) {
    ++primitiva_;
    VistaWin32::Rellena(control, filas);
    --primitiva_;
}

void frmAddIn::Selecciona(std::string_view control, int fila) {
    ++primitiva_;
    VistaWin32::Selecciona(control, fila);
    --primitiva_;
}

void frmAddIn::PonArriba(std::string_view control, int fila) {
    ++primitiva_;
    VistaWin32::PonArriba(control, fila);
    --primitiva_;
}

void frmAddIn::Evento(const std::string& control, int codigo) {
    ui::frmAddIn& c = comportamiento_;
    HWND h = Control(control);
    if (control == "List1") {
        if (codigo == LBN_SELCHANGE) {
            c.List1_Click(int(::SendMessageW(h, LB_GETCURSEL, 0, 0)));
        } else if (codigo == LBN_DBLCLK) {
            c.List1_DblClick();
        }
    } else if (h == List2 || h == List3) {
        // A press clicks once, when the button is released (AtiendeLista).
        if (codigo == LBN_SELCHANGE && pulsada_ != h) {
            Clic(h);
        } else if (codigo == LBN_DBLCLK) {
            c.List2_DblClick();
        }
    } else if (codigo == BN_CLICKED) {
        using Manejador = void (ui::frmAddIn::*)();
        static const std::pair<const char*, Manejador> botones[] = {
            {"Option1", &ui::frmAddIn::Option1_Click},
            {"Option2", &ui::frmAddIn::Option2_Click},
            {"Option3", &ui::frmAddIn::Option3_Click},
            {"OptExit", &ui::frmAddIn::OptExit_Click},
            {"OptResume", &ui::frmAddIn::OptResume_Click},
            {"OptRaise", &ui::frmAddIn::OptRaise_Click},
            {"Command1", &ui::frmAddIn::Command1_Click},
            {"Command2", &ui::frmAddIn::Command2_Click},
            {"CancelButton", &ui::frmAddIn::CancelButton_Click},
            {"mnuConfig", &ui::frmAddIn::mnuConfig_Click},
            {"mnuCodigo", &ui::frmAddIn::mnuCodigo_Click},
            {"mnuRef", &ui::frmAddIn::mnuRef_Click},
            {"mnuControles", &ui::frmAddIn::mnuControles_Click},
            {"mnuRefrescar", &ui::frmAddIn::mnuRefrescar_Click},
            {"mnuAyuda2", &ui::frmAddIn::mnuAyuda2_Click},
            {"mnuAbout", &ui::frmAddIn::mnuAbout_Click},
        };
        if (control == "Check1") {
            c.Check1_Click(Marcado(h));
        }
        for (const auto& [nombre, manejador] : botones) {
            if (control == nombre) {
                (c.*manejador)();
            }
        }
    }
}

void frmAddIn::Clic(HWND lista) {
    // An empty list box still has a caret row, 0.
    const int actual = ::SendMessageW(lista, LB_GETCOUNT, 0, 0) > 0
                           ? int(::SendMessageW(lista, LB_GETCARETINDEX, 0, 0))
                           : -1;
    if (lista == List3) {
        comportamiento_.List3_Click(actual);
        return;
    }
    const int n = int(::SendMessageW(List2, LB_GETSELCOUNT, 0, 0));
    std::vector<int> seleccionadas(size_t(std::max(n, 0)));
    if (n > 0) {
        ::SendMessageW(List2, LB_GETSELITEMS, WPARAM(n), LPARAM(seleccionadas.data()));
    }
    comportamiento_.List2_Click(actual, seleccionadas);
}

void frmAddIn::Subclasifica(HWND lista, WNDPROC& original) {
    ::SetPropW(lista, PropiedadVentana, HANDLE(this));
    original = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(lista, GWLP_WNDPROC, LONG_PTR(&frmAddIn::ProcedimientoLista)));
}

LRESULT CALLBACK frmAddIn::ProcedimientoLista(HWND lista, UINT mensaje, WPARAM w, LPARAM l) {
    auto* f = static_cast<frmAddIn*>(::GetPropW(lista, PropiedadVentana));
    return f->AtiendeLista(lista, mensaje, w, l);
}

LRESULT frmAddIn::AtiendeLista(HWND lista, UINT mensaje, WPARAM w, LPARAM l) {
    if (mensaje == WM_LBUTTONDOWN || mensaje == WM_LBUTTONDBLCLK) {
        pulsada_ = lista;
    }
    const LRESULT r =
        ::CallWindowProcW(lista == List2 ? original2_ : original3_, lista, mensaje, w, l);
    switch (mensaje) {
    case WM_KILLFOCUS:
        // A box that took the focus during a press took its release too.
        if (pulsada_ == lista) {
            pulsada_ = nullptr;
        }
        break;
    case WM_LBUTTONUP:
        // One click per press, also on the row already current, which changes nothing.
        if (pulsada_ == lista) {
            pulsada_ = nullptr;
            Clic(lista);
        }
        [[fallthrough]];
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_MOUSEWHEEL:
    case WM_VSCROLL:
    case WM_KEYDOWN:
    case WM_TIMER: {
        // A top row of its own is the user's scroll: the other list follows it.
        HWND otra = lista == List2 ? List3 : List2;
        const int arriba = int(::SendMessageW(lista, LB_GETTOPINDEX, 0, 0));
        if (primitiva_ == 0 && arriba != int(::SendMessageW(otra, LB_GETTOPINDEX, 0, 0))) {
            if (lista == List2) {
                comportamiento_.List2_Scroll(arriba);
            } else {
                comportamiento_.List3_Scroll(arriba);
            }
        }
        break;
    }
    default:
        break;
    }
    return r;
}

bool frmAddIn::Tecla(int tecla) {
    if (tecla == VK_F1) {
        comportamiento_.mnuAyuda2_Click();
        return true;
    }
    if (tecla == VK_F5) {
        comportamiento_.mnuRefrescar_Click();
        return true;
    }
    return false;
}

void frmAddIn::Abre(std::string_view ventana) {
    ui::frmAddIn& c = comportamiento_;
    if (ventana == "frmConfiguracion") {
        frmConfiguracion dialogo(c.Estado().ajustes, c.VBInstance.ActiveVBProject(),
                                 c.Estado().paginaCodigos, Ventana());
        dialogo.Modal();
    } else if (ventana == "frmAbout") {
        frmAbout acerca(Ventana());
        acerca.Modal();
    }
}

void frmAddIn::Cierra(bool aceptada) {
    // Form_Unload: every other window of the add-in goes with this one.
    comportamiento_.Form_Unload();
    visor_.reset();
    refs_.reset();
    controles_.reset();
    VistaWin32::Cierra(aceptada);
    Difiere();
}

void frmAddIn::Diferido() {
    if (descargado_) {
        descargado_();
    }
}

void frmAddIn::MuestraVentana(std::string_view ventana, bool visible) {
    ui::frmAddIn& c = comportamiento_;
    if (ventana.empty()) {
        if (::IsWindowVisible(Ventana())) {
            ::SetActiveWindow(Ventana());
        }
        return;
    }
    VistaWin32* v = nullptr;
    if (ventana == "FrmCodigo") {
        if (!visor_ && visible) {
            visor_ = std::make_unique<FrmCodigo>(c.VBInstance, c.Estado(), Ventana());
            visor_->AlCerrar([&c] { c.FrmCodigo_Unload(); });
        }
        v = visor_.get();
    } else if (ventana == "frmRefs" || ventana == "frmControles") {
        // One of each while it is open; closed, it is loaded afresh.
        const bool refs = ventana == "frmRefs";
        VistaWin32* abierta = refs ? static_cast<VistaWin32*>(refs_.get()) : controles_.get();
        if (visible && (!abierta || !::IsWindowVisible(abierta->Ventana()))) {
            if (refs) {
                refs_.reset();
                refs_ =
                    std::make_unique<frmRefs>(c.VBInstance, c.Estado().paginaCodigos, Ventana());
            } else {
                controles_.reset();
                controles_ = std::make_unique<frmControles>(c.VBInstance, c.Estado().paginaCodigos,
                                                            Ventana());
            }
        }
        v = refs ? static_cast<VistaWin32*>(refs_.get()) : controles_.get();
    }
    if (!v) {
        return;
    }
    if (visible) {
        v->Enseña();
        ::SetForegroundWindow(v->Ventana());
        ::SetActiveWindow(v->Ventana());
    } else {
        ::ShowWindow(v->Ventana(), SW_HIDE);
    }
}

void frmAddIn::MuestraCodigo(const ui::VistaCodigo& codigo) {
    if (visor_) {
        visor_->Muestra(codigo);
    }
}

void frmAddIn::MuestraAyuda(const std::string& ruta) {
    const std::wstring chm = plataforma::win32::Utf16(ruta);
    std::string motivo;
    static const auto hh = plataforma::Biblioteca::Carga("hhctrl.ocx", motivo);
    using HtmlHelp = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
    if (auto abre = hh ? reinterpret_cast<HtmlHelp>(hh->Busca("HtmlHelpW")) : nullptr) {
        // HH_DISPLAY_TOC; a help file that cannot be shown is not reported
        abre(Ventana(), chm.c_str(), 1, 1);
    }
}

} // namespace win32
