// The Win32 skins as real windows over the example project: each control's class, text and
// visibility read back with Win32 calls, and a click sent as the system sends it. The main window
// over a project in a temporary folder: its lists, menus, keys and the windows it owns. What its
// commands do is the behaviour's, tests/ui; each primitive once per kind of control in
// vista_test.cpp.

#include "host/files/Vbe.h"
#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Guion.h"
#include "tests/support/Proyectos.h"
#include "tests/support/Tabla.h"
#include "tests/support/com/Ventanas.h"
#include "ui/main/CodigoVisor.h"
#include "ui/main/Reglas.h"
#include "win32/config/frmConfiguracion.h"
#include "win32/inspectors/frmControles.h"
#include "win32/inspectors/frmRefs.h"
#include "win32/main/frmAbout.h"
#include "win32/main/frmAddIn.h"
#include "win32/viewer/Dependencias.h"
#include "win32/viewer/FrmCodigo.h"

#include <richedit.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

namespace {

using soporte::Filas;
using soporte::Lee;
using soporte::Leido;
using soporte::Procesa;
using soporte::Pulsa;
using soporte::Utf8;

// A press on a row of a list box with the mouse (`teclas`: MK_CONTROL ...), as the system
// delivers it to the list.
void ClicFila(HWND lista, int fila, WPARAM teclas = 0) {
    RECT r;
    ::SendMessageW(lista, LB_GETITEMRECT, WPARAM(fila), LPARAM(&r));
    const LPARAM punto = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    ::SendMessageW(lista, WM_LBUTTONDOWN, MK_LBUTTON | teclas, punto);
    ::SendMessageW(lista, WM_LBUTTONUP, teclas, punto);
}

// A key pressed on the focused control, through the host's loop.
void PulsaTecla(int tecla) {
    ::PostMessageW(::GetFocus(), WM_KEYDOWN, WPARAM(tecla), 1);
    Procesa();
}

// The captions of a menu's entries ("-" for a separator).
std::vector<std::string> Entradas(HMENU menu) {
    std::vector<std::string> r;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        wchar_t t[128] = {};
        ::GetMenuStringW(menu, UINT(i), t, 128, MF_BYPOSITION);
        r.push_back(Utf8(t));
    }
    return r;
}

// The example project's RellenarLista chosen, as the main window hands it to the windows it opens.
engine::EstadoSeleccion RellenarLista() {
    engine::EstadoSeleccion s;
    s.paginaCodigos = 1252;
    s.modulo = "frmPrincipal";
    s.procedimientos = {{"RellenarLista", true, engine::Manejo::Sin}};
    s.actual = 0;
    return s;
}

// Each window's controls as tests/data/win32/controles.txt lists them, read back; then its button
// pressed as the user presses it closes it.
TEST(VentanasWin32, CadaVentanaMuestraSusControlesYSuBotonLaCierra) {
    soporte::SilenciaGlbErr();
    engine::AjustesPendientes ajustes; // mail off, no message, log on
    engine::EstadoSeleccion seleccion = RellenarLista();
    auto vbe = files::Vbe::Open(soporte::Ejemplo() / "Demo.vbp");
    const std::map<std::string,
                   std::pair<std::function<std::unique_ptr<win32::VistaWin32>()>, const char*>>
        ventanas = {
            {"frmAbout", {[] { return std::make_unique<win32::frmAbout>(); }, "cmdOK"}},
            {"frmConfiguracion",
             {[&] { return std::make_unique<win32::frmConfiguracion>(ajustes, nullptr, 1252); },
              "OKButton"}},
            {"frmRefs", {[&] { return std::make_unique<win32::frmRefs>(*vbe, 1252); }, "OKButton"}},
            {"frmControles",
             {[&] { return std::make_unique<win32::frmControles>(*vbe, 1252); }, "CancelButton"}},
            {"Dependencias",
             {[&] {
                  return std::make_unique<win32::Dependencias>(vbe->ActiveVBProject(),
                                                               "RellenarLista", seleccion);
              },
              "Command1"}},
        };
    const auto controles = soporte::Tabla("win32/controles.txt");
    for (const auto& [nombre, abre] : ventanas) {
        SCOPED_TRACE(nombre);
        auto v = abre.first();
        v->Enseña();
        for (const auto& c : controles) {
            if (c.at(0) == nombre) {
                std::string texto = c.at(3);
                if (const auto i = texto.find("@VERSION@"); i != std::string::npos) {
                    texto.replace(i, 9, LINTRAP_VERSION);
                }
                EXPECT_EQ(Lee(v->Control(c.at(1))), (Leido{c.at(2), texto, c.at(4) == "1"}))
                    << c.at(1);
            }
        }
        if (nombre == "frmControles") { // its report, of the first control, to the clipboard
            Pulsa(v->Control("Command1"));
            EXPECT_EQ(soporte::Portapapeles().substr(0, 16), "PROYECTO: Demo\r\n");
        }
        Pulsa(v->Control(abre.second));
        EXPECT_FALSE(Lee(v->Ventana()).visible);
    }
}

