// The Win32 skins as real windows over the example project: each control's class, text and
// visibility read back with Win32 calls, then one notification sent as the system sends it
// (a button's BM_CLICK, a list's LBN_SELCHANGE) and its effect on the window. The main window
// over a project in a temporary folder: its lists, menus, keys and the windows it owns. Its
// commands and the controls window are driven through the component, in tests/dll.

#include "host/files/Vbe.h"
#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Guion.h"
#include "tests/support/Proyectos.h"
#include "tests/support/com/Ventanas.h"
#include "ui/main/CodigoVisor.h"
#include "ui/main/Reglas.h"
#include "win32/config/frmConfiguracion.h"
#include "win32/inspectors/frmRefs.h"
#include "win32/main/frmAbout.h"
#include "win32/main/frmAddIn.h"
#include "win32/viewer/Dependencias.h"
#include "win32/viewer/FrmCodigo.h"

#include <richedit.h>

#include <gtest/gtest.h>

#include <functional>
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

struct Caso {
    const char* ventana;
    std::function<std::unique_ptr<win32::VistaWin32>(files::Vbe&)> abre;
    std::map<std::string, Leido> controles; // "" is the window
    std::map<std::string, std::vector<std::string>> listas;
    const char* pulsado; // the control clicked ...
    int fila;            // ... at this row of a list, -1 for a button
    // What shows after the click: controls read again ("" the window).
    std::map<std::string, Leido> despues;
};

TEST(VentanasWin32, CadaVentanaMuestraSusControlesYAtiendeUnClic) {
    soporte::SilenciaGlbErr();
    const std::string version = "Lintrap " LINTRAP_VERSION;
    engine::AjustesPendientes ajustes; // mail off, no message, log on
    engine::EstadoSeleccion seleccion; // frmPrincipal's RellenarLista selected
    seleccion.paginaCodigos = 1252;
    seleccion.modulo = "frmPrincipal";
    seleccion.procedimientos = {{"RellenarLista", true, engine::Manejo::Sin}};
    seleccion.actual = 0;
    const Caso casos[] = {
        {"frmAbout",
         [](files::Vbe&) { return std::make_unique<win32::frmAbout>(); },
         {{"", {"LintrapVentana", "Ayuda Lintrap", true}},
          {"cmdOK", {"Button", "Aceptar", true}},
          {"picIcon", {"Static", "", true}},
          {"lblTitle", {"Static", version, true}},
          {"Label2", {"Static", "Autor", true}}},
         {},
         "cmdOK",
         -1,
         {{"", {"LintrapVentana", "Ayuda Lintrap", false}}}},
        {"frmConfiguracion",
         [&](files::Vbe&) {
             return std::make_unique<win32::frmConfiguracion>(ajustes, nullptr, 1252);
         },
         {{"", {"LintrapVentana", "Configuracion - Quovant", true}},
          {"Combo1", {"ComboBox", "no", true}},
          {"Check1", {"Button", "Mandar EMail OnError", true}},
          {"Check3", {"Button", "LogOnError", true}},
          {"Label1", {"Static", "MsgBox OnError :", true}},
          {"Label2", {"Static", "Dirección de correo de destino :", false}},
          {"Label3", {"Static", "Configure el comportamiento del manipulador de errores", true}},
          {"Text1", {"Edit", "", false}},
          {"OKButton", {"Button", "Aceptar", true}},
          {"CancelButton", {"Button", "Cancelar", true}}},
         {{"Combo1", {"no", "normal", "personalizar"}}},
         "Check1",
         -1,
         {{"Text1", {"Edit", "", true}},
          {"Label2", {"Static", "Dirección de correo de destino :", true}}}},
        {"frmRefs",
         [](files::Vbe& vbe) { return std::make_unique<win32::frmRefs>(vbe, 1252); },
         {{"", {"LintrapVentana", "Demo (Referencias)", true}},
          {"Label1", {"Static", "Referencias", true}},
          {"Label3",
           {"Static", "Descripción del proyecto:\r\nProyecto de demostración de Lintrap", true}},
          {"Label2", {"Static", "", true}},
          {"OKButton", {"Button", "Aceptar", true}}},
         {{"List1", {"stdole"}}},
         "List1",
         0,
         {{"Label2",
           {"Static",
            "stdole 2.0\r\n..\\..\\..\\..\\Windows\\SysWOW64\\stdole2.tlb\r\nGUID: "
            "{00020430-0000-0000-C000-000000000046}",
            true}}}},
        {"Dependencias",
         [&](files::Vbe& vbe) {
             return std::make_unique<win32::Dependencias>(vbe.ActiveVBProject(), "RellenarLista",
                                                          seleccion);
         },
         {{"", {"LintrapVentana", "Dependencias", true}},
          {"Label1", {"Static", "RellenarLista", true}},
          {"Command1", {"Button", "OK", true}}},
         {{"List1",
           {"frmPrincipal / Form_Load", "frmPrincipal / cmdEditar_Click",
            "frmPrincipal / mnuArchivoNuevo_Click"}}},
         "Command1",
         -1,
         {{"", {"LintrapVentana", "Dependencias", false}}}},
    };
    auto vbe = files::Vbe::Open(soporte::Ejemplo() / "Demo.vbp");
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.ventana);
        auto v = c.abre(*vbe);
        v->Enseña();
        for (const auto& [nombre, leido] : c.controles) {
            EXPECT_EQ(Lee(v->Control(nombre)), leido) << nombre;
        }
        for (const auto& [nombre, filas] : c.listas) {
            EXPECT_EQ(Filas(v->Control(nombre)), filas) << nombre;
        }
        Pulsa(v->Ventana(), v->Control(c.pulsado), c.fila);
        for (const auto& [nombre, leido] : c.despues) {
            EXPECT_EQ(Lee(v->Control(nombre)), leido) << nombre;
        }
    }
}

