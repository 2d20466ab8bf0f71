#include "app/dll/ConnectCom.h"

#include "app/dll/Servidor.h"
#include "base/ErrorVB.h"
#include "host/com/VBECom.h"

#include <iterator>

namespace dll {

namespace {

constexpr const wchar_t* kNombres[] = {L"OnConnection", L"OnDisconnection", L"OnAddInsUpdate",
                                       L"OnStartupComplete", L"OnBeginShutdown"};

// What may not cross the interface: a C++ exception becomes a failing HRESULT.
template <class F> HRESULT Protegido(F&& f) noexcept {
    try {
        return f();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

} // namespace

ConnectCom::ConnectCom() : conexion_(CarpetaServidor()) {
    SumaObjeto();
}

ConnectCom::~ConnectCom() {
    Desconecta(0); // released while connected: as when the environment shuts down
    RestaObjeto();
}

HRESULT ConnectCom::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) {
        return E_POINTER;
    }
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) ||
        IsEqualIID(riid, IID_IDTExtensibility2)) {
        *ppv = static_cast<IDTExtensibility2*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG ConnectCom::AddRef() {
    return ++refs_;
}

ULONG ConnectCom::Release() {
    const ULONG n = --refs_;
    if (n == 0) {
        delete this;
    }
    return n;
}

HRESULT ConnectCom::GetTypeInfoCount(UINT* pctinfo) {
    if (!pctinfo) {
        return E_POINTER;
    }
    *pctinfo = 0; // callers bind by name
    return S_OK;
}

HRESULT ConnectCom::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) {
    if (ppTInfo) {
        *ppTInfo = nullptr;
    }
    return DISP_E_BADINDEX;
}

HRESULT ConnectCom::GetIDsOfNames(REFIID, LPOLESTR* rgszNames, UINT cNames, LCID,
                                  DISPID* rgDispId) {
    if (!rgszNames || !rgDispId || cNames == 0) {
        return E_INVALIDARG;
    }
    HRESULT hr = S_OK;
    for (UINT i = 0; i < cNames; ++i) {
        rgDispId[i] = DISPID_UNKNOWN; // the arguments are not named
        hr = DISP_E_UNKNOWNNAME;
    }
    for (DISPID id = 0; id < DISPID(std::size(kNombres)); ++id) {
        if (::CompareStringOrdinal(rgszNames[0], -1, kNombres[id], -1, TRUE) == CSTR_EQUAL) {
            rgDispId[0] = id + kDispOnConnection;
            return cNames == 1 ? S_OK : hr;
        }
    }
    return DISP_E_UNKNOWNNAME;
}

HRESULT ConnectCom::Invoke(DISPID dispIdMember, REFIID, LCID, WORD wFlags, DISPPARAMS* pDispParams,
                           VARIANT* pVarResult, EXCEPINFO*, UINT* puArgErr) {
    if (!(wFlags & DISPATCH_METHOD)) {
        return DISP_E_MEMBERNOTFOUND;
    }
    if (!pDispParams) {
        return E_INVALIDARG;
    }
    if (pVarResult) {
        ::VariantInit(pVarResult);
    }
    VARIANT primero, segundo;
    ::VariantInit(&primero);
    ::VariantInit(&segundo);
    HRESULT hr = S_OK;
    switch (dispIdMember) {
    case kDispOnConnection:
        hr = ::DispGetParam(pDispParams, 0, VT_DISPATCH, &primero, puArgErr);
        if (SUCCEEDED(hr)) {
            hr = ::DispGetParam(pDispParams, 1, VT_I4, &segundo, puArgErr);
        }
        if (SUCCEEDED(hr)) {
            hr = OnConnection(primero.pdispVal, segundo.lVal, nullptr, nullptr);
        }
        break;
    case kDispOnDisconnection:
        hr = ::DispGetParam(pDispParams, 0, VT_I4, &primero, puArgErr);
        if (SUCCEEDED(hr)) {
            hr = OnDisconnection(primero.lVal, nullptr);
        }
        break;
    case kDispOnAddInsUpdate:
    case kDispOnStartupComplete:
    case kDispOnBeginShutdown:
        break;
    default:
        hr = DISP_E_MEMBERNOTFOUND;
    }
    ::VariantClear(&primero);
    ::VariantClear(&segundo);
    return hr;
}

HRESULT ConnectCom::OnConnection(IDispatch* Application, LONG ConnectMode, IDispatch*,
                                 SAFEARRAY**) {
    if (!Application) {
        return E_INVALIDARG;
    }
    return Protegido([&] {
        Desconecta(0); // a second connection without a disconnection starts afresh
        try {
            vbe_ = hostcom::AbreVBE(Application, int(::GetACP()));
            // A handle that is no window (the environment's gone, or not a real one) owns nothing.
            const auto principal = static_cast<HWND>(hostcom::VentanaPrincipal(Application));
            conexion_.propietario = ::IsWindow(principal) ? principal : nullptr;
        } catch (const ErrorVB& e) {
            conexion_.Avisa(e.Description);
            return S_OK;
        }
        conexion_.AddinInstance_OnConnection(*vbe_, int(ConnectMode));
        return S_OK;
    });
}

HRESULT ConnectCom::OnDisconnection(LONG RemoveMode, SAFEARRAY**) {
    return Protegido([&] {
        Desconecta(int(RemoveMode));
        return S_OK;
    });
}

void ConnectCom::Desconecta(int modo) {
    if (vbe_) {
        conexion_.AddinInstance_OnDisconnection(modo);
    }
    conexion_.VBInstance = nullptr;
    conexion_.MenuHandler = nullptr;
    conexion_.MenuEntry = nullptr;
    vbe_.reset();
}

} // namespace dll
