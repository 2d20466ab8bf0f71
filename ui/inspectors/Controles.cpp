#include "ui/inspectors/Controles.h"

#include "base/CodePage.h"
#include "base/ErrorVB.h"
#include "ui/inspectors/Predeterminadas.h"

namespace inspectors {
namespace {

using vbide::ComponentType;

// Modules, classes, resource files and related documents have no designer to inspect.
bool EsFormulario(ComponentType t) {
    return t != ComponentType::StdModule && t != ComponentType::ClassModule &&
           t != ComponentType::ResFile && t != ComponentType::RelatedDocument;
}

// A step that fails is skipped and the next one runs.
template <class F> bool Paso(F&& paso) {
    try {
        paso();
        return true;
    } catch (const ErrorVB&) {
        return false;
    }
}

} // namespace

std::string LineaPropiedad(std::string_view nombre, std::string_view valor) {
    std::string l(nombre);
    l += " =  ";
    l += valor;
    return l;
}

std::string Controles::Texto(std::string_view bytes) const {
    return codepage::AUtf8(bytes, cp_);
}

std::string Controles::Bytes(const std::string& utf8) const {
    auto bytes = codepage::DesdeUtf8(utf8, cp_);
    if (!bytes) {
        throw ErrorVB(vberr::SubscriptOutOfRange, "VBComponents",
                      "No existe el componente '" + utf8 + "'");
    }
    return *bytes;
}

std::vector<Elemento> Controles::Proyectos() {
    std::vector<Elemento> lista;
    auto& proyectos = vbe_.VBProjects();
    const long total = proyectos.Count();
    for (long i = 1; i <= total; ++i) {
        lista.push_back({Texto(proyectos.Item(i).Name()), i});
    }
    return lista;
}

std::vector<Elemento> Controles::Formularios(long proyecto) {
    std::vector<Elemento> lista;
    auto& componentes = vbe_.VBProjects().Item(proyecto).VBComponents();
    const long total = componentes.Count();
    for (long i = 1; i <= total; ++i) {
        auto& c = componentes.Item(i);
        std::string nombre = c.Name();
        if (!nombre.empty() && EsFormulario(c.Type())) {
            lista.push_back({Texto(nombre), i});
        }
    }
    return lista;
}

std::vector<Elemento> Controles::SeleccionaFormulario(long proyecto, const std::string& nombre) {
    auto& componente = vbe_.VBProjects().Item(proyecto).VBComponents().Item(Bytes(nombre));
    actual_ = componente.Designer();
    std::vector<Elemento> lista;
    if (!actual_) {
        return lista;
    }
    vbide::VBControls* controles = nullptr;
    if (!Paso([&] { controles = &actual_->VBControls(); })) {
        return lista;
    }
    const long total = controles->Count();
    for (long i = 1; i <= total; ++i) {
        lista.push_back({Texto(controles->Item(i).Properties().Item("Name").Value()), i});
    }
    return lista;
}

VistaControl Controles::SeleccionaControl(long posicion, const std::string& texto) {
    VistaControl v;
    vbide::VBControl* control = nullptr;
    Paso([&] {
        if (!actual_) {
            throw ErrorVB(vberr::ObjectRequired, "frmControles", "No hay diseñador");
        }
        control = &actual_->VBControls().Item(posicion);
    });
    Paso([&] {
        if (control) {
            v.label4 = Texto(control->Properties().Item("Name").Value()) +
                       "\r\n (Tipo de Control : " + Texto(control->ClassName()) + ")";
        }
    });
    Paso([&] {
        if (!control) {
            return;
        }
        auto& propiedades = control->Properties();
        const long total = propiedades.Count();
        Propiedades leidas;
        for (long i = 1; i <= total; ++i) {
            auto& p = propiedades.Item(i);
            std::string valor;
            if (!Paso([&] { valor = Texto(p.Value()); })) {
                valor = NoDisponible;
            }
            leidas.emplace_back(Texto(p.Name()), std::move(valor));
        }
        // The form's own properties give the font its controls take; unreadable, none.
        Propiedades formulario;
        Paso([&] {
            if (vbide::Properties* propias = actual_->Properties()) {
                for (long i = 1; i <= propias->Count(); ++i) {
                    auto& p = propias->Item(i);
                    formulario.emplace_back(Texto(p.Name()), Texto(p.Value()));
                }
            }
        });
        for (const auto& [nombre, valor] :
             CompletaPropiedades(Texto(control->ClassName()), std::move(leidas), formulario)) {
            v.propiedades.push_back(LineaPropiedad(nombre, valor));
        }
    });
    v.label3 = "Propiedades de \r\n" + texto;
    return v;
}

std::optional<std::string> Controles::Informe(const std::string& control, long posicion,
                                              const std::string& formulario,
                                              const std::vector<std::string>& propiedades) {
    if (posicion < 1 || !actual_) {
        return std::nullopt;
    }
    vbide::VBProject* activo = vbe_.ActiveVBProject();
    std::string r = "PROYECTO: ";
    r += activo ? Texto(activo->Name()) : std::string();
    r += "\r\nCONTROL: " + control;
    if (!formulario.empty()) {
        r += " (contenido en " + formulario + ")";
    }
    r += "\r\nTIPO DE CONTROL: " + Texto(actual_->VBControls().Item(posicion).ClassName()) + "\r\n";
    r += std::string(50, '-') + "\r\n";
    for (const std::string& p : propiedades) {
        r += p + "\r\n";
    }
    r += "\r\n\r\n\r\n\r\n\r\nAddIn Lintrap por Quovant\r\n";
    r += WebProducto;
    return r;
}

} // namespace inspectors
