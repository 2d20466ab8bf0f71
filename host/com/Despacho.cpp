#include "host/com/Despacho.h"

#include "base/plataforma/Texto.h"
#include "base/plataforma/win32/Win32.h"

#include <cstdio>
#include <vector>

namespace hostcom {
namespace {

// VB's numbers for the failures of late binding that come back without an exception.
constexpr long NoAdmite = 438;     // "Object doesn't support this property or method"
constexpr long SinArgumento = 449; // "Argument not optional"
constexpr long Argumentos = 450;   // "Wrong number of arguments or invalid property assignment"

std::string Hex(HRESULT hr) {
    char t[16];
    std::snprintf(t, sizeof t, "0x%08lX", static_cast<unsigned long>(hr));
    return t;
}

std::string Utf8DeBstr(BSTR b) {
    return b ? plataforma::win32::Utf8(std::wstring_view(b, ::SysStringLen(b))) : std::string();
}

} // namespace

Valor Valor::Numero(long n) {
    Valor r;
    r.v.vt = VT_I4;
    r.v.lVal = n;
    return r;
}

Valor Valor::Logico(bool b) {
    Valor r;
    r.v.vt = VT_BOOL;
    r.v.boolVal = b ? VARIANT_TRUE : VARIANT_FALSE;
    return r;
}

Valor Valor::Objeto(IDispatch* p) {
    Valor r;
    r.v.vt = VT_DISPATCH;
    r.v.pdispVal = p;
    if (p) {
        p->AddRef();
    }
    return r;
}

Valor Valor::Bstr(const std::wstring& w) {
    Valor r;
    r.v.vt = VT_BSTR;
    r.v.bstrVal = ::SysAllocStringLen(w.data(), UINT(w.size()));
    if (!r.v.bstrVal && !w.empty()) {
        throw ErrorVB(vberr::OutOfMemory, "Lintrap", "No queda memoria para el texto");
    }
    return r;
}

Valor Valor::RefNumero(LONG* n) {
    Valor r;
    r.v.vt = VT_BYREF | VT_I4;
    r.v.plVal = n;
    return r;
}

IUnknown* Identidad(IDispatch* p) {
    IUnknown* u = nullptr;
    if (!p || FAILED(p->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&u)))) {
        return p;
    }
    u->Release(); // the object stays alive through `p`
    return u;
}

ErrorVB ErrorDeLlamada(HRESULT hr, const EXCEPINFO& info, const std::string& que) {
    if (hr == DISP_E_EXCEPTION) {
        EXCEPINFO e = info;
        if (e.pfnDeferredFillIn) {
            e.pfnDeferredFillIn(&e);
        }
        long numero = e.wCode;
        if (numero == 0) {
            numero = HRESULT_FACILITY(e.scode) == FACILITY_CONTROL ? HRESULT_CODE(e.scode)
                                                                   : long(e.scode);
        }
        std::string fuente = Utf8DeBstr(e.bstrSource);
        std::string texto = Utf8DeBstr(e.bstrDescription);
        ::SysFreeString(e.bstrSource);
        ::SysFreeString(e.bstrDescription);
        ::SysFreeString(e.bstrHelpFile);
        if (texto.empty()) {
            texto = "Error " + std::to_string(numero) + " en " + que;
        }
        return ErrorVB(numero, fuente.empty() ? que : fuente, texto);
    }
    long numero = long(hr);
    switch (hr) {
    case E_INVALIDARG:
        numero = vberr::InvalidProcedureCall;
        break;
    case E_OUTOFMEMORY:
        numero = vberr::OutOfMemory;
        break;
    case DISP_E_OVERFLOW:
        numero = vberr::Overflow;
        break;
    case DISP_E_BADINDEX:
        numero = vberr::SubscriptOutOfRange;
        break;
    case DISP_E_TYPEMISMATCH:
        numero = vberr::TypeMismatch;
        break;
    case DISP_E_MEMBERNOTFOUND:
    case DISP_E_UNKNOWNNAME:
        numero = NoAdmite;
        break;
    case DISP_E_PARAMNOTOPTIONAL:
        numero = SinArgumento;
        break;
    case DISP_E_BADPARAMCOUNT:
        numero = Argumentos;
        break;
    default:
        break;
    }
    return ErrorVB(numero, que,
                   "El entorno de desarrollo no ha atendido " + que + " (" + Hex(hr) + ")");
}

DISPID Despacho::Id(IDispatch* o, const char* tipo, const char* nombre) {
    std::string clave = std::string(tipo) + '.' + nombre;
    if (auto i = ids_.find(clave); i != ids_.end()) {
        return i->second;
    }
    std::wstring w = plataforma::win32::Utf16(nombre);
    LPOLESTR n = w.data();
    DISPID id = DISPID_UNKNOWN;
    HRESULT hr = o->GetIDsOfNames(IID_NULL, &n, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr)) {
        throw ErrorVB(NoAdmite, clave,
                      "El objeto " + std::string(tipo) + " del entorno no tiene " + nombre + " (" +
                          Hex(hr) + ")");
    }
    ids_.emplace(std::move(clave), id);
    return id;
}

