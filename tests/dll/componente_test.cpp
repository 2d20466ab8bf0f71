// Lintrap.dll as the environment meets it: loaded from its file, registered per user and per
// machine, made by its ProgID, its connection interface found by name; unloadable once every
// object is released; connected to the stand-in environment, its entry clicked, its window closed.

#include "app/dll/IDTExtensibility2.h"
#include "base/plataforma/win32/Win32.h"
#include "host/com/Despacho.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Proyectos.h"
#include "tests/support/Tabla.h"
#include "tests/support/com/EntornoCom.h"
#include "tests/support/com/Ventanas.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using plataforma::win32::Utf16;

// A value of the registry as tests/data/dll/registro.txt writes it: its text, "#n" for a
// number, "-" when it is not there.
std::string Lee(HKEY raiz, const std::wstring& clave, const std::wstring& nombre) {
    union {
        wchar_t texto[512];
        DWORD numero;
    } dato{};
    DWORD tipo = 0, bytes = sizeof dato;
    if (::RegGetValueW(raiz, clave.c_str(), nombre.empty() ? nullptr : nombre.c_str(),
                       RRF_RT_REG_SZ | RRF_RT_REG_DWORD, &tipo, &dato, &bytes) != ERROR_SUCCESS) {
        return "-";
    }
    return tipo == REG_DWORD ? "#" + std::to_string(dato.numero) : soporte::Utf8(dato.texto);
}

bool Existe(HKEY raiz, const std::wstring& clave) {
    HKEY k = nullptr;
    if (::RegOpenKeyExW(raiz, clave.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) {
        return false;
    }
    ::RegCloseKey(k);
    return true;
}

// The DLL loaded as the environment loads it, with its entry points.
struct Dll {
    HMODULE modulo = ::LoadLibraryA(LINTRAP_DLL);
    ~Dll() { ::FreeLibrary(modulo); }
    template <class... A> HRESULT Llama(const char* entrada, A... args) {
        auto* f = reinterpret_cast<HRESULT(STDAPICALLTYPE*)(A...)>(
            reinterpret_cast<void*>(::GetProcAddress(modulo, entrada)));
        return f ? f(args...) : E_NOTIMPL;
    }
    std::wstring Ruta() const {
        wchar_t ruta[MAX_PATH] = {};
        ::GetModuleFileNameW(modulo, ruta, MAX_PATH);
        return ruta;
    }
};

const std::wstring kClsid = L"Software\\Classes\\CLSID\\{9A0AE21F-FCE5-4BEF-B11D-CC152AC49166}";
const std::wstring kVB = L"Software\\Microsoft\\Visual Basic";
const std::wstring kAddIns = kVB + L"\\6.0\\Addins";

// Per user: the class, its ProgID and the add-in manager's entry, exactly; taken away again
// with the add-in manager's keys when nobody else has an entry there, and only ours when
// another add-in has one.
TEST(Componente, RegistraPorUsuarioYQuitaSoloLoSuyo) {
    Dll dll;
    ASSERT_NE(dll.modulo, nullptr) << LINTRAP_DLL;
    const auto escritos = soporte::Tabla("dll/registro.txt");
    const std::wstring otro = kAddIns + L"\\Otro.Connect";
    for (const bool conOtro : {false, true}) {
        SCOPED_TRACE(conOtro ? "con otro complemento" : "solo");
        if (conOtro) {
            ::RegSetKeyValueW(HKEY_CURRENT_USER, otro.c_str(), L"LoadBehavior", REG_DWORD,
                              "\3\0\0\0", 4);
        }
        ASSERT_EQ(dll.Llama("DllRegisterServer"), S_OK);
        for (const auto& e : escritos) {
            EXPECT_EQ(Lee(HKEY_CURRENT_USER, Utf16(e.at(0)), Utf16(e.at(1))),
                      e.at(2) == "@DLL@" ? soporte::Utf8(dll.Ruta()) : e.at(2))
                << e.at(0);
        }
        ASSERT_EQ(dll.Llama("DllUnregisterServer"), S_OK);
        for (const auto& e : escritos) {
            EXPECT_FALSE(Existe(HKEY_CURRENT_USER, Utf16(e.at(0)))) << e.at(0);
        }
        EXPECT_TRUE(Existe(HKEY_CURRENT_USER, L"Software\\Classes\\CLSID") || !conOtro);
        EXPECT_EQ(Existe(HKEY_CURRENT_USER, kVB), conOtro);
        EXPECT_EQ(Lee(HKEY_CURRENT_USER, otro, L"LoadBehavior"), conOtro ? "#3" : "-");
    }
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kVB.c_str());
}

