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
    ControlMenuF(const M& m, std::size_t i) : Despachable(m->cp), i(i) {
        Miembro(L"Caption",
                [m, i](Llamada& c) { m->controles[i].caption = Ancho(c.Puesto(), m->cp); });
        Miembro(L"Delete", [m, i](Llamada&) { m->controles[i].borrado = true; });
    }
    const std::size_t i;

protected:
    void* Interfaz(REFIID riid) override { return riid == IID_ControlFalso ? this : nullptr; }
};

} // namespace

// One source per CommandBarEvents call: its container, its one connection point and the
// enumeration of that point are the object itself.
class Fuente final : public Despachable,
                     public IConnectionPointContainer,
                     public IConnectionPoint,
                     public IEnumConnectionPoints {
public:
    Fuente(M m, std::size_t indice) : Despachable(m->cp), indice(indice), m_(std::move(m)) {
        m_->fuentes.insert(this);
    }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        return Despachable::QueryInterface(riid, ppv);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return Despachable::AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return Despachable::Release(); }

    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** e) override {
        enumerado_ = false;
        return Da(static_cast<IEnumConnectionPoints*>(this), e);
    }
    // What the add-in does not call.
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID, IConnectionPoint**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Next(ULONG n, IConnectionPoint** p, ULONG* dados) override {
        const ULONG k = n > 0 && !enumerado_ ? 1 : 0;
        if (k) {
            Da(static_cast<IConnectionPoint*>(this), p);
            enumerado_ = true;
        }
        if (dados) {
            *dados = k;
        }
        return k == n ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reset() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Clone(IEnumConnectionPoints**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override {
        *iid = IID_EventosMenu;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer**) override {
        return E_NOTIMPL;
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

    // Click(control, handled, CancelDefault) to every sink advised now.
    int Dispara() {
        auto* control = new ControlMenuF(m_, indice);
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
            n += SUCCEEDED(
                sink->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &p, nullptr, nullptr, nullptr));
        }
        control->Release();
        return n;
    }
    const std::size_t indice;
    std::size_t Advertidos() const { return sumideros_.size(); }

protected:
    void* Interfaz(REFIID riid) override {
        if (riid == IID_IConnectionPointContainer) {
            return static_cast<IConnectionPointContainer*>(this);
        }
        if (riid == IID_IConnectionPoint) {
            return static_cast<IConnectionPoint*>(this);
        }
        return riid == IID_IEnumConnectionPoints ? static_cast<IEnumConnectionPoints*>(this)
                                                 : nullptr;
    }
    ~Fuente() override {
        for (auto& [cookie, sink] : sumideros_) {
            sink->Release();
        }
        m_->fuentes.erase(this);
    }

private:
    template <class I> HRESULT Da(I* interfaz, I** destino) {
        AddRef();
        *destino = interfaz;
        return S_OK;
    }
    M m_;
    DWORD ultimo_ = 0;
    bool enumerado_ = false;
    std::map<DWORD, IDispatch*> sumideros_;
};

Despachable* NuevasBarras(std::shared_ptr<Mundo> m) {
    auto* barras = new Despachable(m->cp);
    barras->Miembro(L"Item", [barras, m](Llamada& c) {
        if (c.Texto(0) != "Add-Ins" || m->sinBarraAddIns) {
            throw ErrorVB(vberr::InvalidProcedureCall, "CommandBars",
                          "Invalid procedure call or argument");
        }
        c.Devuelve(barras->Hijo(barras, [m] {
            auto* barra = new Despachable(m->cp);
            barra->Miembro(L"Controls", [barra, m](Llamada& n) {
                n.Devuelve(barra->Hijo(barra, [m] {
                    auto* controles = new Despachable(m->cp);
                    controles->Miembro(L"Add", [m](Llamada& a) {
                        if (a.Numero(0, 1) != 1) {
                            throw ErrorVB(vberr::InvalidProcedureCall, "CommandBarControls",
                                          "sólo se añaden botones");
                        }
                        m->controles.push_back({});
                        auto* nuevo = new ControlMenuF(m, m->controles.size() - 1);
                        a.Devuelve(nuevo);
                        nuevo->Release();
                    });
                    return controles;
                }));
            });
            return barra;
        }));
    });
    return barras;
}

Despachable* NuevosEventos(std::shared_ptr<Mundo> m) {
    auto* eventos = new Despachable(m->cp);
    eventos->Miembro(L"CommandBarEvents", [m](Llamada& c) {
        void* propio = nullptr;
        IDispatch* control = c.Objeto(0);
        if (!control || FAILED(control->QueryInterface(IID_ControlFalso, &propio))) {
            throw ErrorVB(vberr::TypeMismatch, "Events", "Type mismatch");
        }
        auto* f = new Fuente(m, static_cast<ControlMenuF*>(propio)->i);
        static_cast<ControlMenuF*>(propio)->Release();
        c.Devuelve(static_cast<Despachable*>(f));
        f->Release();
    });
    return eventos;
}

// A click may advise or unadvise: the sources as they are before it.
int Entorno::Clic(std::size_t indice) {
    int n = 0;
    for (Fuente* f : std::set<Fuente*>(mundo_->fuentes)) {
        n += f->indice == indice ? f->Dispara() : 0;
    }
    return n;
}

int Entorno::Sumideros() const {
    int n = 0;
    for (const Fuente* f : mundo_->fuentes) {
        n += int(f->Advertidos());
    }
    return n;
}

} // namespace falso