// A timer callback is stdcall on 32-bit Windows, which a lambda cannot be: this one answers
// the input box of "Resaltar" with a term as soon as it shows.
void CALLBACK PideResaltar(HWND, UINT, UINT_PTR id, DWORD) {
    HWND caja = ::FindWindowW(L"LintrapVentana", L"Lintrap");
    if (!caja) {
        return;
    }
    ::KillTimer(nullptr, id);
    const auto hijo = [caja](const wchar_t* clase, const wchar_t* texto) {
        return ::FindWindowExW(caja, nullptr, clase, texto);
    };
    ::SetWindowTextW(hijo(L"Edit", nullptr), L"lstClientes");
    ::SendMessageW(hijo(L"Button", L"Aceptar"), BM_CLICK, 0, 0);
}

// The code view: the procedure's text coloured run by run in the rich-text box, and its menu
// command "Dependencias" opening the callers list.
TEST(VentanasWin32, ElVisorColoreaElCodigoYAbreLosLlamadores) {
    soporte::SilenciaGlbErr();
    auto vbe = files::Vbe::Open(soporte::Ejemplo() / "Demo.vbp");
    engine::EstadoSeleccion seleccion = RellenarLista();
    win32::FrmCodigo f(*vbe, seleccion);
    f.Enseña();
    f.Muestra(ui::CodigoVisor(*vbe->ActiveVBProject(), seleccion));
    EXPECT_EQ(Lee(f.Ventana()), (Leido{"LintrapVentana", "RellenarLista", true}));
    HWND texto = f.Control("TxtCodigo");
    EXPECT_EQ(Lee(texto).clase, "RichEdit50W");

    // The first whole word `palabra` found by the box, with its colour and weight.
    const auto formato = [texto](const wchar_t* palabra) {
        FINDTEXTEXW busca{{0, -1}, palabra, {-1, -1}};
        ::SendMessageW(texto, EM_FINDTEXTEXW, FR_DOWN | FR_MATCHCASE | FR_WHOLEWORD,
                       LPARAM(&busca));
        ::SendMessageW(texto, EM_EXSETSEL, 0, LPARAM(&busca.chrgText));
        CHARFORMAT2W f{};
        f.cbSize = sizeof f;
        ::SendMessageW(texto, EM_GETCHARFORMAT, SCF_SELECTION, LPARAM(&f));
        return std::pair{f.crTextColor, (f.dwEffects & CFE_BOLD) != 0};
    };
    const struct {
        const wchar_t* palabra;
        COLORREF color;
        bool negrita;
    } palabras[] = {
        {L"Private", RGB(0, 0, 0xFA), false},
        {L"RellenarLista", RGB(0, 0, 0), false},
        {L"Error", RGB(0xA0, 0, 0xA0), true},
        {L"lstClientes", RGB(0, 0, 0), false},
    };
    for (const auto& p : palabras) {
        EXPECT_EQ(formato(p.palabra), std::pair(p.color, p.negrita)) << Utf8(p.palabra);
    }

    // "Resaltar" asks for the term in the input box, answered here as soon as it shows: the
    // term typed and "Aceptar" pressed. Every occurrence turns red and bold.
    HMENU menu = ::GetMenu(f.Ventana());
    ASSERT_EQ(::GetMenuItemCount(menu), 2);
    ::SetTimer(nullptr, 0, 100, &PideResaltar);
    ::SendMessageW(f.Ventana(), WM_COMMAND, MAKEWPARAM(::GetMenuItemID(menu, 1), 0), 0);
    EXPECT_EQ(formato(L"lstClientes"), std::pair(RGB(255, 0, 0), true));

    ::SendMessageW(f.Ventana(), WM_COMMAND, MAKEWPARAM(::GetMenuItemID(menu, 0), 0), 0);
    ASSERT_NE(f.Llamadores(), nullptr);
    EXPECT_EQ(Filas(f.Llamadores()->Control("List1")).size(), 3u);
}

// The main window, counting where it is asked to show help.
class Principal : public win32::frmAddIn {
public:
    using win32::frmAddIn::frmAddIn;
    void MuestraAyuda(const std::string& ruta) override { ayudas.push_back(ruta); }
    std::vector<std::string> ayudas;
};

