// The root object over the environment's VBE.

#include "host/com/VBECom.h"

#include "host/com/MenusCom.h"

namespace hostcom {
namespace {

constexpr long NoAdmite = 438;

class ProyectosCom : public vbide::VBProjects {
public:
    ProyectosCom(Despacho& d, Ref o, Cache<ProyectoCom>& proyectos)
        : d_(d), o_(std::move(o)), proyectos_(proyectos) {}
    long Count() const override { return d_.Numero(o_.get(), "VBProjects", "Count"); }
    vbide::VBProject& Item(long index) override {
        return Elemento(d_, proyectos_, o_.get(), "VBProjects", Valor::Numero(index));
    }

private:
    Despacho& d_;
    Ref o_;
    Cache<ProyectoCom>& proyectos_;
};

class VbeCom : public vbide::VBE {
public:
    VbeCom(IDispatch* app, int cp) : d_(cp), app_(Ref::Comparte(app)) {}

    vbide::VBProject* ActiveVBProject() override {
        Ref p = d_.Objeto(app_.get(), "VBE", "ActiveVBProject");
        return p ? &proyectos_.De(d_, std::move(p)) : nullptr;
    }
    vbide::VBProjects& VBProjects() override {
        if (!coleccion_) {
            Ref r = d_.Objeto(app_.get(), "VBE", "VBProjects");
            if (!r) {
                throw ErrorVB(vberr::ObjectNotSet, "VBE.VBProjects",
                              "El entorno no tiene la lista de proyectos");
            }
            coleccion_ = std::make_unique<ProyectosCom>(d_, std::move(r), proyectos_);
        }
        return *coleccion_;
    }
    vbide::CommandBars* CommandBars() override { return Opcional(barras_, "CommandBars"); }
    vbide::Events* Events() override { return Opcional(eventos_, "Events"); }

private:
    // A part the environment may lack: nothing then.
    template <class T> T* Opcional(std::unique_ptr<T>& parte, const char* nombre) {
        if (!parte) {
            Ref r;
            try {
                r = d_.Objeto(app_.get(), "VBE", nombre);
            } catch (const ErrorVB& e) {
                if (e.Number != NoAdmite) {
                    throw;
                }
            }
            if (!r) {
                return nullptr;
            }
            parte = std::make_unique<T>(d_, std::move(r));
        }
        return parte.get();
    }

    // Declared in the order of need: the events go first (unadvised), the application last.
    Despacho d_;
    Ref app_;
    Cache<ProyectoCom> proyectos_;
    std::unique_ptr<ProyectosCom> coleccion_;
    std::unique_ptr<BarrasCom> barras_;
    std::unique_ptr<EventosCom> eventos_;
};

} // namespace

std::unique_ptr<vbide::VBE> AbreVBE(IDispatch* application, int paginaCodigos) {
    return std::make_unique<VbeCom>(application, paginaCodigos);
}

void* VentanaPrincipal(IDispatch* application) {
    try {
        Despacho d(0);
        Ref ventana = d.Objeto(application, "VBE", "MainWindow");
        if (ventana) {
            if (const long h = d.Numero(ventana.get(), "Window", "hWnd")) {
                return reinterpret_cast<HWND>(static_cast<LONG_PTR>(h));
            }
        }
    } catch (const ErrorVB&) {
        // no main window of its own: the foreground one below
    }
    HWND f = ::GetForegroundWindow();
    DWORD proceso = 0;
    if (f && ::GetWindowThreadProcessId(f, &proceso) && proceso == ::GetCurrentProcessId()) {
        return ::GetAncestor(f, GA_ROOT);
    }
    return nullptr;
}

} // namespace hostcom
