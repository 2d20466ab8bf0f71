// The menu entry and its click: a control added to a command bar, and a sink advised to the
// connection point of the environment's event source for that control.

#include "host/com/MenusCom.h"
#include "host/com/VBECom.h"

#include <ocidl.h>

#include <atomic>

namespace hostcom {
namespace {

std::atomic<long> sumideros{0};

// Answers the point's own event interface as well as IDispatch (a point may refuse a sink that
// does not); Click is DISPID 1, whatever its arguments.
class Sumidero final : public IDispatch {
public:
    Sumidero(const IID& iid, std::function<void()> clic) : iid_(iid), clic_(std::move(clic)) {
        ++sumideros;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv) {
            return E_POINTER;
        }
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == iid_) {
            *ppv = static_cast<IDispatch*>(this);
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
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
        if (n) {
            *n = 0;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                     EXCEPINFO*, UINT*) override {
        if (id == 1 && clic_) {
            // nothing of ours may cross back into the environment
            try {
                clic_();
            } catch (...) {
            }
        }
        return S_OK;
    }

private:
    ~Sumidero() { --sumideros; }
    LONG refs_ = 1;
    IID iid_;
    std::function<void()> clic_;
};

} // namespace

long SumiderosVivos() {
    return sumideros;
}

vbide::CommandBar* BarrasCom::Item(const std::string& name) {
    // the environment raises an error for a bar it does not have
    try {
        return &Elemento(d_, cache_, o_.get(), "CommandBars", d_.Cadena(name));
    } catch (const ErrorVB&) {
        return nullptr;
    }
}

vbide::CommandBarControl& BarraCom::AddControl(int type) {
    Ref controles = d_.Objeto(o_.get(), "CommandBar", "Controls");
    const Valor t = Valor::Numero(type);
    Ref c = d_.Objeto(controles.get(), "CommandBarControls", "Add", {&t});
    if (!c) {
        throw ErrorVB(vberr::ObjectNotSet, "CommandBarControls.Add",
                      "El entorno no ha añadido el control al menú");
    }
    return controles_.De(d_, std::move(c));
}

void EventosCom::CommandBarEvents(vbide::CommandBarControl& control,
                                  std::function<void()> onClick) {
    auto* propio = dynamic_cast<ControlMenuCom*>(&control);
    if (!propio) {
        throw ErrorVB(vberr::TypeMismatch, "Events.CommandBarEvents",
                      "El control no es un control de menú del entorno");
    }
    const Valor c = Valor::Objeto(propio->Objeto());
    Ref fuente = d_.Objeto(o_.get(), "Events", "CommandBarEvents", {&c});
    const auto falla = [](HRESULT hr, const char* paso) {
        EXCEPINFO nada{};
        return ErrorDeLlamada(hr, nada, std::string("CommandBarEvents: ") + paso);
    };
    if (!fuente) {
        throw ErrorVB(vberr::ObjectNotSet, "Events.CommandBarEvents",
                      "El entorno no ha dado los eventos del control de menú");
    }
    IConnectionPointContainer* contenedor = nullptr;
    HRESULT hr = fuente.get()->QueryInterface(IID_IConnectionPointContainer,
                                              reinterpret_cast<void**>(&contenedor));
    if (FAILED(hr)) {
        throw falla(hr, "IConnectionPointContainer");
    }
    IEnumConnectionPoints* lista = nullptr;
    hr = contenedor->EnumConnectionPoints(&lista);
    contenedor->Release();
    if (FAILED(hr)) {
        throw falla(hr, "EnumConnectionPoints");
    }
    IConnectionPoint* punto = nullptr;
    hr = lista->Next(1, &punto, nullptr);
    lista->Release();
    if (hr != S_OK || !punto) {
        throw falla(hr == S_OK ? E_FAIL : hr, "sin punto de conexión");
    }
    IID iid{};
    hr = punto->GetConnectionInterface(&iid);
    DWORD cookie = 0;
    if (SUCCEEDED(hr)) {
        auto* sumidero = new Sumidero(iid, std::move(onClick));
        hr = punto->Advise(sumidero, &cookie);
        sumidero->Release(); // the point keeps its own reference
    }
    if (FAILED(hr)) {
        punto->Release();
        throw falla(hr, "Advise");
    }
    conexiones_.push_back({std::move(fuente), punto, cookie});
}

EventosCom::~EventosCom() {
    for (auto& c : conexiones_) {
        c.punto->Unadvise(c.cookie);
        c.punto->Release();
    }
}

} // namespace hostcom