// The window as the host shows it: owned by the host's window, brought back from minimised; its
// menus and lists; the keys the host's loop knows nothing of; the viewer it owns; and Escape
// unloading it all. (Its lists kept in step are the behaviour's, tests/ui.)
TEST(VentanasWin32, LaVentanaPrincipalSeMuestraSeManejaConTecladoYSeDescarga) {
    soporte::SilenciaGlbErr();
    soporte::Carpeta tmp;
    std::string codigo;
    for (int i = 10; i < 50; ++i) {
        codigo += "Public Sub P" + std::to_string(i) + "()\nEnd Sub\n";
    }
    auto vbe = soporte::AbreModulos(tmp.Ruta(), {soporte::Bas("Largo", codigo)});
    const auto addin = tmp.Ruta(); // the add-in's folder, with its help
    soporte::Escribe(addin / "Lintrap.chm", "ITSF");
    HWND host = ::CreateWindowExW(0, L"STATIC", L"Host", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                  nullptr, nullptr, nullptr, nullptr);
    int descargas = 0;
    auto w = std::make_unique<Principal>(
        *vbe, addin.string(), host, [&] { ++descargas; }, 1252);
    HWND v = w->Ventana();
    EXPECT_EQ(::GetWindow(v, GW_OWNER), host);
    EXPECT_FALSE(::IsWindowVisible(v));
    w->Muestra();
    EXPECT_EQ(Lee(v), (Leido{"LintrapVentana", "AddIn Lintrap - Quovant", true}));
    EXPECT_EQ(::GetWindowLongW(v, GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME),
              0);
    ::ShowWindow(v, SW_MINIMIZE);
    ASSERT_TRUE(::IsIconic(v));
    w->Muestra();
    EXPECT_FALSE(::IsIconic(v));
    EXPECT_EQ(::GetActiveWindow(), v);

    HMENU menu = ::GetMenu(v);
    EXPECT_EQ(Entradas(menu),
              (std::vector<std::string>{"&Configuración", "&Utilidades", "&Ayuda"}));
    EXPECT_EQ(Entradas(::GetSubMenu(menu, 1)),
              (std::vector<std::string>{"&Ver Codigo", "&Referencias", "&Controles"}));
    EXPECT_EQ(Entradas(::GetSubMenu(menu, 2)),
              (std::vector<std::string>{"&Ayuda\tF1", "A&cerca de"}));
    HWND List2 = w->Control("List2");
    RECT r2, r3;
    ::GetWindowRect(List2, &r2);
    ::GetWindowRect(w->Control("List3"), &r3);
    EXPECT_EQ(std::tuple(r2.right, r2.top, r2.bottom), std::tuple(r3.left, r3.top, r3.bottom));
    // The menu bar takes nothing from the controls' place.
    RECT cliente, salir;
    ::GetClientRect(v, &cliente);
    ::GetWindowRect(w->Control("CancelButton"), &salir);
    ::MapWindowPoints(nullptr, v, reinterpret_cast<POINT*>(&salir), 2);
    EXPECT_LT(salir.bottom, cliente.bottom);

    // List2 takes many procedures; the viewer it opens is its own.
    ClicFila(List2, 5);
    ClicFila(List2, 9, MK_CONTROL);
    EXPECT_EQ(w->Comportamiento().Estado().SelCount(), 2);
    const auto utilidades = ::GetSubMenu(menu, 1);
    ::SendMessageW(v, WM_COMMAND, ::GetMenuItemID(utilidades, 0), 0);
    ASSERT_NE(w->Visor(), nullptr);
    EXPECT_EQ(::GetWindow(w->Visor()->Ventana(), GW_OWNER), v);

    // Tab and the window's keys through the hook, in the host's loop.
    w->Muestra();
    ::SetFocus(w->Control("Command1"));
    PulsaTecla(VK_TAB);
    EXPECT_EQ(::GetFocus(), w->Control("Command2"));
    PulsaTecla(VK_F1);
    EXPECT_EQ(w->ayudas, std::vector<std::string>{ui::RutaAyuda(addin.string())});
    Pulsa(w->Control("Option2"));
    PulsaTecla(VK_F5); // reloads: Option1 again
    EXPECT_TRUE(::SendMessageW(w->Control("Option1"), BM_GETCHECK, 0, 0));
    EXPECT_FALSE(Lee(w->Control("OptExit")).visible);

    // Escape unloads it and the windows it opened; its keeper hears it from the loop.
    ::SendMessageW(v, WM_COMMAND, ::GetMenuItemID(utilidades, 1), 0);
    ::SendMessageW(v, WM_COMMAND, ::GetMenuItemID(utilidades, 2), 0);
    HWND refs = ::FindWindowW(L"LintrapVentana", L"Proyecto1 (Referencias)");
    HWND controles = ::FindWindowW(L"LintrapVentana", L"Informe Controles");
    ASSERT_NE(refs, nullptr);
    EXPECT_EQ(::GetWindow(refs, GW_OWNER), v);
    EXPECT_EQ(::GetWindow(controles, GW_OWNER), v);
    w->Muestra();
    ::SetFocus(w->Control("List1"));
    PulsaTecla(VK_ESCAPE);
    EXPECT_FALSE(::IsWindowVisible(v));
    EXPECT_FALSE(::IsWindow(refs));
    EXPECT_FALSE(::IsWindow(controles));
    EXPECT_EQ(w->Visor(), nullptr);
    EXPECT_EQ(descargas, 1);
    w.reset();
    ::DestroyWindow(host);
}

} // namespace
