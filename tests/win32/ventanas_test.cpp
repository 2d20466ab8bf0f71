// The Win32 skins as real windows over the example project: each control's class, text and
// visibility read back with Win32 calls, then one notification sent as the system sends it
// (a button's BM_CLICK, a list's LBN_SELCHANGE) and its effect on the window.

#include "host/files/Vbe.h"
#include "tests/support/Archivos.h"
#include "tests/support/Guion.h"
#include "ui/main/CodigoVisor.h"
#include "win32/config/frmConfiguracion.h"
#include "win32/inspectors/frmControles.h"
#include "win32/inspectors/frmRefs.h"
#include "win32/main/frmAbout.h"
#include "win32/viewer/Dependencias.h"
#include "win32/viewer/FrmCodigo.h"

#include <richedit.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

std::string Utf8(const std::wstring& t) {
    std::string s(size_t(::WideCharToMultiByte(CP_UTF8, 0, t.data(), int(t.size()), nullptr, 0,
                                               nullptr, nullptr)),
                  '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, t.data(), int(t.size()), s.data(), int(s.size()), nullptr,
                          nullptr);
    return s;
}

// What the system says of a control.
struct Leido {
    std::string clase, texto;
    bool visible;
    bool operator==(const Leido&) const = default;
};

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
    // The control's own flag: the window may not be shown.
    const bool visible = ::GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE;
    return {Utf8(clase), Utf8(texto), visible};
}

// The rows of a list box or a combo box.
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

// A click as the user makes it: a button pressed, or a list row chosen, which the list box
// announces to its parent with LBN_SELCHANGE.
void Pulsa(HWND ventana, HWND control, int fila = -1) {
    if (fila < 0) {
        ::SendMessageW(control, BM_CLICK, 0, 0);
        return;
    }
    ::SendMessageW(control, LB_SETCURSEL, WPARAM(fila), 0);
    ::SendMessageW(ventana, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(control), LBN_SELCHANGE),
                   LPARAM(control));
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
    std::map<std::string, std::vector<std::string>> listasDespues = {};
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
        {"frmControles",
         [](files::Vbe& vbe) { return std::make_unique<win32::frmControles>(vbe, 1252); },
         {{"", {"LintrapVentana", "Informe Controles", true}},
          {"Label5", {"Static", "Proyectos", true}},
          {"Label1", {"Static", "Formularios o diseñadores:", true}},
          {"Label2", {"Static", "Controles:", true}},
          {"Label4", {"Static", "cmdSalir\r\n (Tipo de Control : CommandButton)", true}},
          {"Label3", {"Static", "Propiedades de \r\ncmdSalir", true}},
          {"Command1", {"Button", "Copiar al portapapeles", true}},
          {"CancelButton", {"Button", "OK", true}}},
         {{"List3", {"Demo"}}, {"List0", {"frmPrincipal", "frmCliente"}}},
         "List0",
         1,
         {{"Label3", {"Static", "Propiedades de \r\nfraDatos", true}}},
         {{"List1",
           {"fraDatos", "txtNombre", "txtPoblacion", "txtCodigoPostal", "chkActivo", "lblNombre",
            "lblPoblacion", "lblCodigoPostal", "cmdAceptar", "cmdCancelar"}}}},
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
        for (const auto& [nombre, filas] : c.listasDespues) {
            EXPECT_EQ(Filas(v->Control(nombre)), filas) << nombre;
        }
    }
}

// The report goes to the system's clipboard as Unicode text.
TEST(VentanasWin32, ElInformeDelControlQuedaEnElPortapapeles) {
    soporte::SilenciaGlbErr();
    auto vbe = files::Vbe::Open(soporte::Ejemplo() / "Demo.vbp");
    win32::frmControles f(*vbe, 1252);
    f.Enseña();
    Pulsa(f.Ventana(), f.Control("List0"), 1);
    Pulsa(f.Ventana(), f.Control("List1"), 3);
    Pulsa(f.Ventana(), f.Control("Command1"));

    ASSERT_TRUE(::OpenClipboard(nullptr));
    HANDLE datos = ::GetClipboardData(CF_UNICODETEXT);
    const std::wstring copiado = datos ? static_cast<const wchar_t*>(::GlobalLock(datos)) : L"";
    if (datos) {
        ::GlobalUnlock(datos);
    }
    ::CloseClipboard();
    const std::string informe = Utf8(copiado);
    const std::string cabecera = "PROYECTO: Demo\r\nCONTROL: txtCodigoPostal (contenido en "
                                 "frmCliente)\r\nTIPO DE CONTROL: TextBox\r\n" +
                                 std::string(50, '-') + "\r\n";
    EXPECT_EQ(informe.substr(0, cabecera.size()), cabecera);
    EXPECT_NE(informe.find("\r\n\r\n\r\n\r\n\r\nAddIn Lintrap por Quovant\r\n"), std::string::npos)
        << informe;
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

} // namespace
