#include "tests/support/com/Despachable.h"

#include <atomic>
#include <optional>

namespace falso {
namespace {
std::atomic<long> vivos{0};
constexpr long SinArgumento = 449;

BSTR Bstr(const std::string& bytes, int cp) {
    const std::wstring w = Ancho(bytes, cp);
    return ::SysAllocStringLen(w.data(), UINT(w.size()));
}
HRESULT Excepcion(const ErrorVB& e, VARIANT* resultado, EXCEPINFO* info) {
    if (resultado) {
        ::VariantClear(resultado);
    }
    if (info) {
        *info = EXCEPINFO{};
        info->scode = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, e.Number & 0xFFFF);
        info->bstrSource = Bstr(e.Source, CP_UTF8);
        info->bstrDescription = Bstr(e.Description, CP_UTF8);
    }
    return DISP_E_EXCEPTION;
}

} // namespace

long ObjetosVivos() {
    return vivos;
}

std::wstring Ancho(const std::string& bytes, int cp) {
    if (bytes.empty()) {
        return {};
    }
    const int n = ::MultiByteToWideChar(UINT(cp), 0, bytes.data(), int(bytes.size()), nullptr, 0);
    std::wstring w(std::size_t(n), L'\0');
    ::MultiByteToWideChar(UINT(cp), 0, bytes.data(), int(bytes.size()), w.data(), n);
    return w;
}

std::string Estrecho(const wchar_t* w, std::size_t n, int cp) {
    if (n == 0) {
        return {};
    }
    BOOL perdido = FALSE;
    const int m = ::WideCharToMultiByte(UINT(cp), 0, w, int(n), nullptr, 0, nullptr, &perdido);
    std::string s(std::size_t(m), '\0');
    ::WideCharToMultiByte(UINT(cp), 0, w, int(n), s.data(), m, nullptr, &perdido);
    if (perdido) {
        throw ErrorVB(vberr::InvalidProcedureCall, "Falso", "texto fuera de la página de códigos");
    }
    return s;
}

Llamada::Llamada(int cp, WORD flags, DISPPARAMS* p, VARIANT* resultado)
    : cp_(cp), resultado_(resultado) {
    std::size_t n = p ? p->cArgs : 0;
    std::size_t primero = 0;
    if ((flags & DISPATCH_PROPERTYPUT) && n > 0) {
        puesto_ = &p->rgvarg[0];
        primero = 1;
    }
    for (std::size_t i = n; i > primero; --i) {
        args_.push_back(&p->rgvarg[i - 1]);
    }
}

bool Llamada::Falta(std::size_t i) const {
    return i >= args_.size() ||
           (args_[i]->vt == VT_ERROR && args_[i]->scode == DISP_E_PARAMNOTFOUND);
}

VARIANT Llamada::Convertido(VARIANT* valor, std::size_t i, VARTYPE vt) const {
    VARIANT v, copia;
    ::VariantInit(&v);
    ::VariantInit(&copia);
    const bool hecho = SUCCEEDED(::VariantCopyInd(&copia, valor)) &&
                       SUCCEEDED(::VariantChangeType(&v, &copia, 0, vt));
    ::VariantClear(&copia);
    if (!hecho) {
        throw ErrorVB(vberr::TypeMismatch, "Falso", "argumento " + std::to_string(i + 1));
    }
    return v;
}

bool Llamada::EsTexto(std::size_t i) const {
    return !Falta(i) && (args_[i]->vt & VT_TYPEMASK) == VT_BSTR;
}

std::string Llamada::Texto(std::size_t i, int cp) const {
    if (Falta(i)) {
        throw ErrorVB(SinArgumento, "Falso", "falta el argumento " + std::to_string(i + 1));
    }
    VARIANT v = Convertido(args_[i], i, VT_BSTR);
    std::string s = Estrecho(v.bstrVal, ::SysStringLen(v.bstrVal), cp < 0 ? cp_ : cp);
    ::VariantClear(&v);
    return s;
}

std::string Llamada::Puesto() const {
    if (!puesto_) {
        throw ErrorVB(vberr::TypeMismatch, "Falso", "solo se puede poner");
    }
    VARIANT v = Convertido(puesto_, 0, VT_BSTR);
    std::string s = Estrecho(v.bstrVal, ::SysStringLen(v.bstrVal), cp_);
    ::VariantClear(&v);
    return s;
}

