#pragma once
// The connection interface of the Add-In Designer library (MSADDNDR.DLL), written by hand as
// Debian's mingw ships no .idl for it. Dual: after IUnknown's and IDispatch's seven slots, its
// five methods in this order, DISPIDs 1 to 5.

#include <oaidl.h>

namespace dll {

// {B65AD801-ABAF-11D0-BB8B-00A0C90F2744}
inline constexpr IID IID_IDTExtensibility2 = {
    0xB65AD801, 0xABAF, 0x11D0, {0xBB, 0x8B, 0x00, 0xA0, 0xC9, 0x0F, 0x27, 0x44}};

// ext_ConnectMode and ext_DisconnectMode are 32-bit enumerations.
struct IDTExtensibility2 : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* Application, LONG ConnectMode,
                                                   IDispatch* AddInInst, SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnDisconnection(LONG RemoveMode, SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) = 0;
};

// The DISPIDs, in the vtable's order.
enum : DISPID {
    kDispOnConnection = 1,
    kDispOnDisconnection,
    kDispOnAddInsUpdate,
    kDispOnStartupComplete,
    kDispOnBeginShutdown,
};

// The class whose ProgID is "Lintrap.Connect": {9A0AE21F-FCE5-4BEF-B11D-CC152AC49166}.
inline constexpr CLSID CLSID_Connect = {
    0x9A0AE21F, 0xFCE5, 0x4BEF, {0xB1, 0x1D, 0xCC, 0x15, 0x2A, 0xC4, 0x91, 0x66}};
inline constexpr const wchar_t* kClsidConnect = L"{9A0AE21F-FCE5-4BEF-B11D-CC152AC49166}";

} // namespace dll
