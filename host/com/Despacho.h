#pragma once
// Late binding to the environment's objects: a counted reference, an owned VARIANT, and calls by
// name whose DISPIDs are looked up once per (type, name). Text crosses as BSTR (UTF-16) and is
// the project's code page on our side; a failing call becomes ErrorVB.

#include "base/ErrorVB.h"

#include <windows.h>

#include <oaidl.h>

#include <initializer_list>
#include <map>
#include <string>

namespace hostcom {

// One counted reference to an IDispatch.
class Ref {
public:
    Ref() = default;
    // Takes over a reference the caller owns.
    static Ref Adopta(IDispatch* p) {
        Ref r;
        r.p_ = p;
        return r;
    }
    // Adds a reference of its own.
    static Ref Comparte(IDispatch* p) {
        if (p) {
            p->AddRef();
        }
        return Adopta(p);
    }
    Ref(const Ref& o) : p_(o.p_) {
        if (p_) {
            p_->AddRef();
        }
    }
    Ref(Ref&& o) noexcept : p_(o.p_) { o.p_ = nullptr; }
    Ref& operator=(Ref o) noexcept {
        std::swap(p_, o.p_);
        return *this;
    }
    ~Ref() {
        if (p_) {
            p_->Release();
        }
    }
    IDispatch* get() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

private:
    IDispatch* p_ = nullptr;
};

// A VARIANT that clears itself.
struct Valor {
    VARIANT v;
    Valor() { ::VariantInit(&v); }
    Valor(const Valor&) = delete;
    Valor& operator=(const Valor&) = delete;
    Valor(Valor&& o) noexcept : v(o.v) { ::VariantInit(&o.v); }
    ~Valor() { ::VariantClear(&v); }

    static Valor Numero(long n);
    static Valor Logico(bool b);
    static Valor Objeto(IDispatch* p); // adds a reference
    static Valor Bstr(const std::wstring& w);
    // A LONG of the caller's, passed by reference.
    static Valor RefNumero(LONG* n);
};

// The identity of a COM object (its IUnknown), to recognise one object handed out twice.
IUnknown* Identidad(IDispatch* p);

// The calls of one environment: its code page and the DISPIDs found so far.
class Despacho {
public:
    explicit Despacho(int paginaCodigos) : cp_(paginaCodigos) {}

    // A method call or property read of `tipo`.`nombre` with the arguments in call order.
    // Raises ErrorVB: the environment's own error, or one that names the call.
    Valor Llama(IDispatch* objeto, const char* tipo, const char* nombre,
                std::initializer_list<const Valor*> args = {});
    void Pon(IDispatch* objeto, const char* tipo, const char* nombre, const Valor& valor);

    // The same calls, the result converted; Objeto gives an empty Ref for Nothing.
    std::string Texto(IDispatch* o, const char* tipo, const char* nombre,
                      std::initializer_list<const Valor*> args = {});
    long Numero(IDispatch* o, const char* tipo, const char* nombre,
                std::initializer_list<const Valor*> args = {});
    bool Logico(IDispatch* o, const char* tipo, const char* nombre,
                std::initializer_list<const Valor*> args = {});
    Ref Objeto(IDispatch* o, const char* tipo, const char* nombre,
               std::initializer_list<const Valor*> args = {});

    // Text between the project's code page and UTF-16; text the code page cannot hold raises
    // error 5 naming it.
    Valor Cadena(const std::string& bytes) const;
    std::string DeBstr(BSTR b) const;
    // Any value as text, as VB's CStr would show it (Boolean "True"/"False").
    std::string ComoTexto(const VARIANT& v, const char* que) const;

    int Pagina() const { return cp_; }

private:
    DISPID Id(IDispatch* o, const char* tipo, const char* nombre);
    Valor Invoca(IDispatch* o, const char* tipo, const char* nombre, WORD flags,
                 std::initializer_list<const Valor*> args, const Valor* puesto);

    int cp_;
    std::map<std::string, DISPID, std::less<>> ids_;
};

// The ErrorVB for a failed Invoke of `que` ("Type.Member"); frees the strings of `info`.
ErrorVB ErrorDeLlamada(HRESULT hr, const EXCEPINFO& info, const std::string& que);

} // namespace hostcom