// The code view: the procedure's text coloured run by run in the rich-text box, and its menu
// command "Dependencias" opening the callers list.
TEST(VentanasWin32, ElVisorColoreaElCodigoYAbreLosLlamadores) {
    soporte::SilenciaGlbErr();
    auto vbe = files::Vbe::Open(soporte::Ejemplo() / "Demo.vbp");
    engine::EstadoSeleccion seleccion;
    seleccion.paginaCodigos = 1252;
    seleccion.modulo = "frmPrincipal";
    seleccion.procedimientos = {{"RellenarLista", true, engine::Manejo::Sin}};
    seleccion.actual = 0;
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
    ::SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
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
    });
    ::SendMessageW(f.Ventana(), WM_COMMAND, MAKEWPARAM(::GetMenuItemID(menu, 1), 0), 0);
    EXPECT_EQ(formato(L"lstClientes"), std::pair(RGB(255, 0, 0), true));

    ::SendMessageW(f.Ventana(), WM_COMMAND, MAKEWPARAM(::GetMenuItemID(menu, 0), 0), 0);
    ASSERT_NE(f.Llamadores(), nullptr);
    EXPECT_EQ(Filas(f.Llamadores()->Control("List1")).size(), 3u);
}

// The main window, counting what its viewer is given and where it is asked to show help.
class Principal : public win32::frmAddIn {
public:
    using win32::frmAddIn::frmAddIn;
    void MuestraCodigo(const ui::VistaCodigo& codigo) override {
        ++refrescos;
        win32::frmAddIn::MuestraCodigo(codigo);
    }
    void MuestraAyuda(const std::string& ruta) override { ayudas.push_back(ruta); }
    int refrescos = 0;
    std::vector<std::string> ayudas;
};

