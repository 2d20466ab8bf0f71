#pragma once
// The class "Lintrap.Connect" that the environment's add-in manager creates: the connection
// interface, through its vtable and through IDispatch, handed to the shared behaviour over the
// environment's object model.

#include "app/dll/ConexionWin32.h"
#include "app/dll/IDTExtensibility2.h"

#include <atomic>
#include <memory>

namespace dll {

class ConnectCom final : public IDTExtensibility2 {
public:
    ConnectCom();
    ConnectCom(const ConnectCom&) = delete;
    ConnectCom& operator=(const ConnectCom&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* rgszNames, UINT cNames, LCID,
                                            DISPID* rgDispId) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID, LCID, WORD wFlags,
                                     DISPPARAMS* pDispParams, VARIANT* pVarResult,
                                     EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

    HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* Application, LONG ConnectMode,
                                           IDispatch* AddInInst, SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnDisconnection(LONG RemoveMode, SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY**) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY**) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY**) override { return S_OK; }

private:
    ~ConnectCom();
    // When connected: the disconnection's steps, then the environment let go (the menu entry's
    // events and every object of its model), so that the DLL may be unloaded.
    void Desconecta(int modo);

    std::atomic<ULONG> refs_{1};
    ConexionWin32 conexion_;
    std::unique_ptr<vbide::VBE> vbe_;
};

} // namespace dll
