#pragma once
// The stand-in environment's COM objects: IDispatch by a table of names (no type library),
// DISPIDs in the order the names were given; text is the model's code page on this side; an
// ErrorVB thrown by a member goes back as DISP_E_EXCEPTION with scode 0x800A0000 + its number.

#include "base/ErrorVB.h"

#include <windows.h>

#include <oaidl.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace falso {

// The stand-in objects alive now, of every kind.
long ObjetosVivos();

// One call's arguments in call order (the value of a property put apart) and its result.
class Llamada {
public:
    Llamada(int cp, WORD flags, DISPPARAMS* p, VARIANT* resultado);
    bool EsTexto(std::size_t i) const;
    // Text in the code page; a path (`cp` CP_UTF8) is UTF-8, as every file name.
    std::string Texto(std::size_t i, int cp = -1) const;
    // A missing optional argument gives `omision`; a missing required one raises error 449.
    long Numero(std::size_t i, std::optional<long> omision = {}) const;
    bool Logico(std::size_t i, bool omision) const;
    IDispatch* Objeto(std::size_t i) const;
    // Writes back an argument passed by reference.
    void Escribe(std::size_t i, long valor);
    // The value put; a call that puts nothing raises error 13.
    std::string Puesto() const;
    // The result: text, a number, a Boolean or an object (null: Nothing).
    template <class T> void Devuelve(const T& valor);

private:
    VARIANT Convertido(VARIANT* v, std::size_t i, VARTYPE vt) const;
    bool Falta(std::size_t i) const;
    int cp_;
    std::vector<VARIANT*> args_;
    VARIANT* puesto_ = nullptr;
    VARIANT* resultado_;
};

// Text between the code page and UTF-16, by the system's own tables.
std::wstring Ancho(const std::string& bytes, int cp);
std::string Estrecho(const wchar_t* w, std::size_t n, int cp);

template <class T> void Llamada::Devuelve(const T& valor) {
    if (!resultado_) {
        return;
    }
    if constexpr (std::is_same_v<T, bool>) {
        resultado_->vt = VT_BOOL;
        resultado_->boolVal = valor ? VARIANT_TRUE : VARIANT_FALSE;
    } else if constexpr (std::is_integral_v<T>) {
        resultado_->vt = VT_I4;
        resultado_->lVal = long(valor);
    } else if constexpr (std::is_convertible_v<T, IDispatch*>) {
        resultado_->vt = VT_DISPATCH;
        resultado_->pdispVal = valor;
        if (valor) {
            valor->AddRef();
        }
    } else {
        const std::wstring w = Ancho(valor, cp_);
        resultado_->vt = VT_BSTR;
        resultado_->bstrVal = ::SysAllocStringLen(w.data(), UINT(w.size()));
    }
}

class Despachable : public IDispatch {
public:
    using Metodo = std::function<void(Llamada&)>;
    explicit Despachable(int cp);
    Despachable(const Despachable&) = delete;
    Despachable& operator=(const Despachable&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* nombres, UINT n, LCID,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* p,
                                     VARIANT* resultado, EXCEPINFO* info, UINT*) override;

    // A member: DISPIDs go in the order the members were given.
    void Miembro(const wchar_t* nombre, Metodo m);
    // The child object kept for `clave` (made by `crea` the first time), as VB hands out the
    // same object for the same thing.
    IDispatch* Hijo(const void* clave, const std::function<Despachable*()>& crea);

protected:
    virtual ~Despachable();
    // Another interface of the object, or null.
    virtual void* Interfaz(REFIID) { return nullptr; }
    int cp_;

private:
    LONG refs_ = 1;
    std::vector<std::pair<std::wstring, Metodo>> miembros_;
    std::map<const void*, IDispatch*> hijos_;
};

} // namespace falso
