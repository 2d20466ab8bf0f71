// Lintrap.dll as the environment meets it: loaded from its file, registered per user and per
// machine, made by its ProgID, its connection interface found by name; unloadable once every
// object is released; connected to the stand-in environment and driven through its windows.

#include "app/dll/IDTExtensibility2.h"
#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Proyectos.h"
#include "tests/support/com/EntornoCom.h"
#include "tests/support/com/Ventanas.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <variant>

namespace {

namespace fs = std::filesystem;
using Dato = std::variant<std::monostate, std::wstring, DWORD>;

Dato Lee(HKEY raiz, const std::wstring& clave, const wchar_t* nombre) {
    DWORD tipo = 0, bytes = 0;
    if (::RegGetValueW(raiz, clave.c_str(), nombre, RRF_RT_REG_SZ | RRF_RT_REG_DWORD, &tipo,
                       nullptr, &bytes) != ERROR_SUCCESS) {
        return {};
    }
    std::wstring texto(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = DWORD(texto.size() * sizeof(wchar_t));
    ::RegGetValueW(raiz, clave.c_str(), nombre, RRF_RT_REG_SZ | RRF_RT_REG_DWORD, &tipo,
                   texto.data(), &bytes);
    if (tipo == REG_DWORD) {
        return *reinterpret_cast<const DWORD*>(texto.data());
    }
    return std::wstring(texto.c_str());
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
    const struct {
        std::wstring clave;
        const wchar_t* nombre;
        Dato dato;
    } escritos[] = {
        {L"Software\\Classes\\Lintrap.Connect\\CLSID", nullptr, dll::kClsidConnect},
        {kClsid + L"\\InprocServer32", nullptr, dll.Ruta()},
        {kClsid + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
        {kClsid + L"\\ProgID", nullptr, L"Lintrap.Connect"},
        {kAddIns + L"\\Lintrap.Connect", L"FriendlyName", L"Lintrap Quovant "},
        {kAddIns + L"\\Lintrap.Connect", L"Description",
         L"Lista los procedimientos en el proyecto, añade numeros de lineas y una gestion de "
         L"errores basada \r\nen la clase ClsErrores (clase creada también por Quovant)\r\n"},
        {kAddIns + L"\\Lintrap.Connect", L"LoadBehavior", DWORD{0}},
        {kAddIns + L"\\Lintrap.Connect", L"CommandLineSafe", DWORD{0}},
    };
    const std::wstring otro = kAddIns + L"\\Otro.Connect";
    for (const bool conOtro : {false, true}) {
        SCOPED_TRACE(conOtro ? "con otro complemento" : "solo");
        if (conOtro) {
            ::RegSetKeyValueW(HKEY_CURRENT_USER, otro.c_str(), L"LoadBehavior", REG_DWORD,
                              "\3\0\0\0", 4);
        }
        ASSERT_EQ(dll.Llama("DllRegisterServer"), S_OK);
        for (const auto& e : escritos) {
            EXPECT_EQ(Lee(HKEY_CURRENT_USER, e.clave, e.nombre), e.dato)
                << std::string(e.clave.begin(), e.clave.end());
        }
        ASSERT_EQ(dll.Llama("DllUnregisterServer"), S_OK);
        for (const auto& e : escritos) {
            EXPECT_FALSE(Existe(HKEY_CURRENT_USER, e.clave))
                << std::string(e.clave.begin(), e.clave.end());
        }
        EXPECT_FALSE(Existe(HKEY_CURRENT_USER, L"Software\\Classes\\Lintrap.Connect"));
        EXPECT_FALSE(Existe(HKEY_CURRENT_USER, kClsid));
        EXPECT_TRUE(Existe(HKEY_CURRENT_USER, L"Software\\Classes\\CLSID") || !conOtro);
        EXPECT_EQ(Existe(HKEY_CURRENT_USER, kVB), conOtro);
        EXPECT_EQ(Lee(HKEY_CURRENT_USER, otro, L"LoadBehavior"), conOtro ? Dato(DWORD{3}) : Dato());
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
    EXPECT_EQ(Lee(HKEY_LOCAL_MACHINE, kClsid + L"\\InprocServer32", nullptr), Dato(dll.Ruta()));
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

// The `n`-th child of `ventana` of that class (and caption), in the order they were made.
HWND Hijo(HWND ventana, const wchar_t* clase, const wchar_t* texto = nullptr, int n = 0) {
    HWND h = ::FindWindowExW(ventana, nullptr, clase, texto);
    while (h && n-- > 0) {
        h = ::FindWindowExW(ventana, h, clase, texto);
    }
    return h;
}

// The connection interface called as the environment may: by its vtable or by name.
HRESULT Llama(dll::IDTExtensibility2* c, bool porNombre, const wchar_t* metodo, IDispatch* app,
              LONG modo) {
    const bool conecta = std::wstring_view(metodo) == L"OnConnection";
    if (!porNombre) {
        return conecta ? c->OnConnection(app, modo, nullptr, nullptr)
                       : c->OnDisconnection(modo, nullptr);
    }
    DISPID id = 0;
    LPOLESTR nombre = const_cast<LPOLESTR>(metodo);
    if (HRESULT hr = c->GetIDsOfNames(IID_NULL, &nombre, 1, 0, &id); FAILED(hr)) {
        return hr;
    }
    VARIANT args[4]; // in reverse order: custom(), [AddInInst,] mode[, Application]
    for (VARIANT& a : args) {
        ::VariantInit(&a);
    }
    args[0].vt = VT_ERROR;
    args[0].scode = DISP_E_PARAMNOTFOUND;
    UINT n = 2;
    args[1].vt = VT_I4;
    args[1].lVal = modo;
    if (conecta) {
        n = 4;
        args[1].vt = VT_DISPATCH; // AddInInst: Nothing
        args[1].pdispVal = nullptr;
        args[2].vt = VT_I2; // of another type: the server converts it
        args[2].iVal = SHORT(modo);
        args[3].vt = VT_DISPATCH;
        args[3].pdispVal = app;
    }
    DISPPARAMS p{args, nullptr, n, 0};
    return c->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &p, nullptr, nullptr, nullptr);
}

// The example project with the engine's input module added as Modulo1.
fs::path Proyecto(const fs::path& carpeta) {
    const fs::path vbp = soporte::CopiaDemo(carpeta);
    soporte::Escribe(vbp.parent_path() / "Modulo1.bas",
                     soporte::Lee(soporte::Datos("engine/entrada.bas")));
    soporte::Escribe(vbp, soporte::Lee(vbp) + "Module=Modulo1; Modulo1.bas\r\n");
    return vbp;
}

// A command driven in the main window as the user drives it: Modulo1 chosen, the mode and
// variant clicked, every procedure selected (or "Todos los procedimientos" ticked and its
// question answered), Insertar, then Quitar; the module after each as the engine's golden one.
struct Orden {
    const wchar_t* modo;
    const wchar_t* variante; // of the error-handling block, clicked too; null for the others
    bool todos;
    const char* insertado;
    const char* quitado;
    const char* estado; // of every procedure after Insertar
};

// The component as the environment runs it: each connection mode through each face of the
// interface against the stand-in environment over the example project; the menu entry, whether
// the main window opens by itself, the entry's click; the main window owned by the environment's
// (or, lacking one, by its front window), driven through its commands and its controls report;
// its "Salir"; and at disconnection the entry, the window and every reference to the environment
// gone, and whether the window was shown remembered.
TEST(Componente, ConectadoAlEntornoSusOrdenesDejanElCodigoComoElMotor) {
    Dll dll;
    ASSERT_EQ(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    ASSERT_EQ(dll.Llama("DllInstall", TRUE, L"machine"), S_OK);
    const std::vector<std::string> procedimientos = {"Contador", "SubTotal", "Suma", "Vacio"};
    const std::vector<std::string> modulos = {"clsCliente", "frmCliente", "frmPrincipal", "Modulo1",
                                              "Utilidades"};
    const Orden ordenes[] = {
        {L"Números de línea", nullptr, true, "numeros_insertado", "numeros_quitado_modulo", "No"},
        {L"clsErrores", L"Err.Raise", false, "manejo_raise_insertado", "manejo_quitado", "Sí"},
        {L"Resume Next (solamente)", nullptr, true, "resumenext_insertado", "entrada", "Si"},
    };
    const struct {
        LONG modo;
        const wchar_t* ajuste; // DisplayOnConnect before connecting; null: absent
        bool porNombre, entrada, ventana, clic;
        const Orden* orden; // driven in the window, or null
        bool salir;
        const wchar_t* recordado;
        bool menu = true;      // the environment has an "Add-Ins" bar
        bool principal = true; // and a main window
    } casos[] = {
        {0, nullptr, false, true, false, false, nullptr, false, L"0"},
        {0, L"1", true, true, true, false, &ordenes[0], false, L"1"},
        {1, L"1", false, true, false, false, nullptr, false, L"0"}, // never by itself at startup
        {1, nullptr, true, true, false, true, &ordenes[2], true, L"1"},
        {2, nullptr, true, false, true, false, nullptr, false, L"1", true, false},
        {3, L"1", false, true, false, true, &ordenes[1], false, L"1"},
        {0, nullptr, true, false, false, false, nullptr, false, L"0", false},
    };
    HWND entornoVentana = ::CreateWindowExW(0, L"STATIC", L"Entorno", WS_OVERLAPPEDWINDOW, 0, 0,
                                            200, 100, nullptr, nullptr, nullptr, nullptr);
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.modo) + (c.ajuste ? " con ajuste" : "") +
                     (c.porNombre ? " por nombre" : " por la tabla") + (c.menu ? "" : " sin menú") +
                     (c.principal ? "" : " sin ventana principal"));
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kAjustes.c_str());
        if (c.ajuste) {
            ::RegSetKeyValueW(HKEY_CURRENT_USER, kAjustes.c_str(), L"DisplayOnConnect", REG_SZ,
                              c.ajuste, 4);
        }
        soporte::Carpeta carpeta;
        falso::Entorno entorno(Proyecto(carpeta.Ruta()));
        if (!c.menu) {
            entorno.QuitaBarraAddIns();
        }
        entorno.PonVentana(c.principal ? long(LONG_PTR(entornoVentana)) : 0);
        ::ShowWindow(entornoVentana, SW_SHOW);
        ::SetForegroundWindow(entornoVentana);
        dll::IDTExtensibility2* connect = nullptr;
        ASSERT_EQ(::CoCreateInstance(dll::CLSID_Connect, nullptr, CLSCTX_INPROC_SERVER,
                                     dll::IID_IDTExtensibility2,
                                     reinterpret_cast<void**>(&connect)),
                  S_OK);
        ASSERT_EQ(Llama(connect, c.porNombre, L"OnConnection", entorno.VBE(), c.modo), S_OK);
        const auto menu = entorno.Menu();
        ASSERT_EQ(menu.size(), c.entrada ? 1u : 0u);
        if (c.entrada) {
            EXPECT_EQ(menu[0].caption, "Quovant Lintrap");
        }
        EXPECT_EQ(Ventana(c.ventana) != nullptr, c.ventana);
        if (c.clic) {
            EXPECT_EQ(entorno.Clic(0), 1);
        }
        if (HWND v = c.ventana || c.clic ? Ventana(true) : nullptr) {
            EXPECT_EQ(::GetWindow(v, GW_OWNER), entornoVentana);
        }
        if (c.orden) {
            const Orden& o = *c.orden;
            HWND v = Ventana(true);
            ASSERT_NE(v, nullptr);
            HWND lista = Hijo(v, L"ListBox"), procs = Hijo(v, L"ListBox", nullptr, 1);
            const auto ordena = [&](const wchar_t* boton) {
                soporte::Pulsa(
                    v, lista,
                    int(::SendMessageW(lista, LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(L"Modulo1"))));
                soporte::Pulsa(v, Hijo(v, L"Button", o.modo));
                if (o.variante) {
                    soporte::Pulsa(v, Hijo(v, L"Button", o.variante));
                }
                soporte::RespondeCajas cajas({IDYES});
                HWND todos = Hijo(v, L"Button", L"Todos los procedimientos");
                if (o.todos) {
                    if (!::SendMessageW(todos, BM_GETCHECK, 0, 0)) {
                        soporte::Pulsa(v, todos);
                    }
                } else {
                    ::SendMessageW(procs, LB_SETSEL, TRUE, -1);
                    ::SendMessageW(v, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(procs), LBN_SELCHANGE),
                                   LPARAM(procs));
                }
                soporte::Pulsa(v, Hijo(v, L"Button", boton));
                return cajas.Textos();
            };
            // All procedures are asked for; the first error-handling block adds the runtime.
            EXPECT_EQ(ordena(L"Insertar"),
                      std::vector<std::string>{
                          o.todos ? "Lintrap: ¿Seguro que quiere insertar en todos los "
                                    "procedimientos en este módulo?"
                                  : "Lintrap: Se ha añadido una clase para manejo de errores "
                                    "(clsErrores.cls) y un módulo (InfoSistema.bas)"});
            EXPECT_EQ(entorno.Codigo("Modulo1"),
                      soporte::Lee(soporte::Datos(std::string("engine/") + o.insertado + ".bas")));
            // The runtime's modules join the list with the first error-handling block.
            auto esperados = modulos;
            if (o.variante) {
                esperados.insert(esperados.begin() + 1, "clsErrores");
                esperados.insert(esperados.begin() + 4, "InfoSistema");
            }
            EXPECT_EQ(soporte::Filas(lista), esperados);
            EXPECT_EQ(soporte::Filas(procs), procedimientos);
            EXPECT_EQ(soporte::Filas(Hijo(v, L"ListBox", nullptr, 2)),
                      std::vector<std::string>(4, o.estado));
            EXPECT_FALSE(soporte::Lee(Hijo(v, PROGRESS_CLASSW)).visible);
            ordena(L"Quitar");
            EXPECT_EQ(entorno.Codigo("Modulo1"),
                      soporte::Lee(soporte::Datos(std::string("engine/") + o.quitado + ".bas")));

            // A control's report, from the controls window, to the clipboard as Unicode text.
            HMENU utilidades = ::GetSubMenu(::GetMenu(v), 1);
            ::SendMessageW(v, WM_COMMAND, ::GetMenuItemID(utilidades, 2), 0);
            HWND informe = ::FindWindowW(L"LintrapVentana", L"Informe Controles");
            ASSERT_NE(informe, nullptr);
            EXPECT_EQ(::GetWindow(informe, GW_OWNER), v);
            soporte::Pulsa(informe, Hijo(informe, L"ListBox", nullptr, 1), 1); // frmCliente
            soporte::Pulsa(informe, Hijo(informe, L"ListBox", nullptr, 3), 3); // txtCodigoPostal
            soporte::Pulsa(informe, Hijo(informe, L"Button", L"Copiar al portapapeles"));
            const std::string copiado = soporte::Portapapeles();
            const std::string cabecera = "PROYECTO: Demo\r\nCONTROL: txtCodigoPostal (contenido en "
                                         "frmCliente)\r\nTIPO DE CONTROL: TextBox\r\n" +
                                         std::string(50, '-') + "\r\n";
            EXPECT_EQ(copiado.substr(0, cabecera.size()), cabecera);
            EXPECT_NE(copiado.find("\r\n\r\n\r\n\r\n\r\nAddIn Lintrap por Quovant\r\n"),
                      std::string::npos)
                << copiado;
        }
        if (c.salir) {
            soporte::Pulsa(Ventana(true), Hijo(Ventana(true), L"Button", L"Salir"));
            EXPECT_EQ(Ventana(false), nullptr);
            EXPECT_EQ(::FindWindowW(L"LintrapVentana", L"Informe Controles"), nullptr);
        }
        ASSERT_EQ(Llama(connect, c.porNombre, L"OnDisconnection", nullptr, 1), S_OK);
        EXPECT_EQ(::FindWindowW(nullptr, L"AddIn Lintrap - Quovant"), nullptr);
        EXPECT_EQ(::FindWindowW(L"LintrapVentana", L"Informe Controles"), nullptr);
        EXPECT_EQ(entorno.Menu().size() == 1 && entorno.Menu()[0].borrado, c.entrada);
        EXPECT_EQ(entorno.Sumideros(), 0);
        EXPECT_EQ(Lee(HKEY_CURRENT_USER, kAjustes, L"DisplayOnConnect"), Dato(c.recordado));
        connect->Release();
        EXPECT_EQ(dll.Llama("DllCanUnloadNow"), S_OK);
    }
    ::DestroyWindow(entornoVentana);
    dll.Llama("DllInstall", FALSE, L"machine");
    ::CoUninitialize();
}

} // namespace
