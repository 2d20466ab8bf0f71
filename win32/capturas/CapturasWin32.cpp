// Shows one of the add-in's Win32 windows over the example project, in the state of its
// screenshot, and keeps it on the screen for a few seconds:
//   lintrap_capturas_win32 WINDOW PROJECT.vbp SECONDS
// It prints the window's place on the screen as WIDTHxHEIGHT+X+Y (what ImageMagick's -crop
// takes) once the window is painted. Nothing is written into the project.

#include "ClsErrores/clsErrores.h"
#include "host/files/Vbe.h"
#include "ui/main/CodigoVisor.h"
#include "win32/config/frmConfiguracion.h"
#include "win32/inspectors/frmControles.h"
#include "win32/inspectors/frmRefs.h"
#include "win32/main/frmAbout.h"
#include "win32/main/frmAddIn.h"
#include "win32/viewer/Dependencias.h"
#include "win32/viewer/FrmCodigo.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <memory>

namespace {

// List rows chosen as the user chooses them (several in a list of many choices): the list box
// announces it to its window.
void Elige(win32::VistaWin32& v, const char* lista, std::initializer_list<const wchar_t*> textos) {
    HWND l = v.Control(lista);
    const bool varias = ::GetWindowLongW(l, GWL_STYLE) & LBS_EXTENDEDSEL;
    for (const wchar_t* texto : textos) {
        const LRESULT fila = ::SendMessageW(l, LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(texto));
        ::SendMessageW(l, varias ? LB_SETSEL : LB_SETCURSEL, varias ? TRUE : WPARAM(fila),
                       varias ? fila : 0);
    }
    ::SendMessageW(v.Ventana(), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(l), LBN_SELCHANGE),
                   LPARAM(l));
}

void Procesa(DWORD milisegundos) {
    const DWORD fin = ::GetTickCount() + milisegundos;
    while (::GetTickCount() < fin) {
        MSG m;
        while (::PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&m);
            ::DispatchMessageW(&m);
        }
        ::Sleep(20);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "Uso: lintrap_capturas_win32 VENTANA PROYECTO.vbp SEGUNDOS\n");
        return 2;
    }
    glbErr().LogOnError(false);
    auto vbe = files::Vbe::Open(argv[2]);
    const int cp = vbe->Active()->CodePage();
    const std::string ventana = argv[1];
    engine::AjustesPendientes ajustes;
    ajustes.glbEmailDir = "errores@quovant.example";

    engine::EstadoSeleccion seleccion; // frmPrincipal's RellenarLista selected
    seleccion.paginaCodigos = cp;
    seleccion.modulo = "frmPrincipal";
    seleccion.procedimientos = {{"RellenarLista", true, engine::Manejo::Sin}};
    seleccion.actual = 0;

    std::unique_ptr<win32::VistaWin32> v;
    if (ventana == "frmAbout") {
        v = std::make_unique<win32::frmAbout>();
    } else if (ventana == "frmConfiguracion") {
        v = std::make_unique<win32::frmConfiguracion>(ajustes, vbe->ActiveVBProject(), cp);
    } else if (ventana == "MsgPersonal") {
        static install::Configuracion logica(ajustes);
        v = std::make_unique<win32::MsgPersonal>(logica);
    } else if (ventana == "frmRefs") {
        v = std::make_unique<win32::frmRefs>(*vbe, cp);
    } else if (ventana == "frmControles") {
        v = std::make_unique<win32::frmControles>(*vbe, cp);
    } else if (ventana == "Dependencias") {
        v = std::make_unique<win32::Dependencias>(vbe->ActiveVBProject(), "RellenarLista",
                                                  seleccion);
    } else if (ventana == "FrmCodigo") {
        v = std::make_unique<win32::FrmCodigo>(*vbe, seleccion);
    } else if (ventana == "frmAddIn") {
        v = std::make_unique<win32::frmAddIn>(*vbe, ".", nullptr, nullptr, cp);
    } else {
        std::fprintf(stderr, "Ventana desconocida: %s\n", argv[1]);
        return 2;
    }
    ::SetWindowPos(v->Ventana(), nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    v->Enseña();
    if (ventana == "frmConfiguracion") {
        ::SendMessageW(v->Control("Check1"), BM_CLICK, 0, 0);
        ::SendMessageW(v->Control("Combo1"), CB_SETCURSEL, 1, 0);
        ::SetFocus(v->Control("Text1"));
    } else if (ventana == "MsgPersonal") {
        ::SetWindowTextW(v->Control("Text1"), L"Se ha producido un error inesperado");
    } else if (ventana == "FrmCodigo") {
        static_cast<win32::FrmCodigo&>(*v).Muestra(
            ui::CodigoVisor(*vbe->ActiveVBProject(), seleccion));
    } else if (ventana == "frmRefs") {
        Elige(*v, "List1", {L"stdole"});
    } else if (ventana == "frmControles") {
        Elige(*v, "List0", {L"frmCliente"});
        Elige(*v, "List1", {L"txtCodigoPostal"});
    } else if (ventana == "frmAddIn") {
        Elige(*v, "List1", {L"Utilidades"});
        Elige(*v, "List2", {L"LeerArchivo", L"Milisegundos"});
        ::SendMessageW(v->Control("Option2"), BM_CLICK, 0, 0);
    }
    Procesa(1500);
    RECT r;
    ::GetWindowRect(v->Ventana(), &r);
    std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
    std::fflush(stdout);
    Procesa(DWORD(std::atoi(argv[3]) * 1000));
    return 0;
}