Valor Despacho::Invoca(IDispatch* o, const char* tipo, const char* nombre, WORD flags,
                       std::initializer_list<const Valor*> args, const Valor* puesto) {
    const std::string que = std::string(tipo) + '.' + nombre;
    if (!o) {
        throw ErrorVB(vberr::ObjectNotSet, que, "No hay objeto del entorno para " + que);
    }
    const DISPID id = Id(o, tipo, nombre);
    // Invoke takes the arguments last first; a property's new value goes in front of them.
    std::vector<VARIANTARG> v;
    if (puesto) {
        v.push_back(puesto->v);
    }
    for (auto a = args.end(); a != args.begin();) {
        v.push_back((*--a)->v);
    }
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS p{v.data(), puesto ? &put : nullptr, UINT(v.size()), puesto ? 1u : 0u};
    Valor r;
    EXCEPINFO info{};
    UINT malo = 0;
    HRESULT hr = o->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &p, puesto ? nullptr : &r.v,
                           &info, &malo);
    if (FAILED(hr)) {
        throw ErrorDeLlamada(hr, info, que);
    }
    return r;
}

Valor Despacho::Llama(IDispatch* o, const char* tipo, const char* nombre,
                      std::initializer_list<const Valor*> args) {
    return Invoca(o, tipo, nombre, DISPATCH_METHOD | DISPATCH_PROPERTYGET, args, nullptr);
}

void Despacho::Pon(IDispatch* o, const char* tipo, const char* nombre, const Valor& valor) {
    Invoca(o, tipo, nombre, DISPATCH_PROPERTYPUT, {}, &valor);
}

std::string Despacho::Texto(IDispatch* o, const char* tipo, const char* nombre,
                            std::initializer_list<const Valor*> args) {
    Valor r = Llama(o, tipo, nombre, args);
    return ComoTexto(r.v, nombre);
}

long Despacho::Numero(IDispatch* o, const char* tipo, const char* nombre,
                      std::initializer_list<const Valor*> args) {
    Valor r = Llama(o, tipo, nombre, args);
    if (FAILED(::VariantChangeType(&r.v, &r.v, 0, VT_I4))) {
        throw ErrorVB(vberr::TypeMismatch, std::string(tipo) + '.' + nombre,
                      std::string("El entorno no ha dado un número en ") + tipo + '.' + nombre);
    }
    return r.v.lVal;
}

bool Despacho::Logico(IDispatch* o, const char* tipo, const char* nombre,
                      std::initializer_list<const Valor*> args) {
    Valor r = Llama(o, tipo, nombre, args);
    if (FAILED(::VariantChangeType(&r.v, &r.v, 0, VT_BOOL))) {
        throw ErrorVB(vberr::TypeMismatch, std::string(tipo) + '.' + nombre,
                      std::string("El entorno no ha dado un valor lógico en ") + tipo + '.' +
                          nombre);
    }
    return r.v.boolVal != VARIANT_FALSE;
}

Ref Despacho::Objeto(IDispatch* o, const char* tipo, const char* nombre,
                     std::initializer_list<const Valor*> args) {
    Valor r = Llama(o, tipo, nombre, args);
    if (r.v.vt == VT_DISPATCH) {
        return Ref::Comparte(r.v.pdispVal);
    }
    if (r.v.vt == VT_UNKNOWN && r.v.punkVal) {
        IDispatch* d = nullptr;
        if (SUCCEEDED(r.v.punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&d)))) {
            return Ref::Adopta(d);
        }
    }
    if (r.v.vt == VT_EMPTY || r.v.vt == VT_NULL || r.v.vt == VT_UNKNOWN) {
        return {};
    }
    throw ErrorVB(vberr::ObjectRequired, std::string(tipo) + '.' + nombre,
                  std::string("El entorno no ha dado un objeto en ") + tipo + '.' + nombre);
}

Valor Despacho::Cadena(const std::string& bytes) const {
    auto utf8 = plataforma::ConviertePagina(bytes, cp_, plataforma::kUtf8);
    if (!utf8) {
        throw ErrorVB(vberr::InvalidProcedureCall, "Lintrap",
                      "El texto no es válido en la página de códigos " + std::to_string(cp_));
    }
    return Valor::Bstr(plataforma::win32::Utf16(*utf8));
}

std::string Despacho::DeBstr(BSTR b) const {
    const std::string utf8 = Utf8DeBstr(b);
    auto bytes = plataforma::ConviertePagina(utf8, plataforma::kUtf8, cp_);
    if (!bytes) {
        throw ErrorVB(vberr::InvalidProcedureCall, "Lintrap",
                      "El texto del entorno «" + utf8 +
                          "» tiene caracteres que la página de códigos " + std::to_string(cp_) +
                          " no puede guardar");
    }
    return *bytes;
}

std::string Despacho::ComoTexto(const VARIANT& v, const char* que) const {
    if (v.vt == VT_BSTR) {
        return DeBstr(v.bstrVal);
    }
    if (v.vt == VT_BOOL) {
        return v.boolVal != VARIANT_FALSE ? "True" : "False";
    }
    Valor t;
    if (FAILED(::VariantChangeType(&t.v, const_cast<VARIANT*>(&v), 0, VT_BSTR))) {
        throw ErrorVB(vberr::TypeMismatch, que,
                      std::string("El valor de ") + que + " no se puede leer como texto");
    }
    return DeBstr(t.v.bstrVal);
}

} // namespace hostcom
