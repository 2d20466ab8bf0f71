// The stand-in's menus: an "Add-Ins" bar that records what is added to it and deleted from it,
// and the event sources of its controls, each a connection point for click sinks.

#include "tests/support/com/Mundo.h"

#include <ocidl.h>
#include <olectl.h>

namespace falso {
namespace {

using M = std::shared_ptr<Mundo>;

// The event interface of the stand-in's menu controls: a sink must answer for it.
const IID IID_EventosMenu = {
    0x6c1f0a52, 0x2f3e, 0x4b7d, {0x9a, 0x51, 0x3e, 0x2c, 0x80, 0x1d, 0x47, 0xb6}};
// Recognises the stand-in's own menu controls when handed back.
const IID IID_ControlFalso = {
    0x6c1f0a53, 0x2f3e, 0x4b7d, {0x9a, 0x51, 0x3e, 0x2c, 0x80, 0x1d, 0x47, 0xb6}};

class ControlMenuF : public Despachable {
public:
    ControlMenuF(M m, std::size_t i) : Despachable(m->cp), m_(std::move(m)), i_(i) {
        Miembro(L"Caption", [this](Llamada& c) {
            if (c.EsPut()) {
                m_->controles[i_].caption = Ancho(c.Puesto(), m_->cp);
            } else {
                c.Devuelve(Estrecho(m_->controles[i_].caption.data(),
                                    m_->controles[i_].caption.size(), m_->cp));
            }
        });
        Miembro(L"Delete", [this](Llamada&) { m_->controles[i_].borrado = true; });
    }
    std::size_t Indice() const { return i_; }

protected:
    void* Interfaz(REFIID riid) override { return riid == IID_ControlFalso ? this : nullptr; }

private:
    M m_;
    std::size_t i_;
};

class ControlesMenuF : public Despachable {
public:
    explicit ControlesMenuF(M m) : Despachable(m->cp), m_(std::move(m)) {
        Miembro(L"Add", [this](Llamada& c) {
            if (c.Numero(0, 1) != 1) {
                throw ErrorVB(vberr::InvalidProcedureCall, "CommandBarControls",
                              "sólo se añaden botones");
            }
            m_->controles.push_back({});
            auto* nuevo = new ControlMenuF(m_, m_->controles.size() - 1);
            c.Devuelve(nuevo);
            nuevo->Release();
        });
        Miembro(L"Count", [this](Llamada& c) { c.Devuelve(long(m_->controles.size())); });
    }

private:
    M m_;
};

class BarraF : public Despachable {
public:
    explicit BarraF(M m) : Despachable(m->cp) {
        Miembro(L"Controls", [this, m](Llamada& c) {
            c.Devuelve(Hijo(this, [m] { return new ControlesMenuF(m); }));
        });
        Miembro(L"Name", [](Llamada& c) { c.Devuelve(std::string("Add-Ins")); });
    }
};

class BarrasF : public Despachable {
public:
    explicit BarrasF(M m) : Despachable(m->cp) {
        Miembro(L"Item", [this, m](Llamada& c) {
            if (c.Texto(0) != "Add-Ins" || m->sinBarraAddIns) {
                throw ErrorVB(vberr::InvalidProcedureCall, "CommandBars",
                              "Invalid procedure call or argument");
            }
            c.Devuelve(Hijo(this, [m] { return new BarraF(m); }));
        });
    }
};

} // namespace

class Fuente final : public Despachable, public IConnectionPointContainer, public IConnectionPoint {
public:
    Fuente(M m, std::size_t indice) : Despachable(m->cp), indice_(indice), m_(std::move(m)) {
        m_->fuentes.insert(this);
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        return Despachable::QueryInterface(riid, ppv);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return Despachable::AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return Despachable::Release(); }

    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** e) override;
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** p) override {
        if (riid != IID_EventosMenu) {
            *p = nullptr;
            return CONNECT_E_NOCONNECTION;
        }
        *p = this;
        AddRef();
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override {
        *iid = IID_EventosMenu;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** c) override {
        *c = this;
        AddRef();
        return S_OK;
    }
    // Refuses a sink that does not answer for the event interface.
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override {
        IDispatch* d = nullptr;
        if (!sink || FAILED(sink->QueryInterface(IID_EventosMenu, reinterpret_cast<void**>(&d)))) {
            return CONNECT_E_CANNOTCONNECT;
        }
        *cookie = ++ultimo_;
        sumideros_[*cookie] = d;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override {
        auto i = sumideros_.find(cookie);
        if (i == sumideros_.end()) {
            return CONNECT_E_NOCONNECTION;
        }
        i->second->Release();
        sumideros_.erase(i);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }

    int Dispara() {
        auto* control = new ControlMenuF(m_, indice_);
        int n = 0;
        for (auto [cookie, sink] : std::map(sumideros_)) {
            VARIANT_BOOL handled = VARIANT_FALSE, cancel = VARIANT_FALSE;
            VARIANTARG args[3];
            args[2].vt = VT_DISPATCH;
            args[2].pdispVal = control;
            args[1].vt = VT_BYREF | VT_BOOL;
            args[1].pboolVal = &handled;
            args[0].vt = VT_BYREF | VT_BOOL;
            args[0].pboolVal = &cancel;
            DISPPARAMS p{args, nullptr, 3, 0};
            if (SUCCEEDED(
                    sink->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &p, nullptr, nullptr, nullptr))) {
                ++n;
            }
        }
        control->Release();
        return n;
    }
    std::size_t indice_;
    std::size_t Advertidos() const { return sumideros_.size(); }

protected:
    void* Interfaz(REFIID riid) override {
        if (riid == IID_IConnectionPointContainer) {
            return static_cast<IConnectionPointContainer*>(this);
        }
        if (riid == IID_IConnectionPoint) {
            return static_cast<IConnectionPoint*>(this);
        }
        return nullptr;
    }
    ~Fuente() override {
        for (auto& [cookie, sink] : sumideros_) {
            sink->Release();
        }
        m_->fuentes.erase(this);
    }

private:
    M m_;
    DWORD ultimo_ = 0;
    std::map<DWORD, IDispatch*> sumideros_;
};