// Per machine (what wine's CoCreateInstance sees): made by its ProgID, both faces of its
// connection interface, the names of its members; the DLL may go once the object is released.
TEST(Componente, PorMaquinaSeCreaPorSuProgIdYSeDescargaAlSoltarlo) {
    Dll dll;
    ASSERT_EQ(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    EXPECT_EQ(dll.Llama("DllInstall", TRUE, L"otro"), E_INVALIDARG);
    ASSERT_EQ(dll.Llama("DllInstall", TRUE, L"machine"), S_OK);
    EXPECT_EQ(Lee(HKEY_LOCAL_MACHINE, kClsid + L"\\InprocServer32", L""),
              soporte::Utf8(dll.Ruta()));
    EXPECT_FALSE(Existe(HKEY_CURRENT_USER, kAddIns)); // the add-in manager's entry is per user
    CLSID clsid{};
    ASSERT_EQ(::CLSIDFromProgID(L"Lintrap.Connect", &clsid), S_OK);
    EXPECT_TRUE(IsEqualCLSID(clsid, dll::CLSID_Connect));
    dll::IDTExtensibility2* connect = nullptr;
    ASSERT_EQ(::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, dll::IID_IDTExtensibility2,
                                 reinterpret_cast<void**>(&connect)),
              S_OK);
    IDispatch* disp = nullptr;
    ASSERT_EQ(connect->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&disp)), S_OK);
    EXPECT_EQ(static_cast<IDispatch*>(connect), disp);
    const struct {
        const wchar_t* nombre;
        DISPID id;
    } nombres[] = {{L"OnConnection", 1},      {L"ondisconnection", 2}, {L"OnAddInsUpdate", 3},
                   {L"OnStartupComplete", 4}, {L"OnBeginShutdown", 5}, {L"Show", DISPID_UNKNOWN}};
    for (const auto& n : nombres) {
        DISPID id = 0;
        LPOLESTR nombre = const_cast<LPOLESTR>(n.nombre);
        EXPECT_EQ(disp->GetIDsOfNames(IID_NULL, &nombre, 1, 0, &id),
                  n.id == DISPID_UNKNOWN ? DISP_E_UNKNOWNNAME : S_OK);
        EXPECT_EQ(id, n.id);
    }
    EXPECT_EQ(dll.Llama("DllCanUnloadNow"), S_FALSE);
    disp->Release();
    connect->Release();
    EXPECT_EQ(dll.Llama("DllCanUnloadNow"), S_OK);
    ASSERT_EQ(dll.Llama("DllInstall", FALSE, L"machine"), S_OK);
    EXPECT_FALSE(Existe(HKEY_LOCAL_MACHINE, kClsid));
    EXPECT_NE(::CLSIDFromProgID(L"Lintrap.Connect", &clsid), S_OK);
    ::CoUninitialize();
}

const std::wstring kAjustes = L"Software\\VB and VBA Program Settings\\Lintrap\\Settings";

// The add-in's main window while shown, else null. A change towards `esperada` is waited for
// a little: wine may still be starting its desktop when the first window opens.
HWND Ventana(bool esperada) {
    HWND v = nullptr;
    for (int i = 0; i < 60; ++i, ::Sleep(50)) {
        soporte::Procesa();
        v = ::FindWindowW(nullptr, L"AddIn Lintrap - Quovant");
        v = v && ::IsWindowVisible(v) ? v : nullptr;
        if ((v != nullptr) == esperada) {
            break;
        }
    }
    return v;
}

// The connection interface called as the environment may: by its vtable, or by name (through
// the add-in's own late binding) with AddInInst Nothing, custom() left out and the mode of
// another type, which the server converts. Connects when given the environment.
HRESULT Llama(dll::IDTExtensibility2* c, bool porNombre, IDispatch* app, LONG modo) {
    if (!porNombre) {
        return app ? c->OnConnection(app, modo, nullptr, nullptr)
                   : c->OnDisconnection(modo, nullptr);
    }
    hostcom::Valor entorno = hostcom::Valor::Objeto(app), nada = hostcom::Valor::Objeto(nullptr);
    hostcom::Valor corto, falta;
    corto.v.vt = VT_I2;
    corto.v.iVal = SHORT(modo);
    falta.v.vt = VT_ERROR;
    falta.v.scode = DISP_E_PARAMNOTFOUND;
    try {
        hostcom::Despacho d(1252);
        app ? d.Llama(c, "Connect", "OnConnection", {&entorno, &corto, &nada, &falta})
            : d.Llama(c, "Connect", "OnDisconnection", {&corto, &falta});
        return S_OK;
    } catch (const ErrorVB& e) {
        ADD_FAILURE() << e.Description;
        return E_FAIL;
    }
}