// The window as the host shows it: owned by the host's window, centred, brought back from
// minimised; its menus; List2 and List3 scrolling and choosing together; the keys the host's
// loop knows nothing of; the viewer it owns; and Escape unloading it all.
TEST(VentanasWin32, LaVentanaPrincipalSeMuestraSeManejaConTecladoYSeDescarga) {
    soporte::SilenciaGlbErr();
    soporte::Carpeta tmp;
    std::string codigo;
    for (int i = 10; i < 50; ++i) {
        codigo += "Public Sub P" + std::to_string(i) + "()\n" +
                  (i % 3 == 0 ? "    On Error Resume Next\n" : "") + "End Sub\n";
    }
    auto vbe = soporte::AbreModulos(
        tmp.Ruta(), {soporte::Bas("Largo", codigo), soporte::Bas("Otro", "Sub Uno()\nEnd Sub\n")});
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
    EXPECT_EQ(Lee(w->Control("Label5")).texto, "Proyecto1");
    EXPECT_EQ(Lee(w->Control("Label4")).texto, "Lineas: 93");
    HWND List2 = w->Control("List2"), List3 = w->Control("List3");
    RECT r2, r3;
    ::GetWindowRect(List2, &r2);
    ::GetWindowRect(List3, &r3);
    EXPECT_EQ(std::tuple(r2.right, r2.top, r2.bottom), std::tuple(r3.left, r3.top, r3.bottom));
    // The menu bar takes nothing from the controls' place.
    RECT cliente, salir;
    ::GetClientRect(v, &cliente);
    ::GetWindowRect(w->Control("CancelButton"), &salir);
    ::MapWindowPoints(nullptr, v, reinterpret_cast<POINT*>(&salir), 2);
    EXPECT_LT(salir.bottom, cliente.bottom);

    // Scrolled by the user, each list takes the other along; a press chooses a row in both,
    // also a press on the row already chosen, and the viewer shows each.
    for (int i = 0; i < 3; ++i) {
        ::SendMessageW(List2, WM_VSCROLL, SB_LINEDOWN, 0);
    }
    EXPECT_EQ(::SendMessageW(List3, LB_GETTOPINDEX, 0, 0), 3);
    ::SendMessageW(List3, WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(::SendMessageW(List2, LB_GETTOPINDEX, 0, 0), 2);
    const auto utilidades = ::GetSubMenu(menu, 1);
    ::SendMessageW(v, WM_COMMAND, ::GetMenuItemID(utilidades, 0), 0);
    ASSERT_NE(w->Visor(), nullptr);
    EXPECT_EQ(::GetWindow(w->Visor()->Ventana(), GW_OWNER), v);
    EXPECT_EQ(Entradas(utilidades).front(), "Ocultar Codigo");
    const int antes = w->refrescos;
    ClicFila(List3, 7);
    EXPECT_EQ(::SendMessageW(List2, LB_GETCARETINDEX, 0, 0), 7);
    ClicFila(List2, 5);
    ClicFila(List2, 5);
    EXPECT_EQ(::SendMessageW(List3, LB_GETCARETINDEX, 0, 0), 5);
    EXPECT_EQ(w->refrescos, antes + 3);
    EXPECT_EQ(Lee(w->Visor()->Ventana()).texto, "P15");
    ClicFila(List2, 9, MK_CONTROL);
    EXPECT_EQ(w->Comportamiento().Estado().SelCount(), 2);
    // Closed by the user, the viewer is hidden and the menu says so.
    ::SendMessageW(w->Visor()->Ventana(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Entradas(utilidades).front(), "&Ver Codigo");

    // Tab and the window's keys through the hook, in the host's loop.
    w->Muestra();
    ::SetFocus(w->Control("Command1"));
    PulsaTecla(VK_TAB);
    EXPECT_EQ(::GetFocus(), w->Control("Command2"));
    PulsaTecla(VK_F1);
    EXPECT_EQ(w->ayudas, std::vector<std::string>{ui::RutaAyuda(addin.string())});
    Pulsa(v, w->Control("Option2"));
    PulsaTecla(VK_F5); // reloads: Option1 again
    EXPECT_TRUE(::SendMessageW(w->Control("Option1"), BM_GETCHECK, 0, 0));
    EXPECT_FALSE(Lee(w->Control("OptExit")).visible);

    // Escape unloads it and the windows it opened; its keeper hears it from the loop.
    ::SendMessageW(v, WM_COMMAND, ::GetMenuItemID(utilidades, 1), 0);
    HWND refs = ::FindWindowW(L"LintrapVentana", L"Proyecto1 (Referencias)");
    ASSERT_NE(refs, nullptr);
    EXPECT_EQ(::GetWindow(refs, GW_OWNER), v);
    w->Muestra();
    ::SetFocus(w->Control("List1"));
    PulsaTecla(VK_ESCAPE);
    EXPECT_FALSE(::IsWindowVisible(v));
    EXPECT_FALSE(::IsWindow(refs));
    EXPECT_EQ(w->Visor(), nullptr);
    EXPECT_EQ(descargas, 1);
    w.reset();
    ::DestroyWindow(host);
}

} // namespace