namespace {

// The one connection point of a source.
class Enumera final : public IEnumConnectionPoints {
public:
    explicit Enumera(Fuente* f) : f_(f) {
        f_->AddRef();
        CuentaVivo(+1);
    }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (riid == IID_IUnknown || riid == IID_IEnumConnectionPoints) {
            *ppv = this;
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(::InterlockedIncrement(&refs_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG n = ::InterlockedDecrement(&refs_);
        if (n == 0) {
            delete this;
        }
        return ULONG(n);
    }
    HRESULT STDMETHODCALLTYPE Next(ULONG n, IConnectionPoint** p, ULONG* dados) override {
        ULONG k = 0;
        if (n > 0 && !hecho_) {
            p[0] = f_;
            f_->AddRef();
            hecho_ = true;
            k = 1;
        }
        if (dados) {
            *dados = k;
        }
        return k == n ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG n) override {
        hecho_ = hecho_ || n > 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        hecho_ = false;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumConnectionPoints** e) override {
        *e = new Enumera(f_);
        return S_OK;
    }

private:
    ~Enumera() {
        f_->Release();
        CuentaVivo(-1);
    }
    LONG refs_ = 1;
    Fuente* f_;
    bool hecho_ = false;
};

class EventosF : public Despachable {
public:
    explicit EventosF(M m) : Despachable(m->cp) {
        Miembro(L"CommandBarEvents", [m](Llamada& c) {
            void* propio = nullptr;
            IDispatch* control = c.Objeto(0);
            if (!control || FAILED(control->QueryInterface(IID_ControlFalso, &propio))) {
                throw ErrorVB(vberr::TypeMismatch, "Events", "Type mismatch");
            }
            auto* f = new Fuente(m, static_cast<ControlMenuF*>(propio)->Indice());
            static_cast<ControlMenuF*>(propio)->Release();
            c.Devuelve(static_cast<Despachable*>(f));
            f->Release();
        });
    }
};

} // namespace

HRESULT Fuente::EnumConnectionPoints(IEnumConnectionPoints** e) {
    *e = new Enumera(this);
    return S_OK;
}

Despachable* NuevasBarras(std::shared_ptr<Mundo> mundo) {
    return new BarrasF(std::move(mundo));
}

Despachable* NuevosEventos(std::shared_ptr<Mundo> mundo) {
    return new EventosF(std::move(mundo));
}

int Dispara(Fuente& fuente, std::size_t indice) {
    return fuente.indice_ == indice ? fuente.Dispara() : 0;
}

int Advertidos(const Fuente& fuente) {
    return int(fuente.Advertidos());
}

} // namespace falso