// The component as the environment runs it, each connection of tests/data/dll/conexiones.txt
// against the stand-in environment over the example project: the menu entry, whether the main
// window opens by itself, the entry's click; the main window over the environment's project,
// owned by the environment's window (or, lacking one, by its front window); its "Salir"; and at
// disconnection the entry, the window and every reference to the environment gone, and whether
// the window was shown remembered. What the window's commands do is the behaviour's (tests/ui)
// and the engine's (tests/engine); the environment's edits over COM, tests/com.
TEST(Componente, ConectadoAlEntornoAbreSuVentanaYAlDesconectarNoDejaNada) {
    Dll dll;
    ASSERT_EQ(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    ASSERT_EQ(dll.Llama("DllInstall", TRUE, L"machine"), S_OK);
    HWND entornoVentana = ::CreateWindowExW(0, L"STATIC", L"Entorno", WS_OVERLAPPEDWINDOW, 0, 0,
                                            200, 100, nullptr, nullptr, nullptr, nullptr);
    for (const auto& c : soporte::Tabla("dll/conexiones.txt")) {
        SCOPED_TRACE(c.at(0));
        const auto si = [&c](std::size_t k) { return c.at(k) == "1"; };
        const LONG modo = std::stol(c.at(1));
        const bool porNombre = si(3), entrada = si(6), ventana = si(7), clic = si(8);
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kAjustes.c_str());
        if (!c.at(2).empty()) {
            ::RegSetKeyValueW(HKEY_CURRENT_USER, kAjustes.c_str(), L"DisplayOnConnect", REG_SZ,
                              Utf16(c.at(2)).c_str(), DWORD(2 * (c.at(2).size() + 1)));
        }
        soporte::Carpeta carpeta;
        falso::Entorno entorno(soporte::CopiaDemo(carpeta.Ruta()));
        if (!si(4)) {
            entorno.QuitaBarraAddIns();
        }
        entorno.PonVentana(si(5) ? long(LONG_PTR(entornoVentana)) : 0);
        ::ShowWindow(entornoVentana, SW_SHOW);
        ::SetForegroundWindow(entornoVentana);
        dll::IDTExtensibility2* connect = nullptr;
        ASSERT_EQ(::CoCreateInstance(dll::CLSID_Connect, nullptr, CLSCTX_INPROC_SERVER,
                                     dll::IID_IDTExtensibility2,
                                     reinterpret_cast<void**>(&connect)),
                  S_OK);
        ASSERT_EQ(Llama(connect, porNombre, entorno.VBE(), modo), S_OK);
        const auto menu = entorno.Menu();
        ASSERT_EQ(menu.size(), entrada ? 1u : 0u);
        if (entrada) {
            EXPECT_EQ(menu[0].caption, "Quovant Lintrap");
        }
        EXPECT_EQ(Ventana(ventana) != nullptr, ventana);
        if (clic) {
            EXPECT_EQ(entorno.Clic(0), 1);
        }
        if (HWND v = ventana || clic ? Ventana(true) : nullptr) {
            EXPECT_EQ(::GetWindow(v, GW_OWNER), entornoVentana);
            EXPECT_EQ(soporte::Filas(::FindWindowExW(v, nullptr, L"ListBox", nullptr)),
                      (std::vector<std::string>{"clsCliente", "frmCliente", "frmPrincipal",
                                                "Utilidades"}));
        }
        if (si(9)) {
            HWND v = Ventana(true);
            soporte::Pulsa(::FindWindowExW(v, nullptr, L"Button", L"Salir"));
            EXPECT_EQ(Ventana(false), nullptr);
        }
        ASSERT_EQ(Llama(connect, porNombre, nullptr, 1), S_OK);
        EXPECT_EQ(::FindWindowW(nullptr, L"AddIn Lintrap - Quovant"), nullptr);
        EXPECT_EQ(entorno.Menu().size() == 1 && entorno.Menu()[0].borrado, entrada);
        EXPECT_EQ(entorno.Sumideros(), 0);
        EXPECT_EQ(Lee(HKEY_CURRENT_USER, kAjustes, L"DisplayOnConnect"), c.at(10));
        connect->Release();
        EXPECT_EQ(dll.Llama("DllCanUnloadNow"), S_OK);
    }
    ::DestroyWindow(entornoVentana);
    dll.Llama("DllInstall", FALSE, L"machine");
    ::CoUninitialize();
}

} // namespace