long Llamada::Numero(std::size_t i, std::optional<long> omision) const {
    if (Falta(i) && omision) {
        return *omision;
    }
    if (Falta(i)) {
        throw ErrorVB(SinArgumento, "Falso", "falta el argumento " + std::to_string(i + 1));
    }
    return Convertido(args_[i], i, VT_I4).lVal;
}

bool Llamada::Logico(std::size_t i, bool omision) const {
    return Falta(i) ? omision : Convertido(args_[i], i, VT_BOOL).boolVal != VARIANT_FALSE;
}

IDispatch* Llamada::Objeto(std::size_t i) const {
    if (Falta(i) || (args_[i]->vt & VT_TYPEMASK) != VT_DISPATCH) {
        throw ErrorVB(vberr::TypeMismatch, "Falso", "se esperaba un objeto");
    }
    return (args_[i]->vt & VT_BYREF) ? *args_[i]->ppdispVal : args_[i]->pdispVal;
}

void Llamada::Escribe(std::size_t i, long valor) {
    if (Falta(i) || args_[i]->vt != (VT_BYREF | VT_I4)) {
        throw ErrorVB(vberr::TypeMismatch, "Falso",
                      "el argumento " + std::to_string(i + 1) + " no va por referencia");
    }
    *args_[i]->plVal = valor;
}

Despachable::Despachable(int cp) : cp_(cp) {
    ++vivos;
}

Despachable::~Despachable() {
    for (auto& [clave, hijo] : hijos_) {
        hijo->Release();
    }
    --vivos;
}

void Despachable::Miembro(const wchar_t* nombre, Metodo m) {
    miembros_.emplace_back(nombre, std::move(m));
}

IDispatch* Despachable::Hijo(const void* clave, const std::function<Despachable*()>& crea) {
    IDispatch*& h = hijos_[clave];
    if (!h) {
        h = crea();
    }
    return h;
}

HRESULT Despachable::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) {
        return E_POINTER;
    }
    void* otra = Interfaz(riid);
    if (!otra && (riid == IID_IUnknown || riid == IID_IDispatch)) {
        otra = static_cast<IDispatch*>(this);
    }
    *ppv = otra;
    if (!otra) {
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG Despachable::AddRef() {
    return ULONG(::InterlockedIncrement(&refs_));
}

ULONG Despachable::Release() {
    const LONG n = ::InterlockedDecrement(&refs_);
    if (n == 0) {
        delete this;
    }
    return ULONG(n);
}

HRESULT Despachable::GetTypeInfoCount(UINT* n) {
    if (n) {
        *n = 0;
    }
    return S_OK;
}

HRESULT Despachable::GetTypeInfo(UINT, LCID, ITypeInfo**) {
    return E_NOTIMPL;
}

HRESULT Despachable::GetIDsOfNames(REFIID, LPOLESTR* nombres, UINT n, LCID, DISPID* ids) {
    HRESULT hr = S_OK;
    for (UINT k = 0; k < n; ++k) {
        ids[k] = DISPID_UNKNOWN;
        for (std::size_t i = 0; i < miembros_.size(); ++i) {
            if (::CompareStringOrdinal(miembros_[i].first.c_str(), -1, nombres[k], -1, TRUE) ==
                CSTR_EQUAL) {
                ids[k] = DISPID(i + 1);
            }
        }
        if (ids[k] == DISPID_UNKNOWN) {
            hr = DISP_E_UNKNOWNNAME;
        }
    }
    return hr;
}

HRESULT Despachable::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* p, VARIANT* resultado,
                            EXCEPINFO* info, UINT*) {
    if (id < 1 || std::size_t(id) > miembros_.size()) {
        return DISP_E_MEMBERNOTFOUND;
    }
    if (resultado) {
        ::VariantInit(resultado);
    }
    try {
        Llamada llamada(cp_, flags, p, resultado);
        miembros_[std::size_t(id - 1)].second(llamada);
        return S_OK;
    } catch (const ErrorVB& e) {
        return Excepcion(e, resultado, info);
    } catch (const std::exception& e) {
        // nothing of C++ crosses back to the caller
        return Excepcion(ErrorVB(vberr::InternalError, "Falso", e.what()), resultado, info);
    }
}

} // namespace falso
