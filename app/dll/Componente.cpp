// The in-process server's entry points: the class factory of "Lintrap.Connect", whether the
// DLL may be unloaded, and its registration per user (DllRegisterServer) or per machine
// (DllInstall with "machine").

#include "app/dll/ConnectCom.h"
#include "app/dll/RegistroCom.h"
#include "app/dll/Servidor.h"
#include "base/plataforma/Biblioteca.h"
#include "base/plataforma/win32/Win32.h"
#include "host/com/VBECom.h"

#include <atomic>
#include <new>

namespace dll {

namespace {

std::atomic<long> objetos{0}, cerrojos{0};

// One factory for the life of the DLL: its references do not keep the server alive, its locks do.
class Fabrica final : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv) {
            return E_POINTER;
        }
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
            *ppv = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override {
        if (!ppv) {
            return E_POINTER;
        }
        *ppv = nullptr;
        if (outer) {
            return CLASS_E_NOAGGREGATION;
        }
        auto* c = new (std::nothrow) ConnectCom();
        if (!c) {
            return E_OUTOFMEMORY;
        }
        const HRESULT hr = c->QueryInterface(riid, ppv);
        c->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL fLock) override {
        Bloquea(fLock != FALSE);
        return S_OK;
    }
};

Fabrica fabrica;

// "machine" or "user" (also none), case aside; anything else is not ours to interpret.
bool AmbitoDe(LPCWSTR texto, Ambito& ambito) {
    if (!texto || !*texto || ::CompareStringOrdinal(texto, -1, L"user", -1, TRUE) == CSTR_EQUAL) {
        ambito = Ambito::Usuario;
        return true;
    }
    if (::CompareStringOrdinal(texto, -1, L"machine", -1, TRUE) == CSTR_EQUAL) {
        ambito = Ambito::Maquina;
        return true;
    }
    return false;
}

} // namespace

void SumaObjeto() {
    ++objetos;
}
void RestaObjeto() {
    --objetos;
}
void Bloquea(bool bloquear) {
    bloquear ? ++cerrojos : --cerrojos;
}
bool SinUso() {
    return objetos == 0 && cerrojos == 0;
}

std::wstring RutaServidor() {
    return plataforma::ArchivoQueContiene(reinterpret_cast<const void*>(&RutaServidor)).wstring();
}

std::string CarpetaServidor() {
    const auto ruta = plataforma::ArchivoQueContiene(reinterpret_cast<const void*>(&RutaServidor));
    return ruta.empty() ? std::string(".") : plataforma::win32::Utf8(ruta.parent_path().wstring());
}

} // namespace dll

extern "C" {

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv) {
    if (!ppv) {
        return E_POINTER;
    }
    *ppv = nullptr;
    if (!IsEqualCLSID(rclsid, dll::CLSID_Connect)) {
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return dll::fabrica.QueryInterface(riid, ppv);
}

STDAPI DllCanUnloadNow() {
    // A click sink still advised would call into the DLL after it is gone.
    return dll::SinUso() && hostcom::SumiderosVivos() == 0 ? S_OK : S_FALSE;
}

STDAPI DllRegisterServer() {
    return dll::Registra(dll::Ambito::Usuario, dll::RutaServidor());
}

STDAPI DllUnregisterServer() {
    return dll::Desregistra(dll::Ambito::Usuario);
}

STDAPI DllInstall(BOOL bInstall, LPCWSTR pszCmdLine) {
    dll::Ambito ambito;
    if (!dll::AmbitoDe(pszCmdLine, ambito)) {
        return E_INVALIDARG;
    }
    return bInstall ? dll::Registra(ambito, dll::RutaServidor()) : dll::Desregistra(ambito);
}

} // extern "C"
