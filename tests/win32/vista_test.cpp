// The Win32 skin's mapping of each primitive onto its kind of control, once per kind: what the
// window's behaviour tells a control (tests/ui) is what the system then says of it.
#include "tests/support/com/Ventanas.h"
#include "win32/VistaWin32.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using soporte::Lee;

// One control of each kind the skins use, and a menu with one entry.
class Muestrario : public win32::VistaWin32 {
public:
    Muestrario() {
        CreaVentana("Muestrario", 400, 360, nullptr);
        CreaMenu("mnuMenu", "&Menú");
        CreaEntrada("mnuEntrada", "&Ver", "mnuMenu", "F1");
        Crea("Etiqueta", L"STATIC", "", SS_LEFT, {8, 8, 200, 16});
        Crea("Caja", L"EDIT", "", ES_AUTOHSCROLL, {8, 28, 200, 20});
        Crea("Casilla", L"BUTTON", "Casilla", BS_AUTOCHECKBOX, {8, 52, 200, 20});
        Crea("Opcion1", L"BUTTON", "Uno", BS_AUTORADIOBUTTON | WS_GROUP, {8, 74, 90, 20});
        Crea("Opcion2", L"BUTTON", "Dos", BS_AUTORADIOBUTTON, {100, 74, 90, 20});
        Crea("Lista", L"LISTBOX", "",
             LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_EXTENDEDSEL | WS_VSCROLL | WS_GROUP,
             {8, 100, 200, 80});
        Crea("Combo", L"COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, {8, 190, 200, 120});
        Crea("Barra", PROGRESS_CLASSW, "", 0, {8, 220, 200, 16});
    }
    void Evento(const std::string&, int) override {}
};

TEST(VistaWin32, CadaPrimitivaLlegaASuClaseDeControl) {
    Muestrario m;
    m.Enseña();
    HMENU menu = ::GetSubMenu(::GetMenu(m.Ventana()), 0);
    const auto Envia = [&](const char* control, UINT mensaje, WPARAM w = 0) {
        return std::to_string(::SendMessageW(m.Control(control), mensaje, w, 0));
    };
    const auto Entrada = [&] {
        wchar_t t[64] = {};
        ::GetMenuStringW(menu, 0, t, 64, MF_BYPOSITION);
        return std::to_string(::GetMenuItemCount(menu)) + " " + soporte::Utf8(t);
    };
    std::vector<std::string> filas;
    for (int i = 0; i < 40; ++i) {
        filas.push_back("Fila " + std::to_string(i));
    }
    soporte::RespondeCajas cajas(IDNO);
    const struct {
        const char* caso;
        std::function<void(ui::Vista&)> haz;
        std::function<std::string()> lee;
        std::string esperado;
    } casos[] = {
        {"título", [](ui::Vista& v) { v.PonTexto("", "Año"); },
         [&] { return Lee(m.Ventana()).texto; }, "Año"},
        {"etiqueta", [](ui::Vista& v) { v.PonTexto("Etiqueta", "a\r\nb"); },
         [&] { return Lee(m.Control("Etiqueta")).texto; }, "a\r\nb"},
        {"caja", [](ui::Vista& v) { v.PonTexto("Caja", "señal"); },
         [&] { return Lee(m.Control("Caja")).texto; }, "señal"},
        // the key shown beside the entry stays
        {"entrada", [](ui::Vista& v) { v.PonTexto("mnuEntrada", "Ocultar Codigo"); }, Entrada,
         "1 Ocultar Codigo\tF1"},
        {"entrada oculta", [](ui::Vista& v) { v.Muestra("mnuEntrada", false); }, Entrada, "0 "},
        {"entrada vuelta", [](ui::Vista& v) { v.Muestra("mnuEntrada", true); }, Entrada,
         "1 Ocultar Codigo\tF1"},
        {"marca", [](ui::Vista& v) { v.Marca("Casilla", true); },
         [&] { return Envia("Casilla", BM_GETCHECK); }, "1"},
        {"desmarca", [](ui::Vista& v) { v.Marca("Casilla", false); },
         [&] { return Envia("Casilla", BM_GETCHECK); }, "0"},
        // as a click does, the other options of the group are cleared
        {"opción",
         [](ui::Vista& v) {
             v.Marca("Opcion1", true);
             v.Marca("Opcion2", true);
         },
         [&] { return Envia("Opcion1", BM_GETCHECK) + Envia("Opcion2", BM_GETCHECK); }, "01"},
        {"lista rellena", [&](ui::Vista& v) { v.Rellena("Lista", filas); },
         [&] { return Envia("Lista", LB_GETCOUNT) + " " + Envia("Lista", LB_GETSELCOUNT); },
         "40 0"},
        {"fila elegida, la única",
         [](ui::Vista& v) {
             v.Selecciona("Lista", 2);
             v.Selecciona("Lista", 5);
         },
         [&] { return Envia("Lista", LB_GETSELCOUNT) + " " + Envia("Lista", LB_GETCARETINDEX); },
         "1 5"},
        {"ninguna fila", [](ui::Vista& v) { v.Selecciona("Lista", -1); },
         [&] { return Envia("Lista", LB_GETSELCOUNT); }, "0"},
        {"fila de arriba", [](ui::Vista& v) { v.PonArriba("Lista", 5); },
         [&] { return Envia("Lista", LB_GETTOPINDEX); }, "5"},
        {"combo",
         [](ui::Vista& v) {
             v.Rellena("Combo", {"no", "normal"});
             v.Selecciona("Combo", 1);
         },
         [&] { return Lee(m.Control("Combo")).texto; }, "normal"},
        {"oculta", [](ui::Vista& v) { v.Muestra("Etiqueta", false); },
         [&] { return std::to_string(::IsWindowVisible(m.Control("Etiqueta"))); }, "0"},
        {"muestra", [](ui::Vista& v) { v.Muestra("Etiqueta", true); },
         [&] { return std::to_string(::IsWindowVisible(m.Control("Etiqueta"))); }, "1"},
        {"fondo",
         [](ui::Vista& v) {
             v.PonFondo("Caja", {255, 255, 192});
         },
         [&] {
             HDC dc = ::CreateCompatibleDC(nullptr);
             ::SendMessageW(m.Ventana(), WM_CTLCOLOREDIT, WPARAM(dc), LPARAM(m.Control("Caja")));
             const COLORREF c = ::GetBkColor(dc);
             ::DeleteDC(dc);
             return std::to_string(GetRValue(c)) + "," + std::to_string(GetGValue(c)) + "," +
                    std::to_string(GetBValue(c));
         },
         "255,255,192"},
        {"progreso", [](ui::Vista& v) { v.PonValor("Barra", 40); },
         [&] { return Envia("Barra", PBM_GETPOS); }, "40"},
        {"portapapeles", [](ui::Vista& v) { v.Portapapeles("PROYECTO: Año\r\n"); },
         [] { return soporte::Portapapeles(); }, "PROYECTO: Año\r\n"},
        {"reloj de arena", [](ui::Vista& v) { v.RelojArena(true); },
         [] { return std::to_string(::GetCursor() == ::LoadCursorW(nullptr, IDC_WAIT)); }, "1"},
        {"sin reloj", [](ui::Vista& v) { v.RelojArena(false); },
         [] { return std::to_string(::GetCursor() == ::LoadCursorW(nullptr, IDC_WAIT)); }, "0"},
        {"pregunta",
         [](ui::Vista& v) {
             EXPECT_EQ(v.Mensaje("¿Seguro?", MB_YESNO | MB_ICONQUESTION, "Lintrap"), IDNO);
         },
         [&] { return cajas.Textos().empty() ? "" : cajas.Textos().back(); }, "Lintrap: ¿Seguro?"},
    };
    for (const auto& c : casos) {
        c.haz(m);
        EXPECT_EQ(c.lee(), c.esperado) << c.caso;
    }
}

} // namespace
