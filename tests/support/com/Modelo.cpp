// The stand-in objects over the project model: each forwards its members to the host/files
// object it stands for, and hands out the same child object for the same model object.

#include "tests/support/com/Mundo.h"

namespace falso {
namespace {

using M = std::shared_ptr<Mundo>;

class Obj : public Despachable {
public:
    explicit Obj(M m) : Despachable(m->cp), m_(std::move(m)) {}

protected:
    // The child for a model object, made by T(world, object) the first time.
    template <class T, class X> IDispatch* De(X& x) {
        return Hijo(&x, [&] { return new T(m_, x); });
    }
    // Item(name or 1..Count) of a collection of the model.
    template <class T, class C> void Item(Llamada& c, C& coleccion) {
        c.Devuelve(c.EsTexto(0) ? De<T>(coleccion.Item(c.Texto(0)))
                                : De<T>(coleccion.Item(c.Numero(0))));
    }
    M m_;
};

class PropiedadF : public Obj {
public:
    PropiedadF(M m, vbide::Property& p) : Obj(std::move(m)) {
        Miembro(L"Name", [&p](Llamada& c) { c.Devuelve(p.Name()); });
        Miembro(L"Value", [&p](Llamada& c) { c.Devuelve(p.Value()); });
    }
};

class PropiedadesF : public Obj {
public:
    PropiedadesF(M m, vbide::Properties& p) : Obj(std::move(m)) {
        Miembro(L"Count", [&p](Llamada& c) { c.Devuelve(p.Count()); });
        Miembro(L"Item", [this, &p](Llamada& c) { Item<PropiedadF>(c, p); });
    }
};

class ControlF : public Obj {
public:
    ControlF(M m, vbide::VBControl& x) : Obj(std::move(m)) {
        Miembro(L"ClassName", [&x](Llamada& c) { c.Devuelve("VB." + x.ClassName()); });
        Miembro(L"Properties",
                [this, &x](Llamada& c) { c.Devuelve(De<PropiedadesF>(x.Properties())); });
    }
};

class ControlesF : public Obj {
public:
    ControlesF(M m, vbide::VBControls& x) : Obj(std::move(m)) {
        Miembro(L"Count", [&x](Llamada& c) { c.Devuelve(x.Count()); });
        Miembro(L"Item", [this, &x](Llamada& c) { c.Devuelve(De<ControlF>(x.Item(c.Numero(0)))); });
    }
};

class DisenadorF : public Obj {
public:
    DisenadorF(M m, vbide::Designer& x) : Obj(std::move(m)) {
        Miembro(L"VBControls",
                [this, &x](Llamada& c) { c.Devuelve(De<ControlesF>(x.VBControls())); });
    }
};

class MiembroF : public Obj {
public:
    MiembroF(M m, vbide::Member& x) : Obj(std::move(m)) {
        Miembro(L"Name", [&x](Llamada& c) { c.Devuelve(x.Name()); });
        Miembro(L"Type", [&x](Llamada& c) { c.Devuelve(long(x.Type())); });
        Miembro(L"CodeLocation", [&x](Llamada& c) { c.Devuelve(x.CodeLocation()); });
    }
};

class MiembrosF : public Obj {
public:
    MiembrosF(M m, vbide::Members& x) : Obj(std::move(m)) {
        Miembro(L"Count", [&x](Llamada& c) { c.Devuelve(x.Count()); });
        Miembro(L"Item", [this, &x](Llamada& c) { Item<MiembroF>(c, x); });
    }
};

class PanelF : public Obj {
public:
    PanelF(M m, vbide::CodePane& x) : Obj(std::move(m)) {
        Miembro(L"Show", [&x](Llamada&) { x.Show(); });
    }
};

class CodigoF : public Obj {
public:
    CodigoF(M m, vbide::CodeModule& x) : Obj(std::move(m)) {
        using K = vbide::ProcKind;
        Miembro(L"Name", [&x](Llamada& c) { c.Devuelve(x.Name()); });
        Miembro(L"Lines", [&x](Llamada& c) { c.Devuelve(x.Lines(c.Numero(0), c.Numero(1))); });
        Miembro(L"CountOfLines", [&x](Llamada& c) { c.Devuelve(x.CountOfLines()); });
        Miembro(L"CountOfDeclarationLines",
                [&x](Llamada& c) { c.Devuelve(x.CountOfDeclarationLines()); });
        Miembro(L"InsertLines", [&x](Llamada& c) { x.InsertLines(c.Numero(0), c.Texto(1)); });
        Miembro(L"DeleteLines", [&x](Llamada& c) { x.DeleteLines(c.Numero(0), c.Numero(1, 1)); });
        Miembro(L"ReplaceLine", [&x](Llamada& c) { x.ReplaceLine(c.Numero(0), c.Texto(1)); });
        Miembro(L"AddFromString", [&x](Llamada& c) { x.AddFromString(c.Texto(0)); });
        Miembro(L"ProcStartLine",
                [&x](Llamada& c) { c.Devuelve(x.ProcStartLine(c.Texto(0), K(c.Numero(1)))); });
        Miembro(L"ProcCountLines",
                [&x](Llamada& c) { c.Devuelve(x.ProcCountLines(c.Texto(0), K(c.Numero(1)))); });
        Miembro(L"ProcBodyLine",
                [&x](Llamada& c) { c.Devuelve(x.ProcBodyLine(c.Texto(0), K(c.Numero(1)))); });
        // the kind goes back through the second argument, passed by reference
        Miembro(L"ProcOfLine", [&x](Llamada& c) {
            K k = K::Proc;
            c.Devuelve(x.ProcOfLine(c.Numero(0), &k));
            c.Escribe(1, long(k));
        });
        Miembro(L"Find", [&x](Llamada& c) {
            long p[4] = {c.Numero(1), c.Numero(2), c.Numero(3), c.Numero(4)};
            const bool hallado = x.Find(c.Texto(0), p[0], p[1], p[2], p[3], c.Logico(5, false),
                                        c.Logico(6, false), c.Logico(7, false));
            for (std::size_t i = 0; i < 4; ++i) {
                c.Escribe(i + 1, p[i]);
            }
            c.DevuelveLogico(hallado);
        });
        Miembro(L"Members", [this, &x](Llamada& c) { c.Devuelve(De<MiembrosF>(x.Members())); });
        Miembro(L"CodePane", [this, &x](Llamada& c) { c.Devuelve(De<PanelF>(x.CodePane())); });
    }
};

class ComponenteF : public Obj {
public:
    ComponenteF(M m, vbide::VBComponent& x) : Obj(std::move(m)) {
        Miembro(L"Name", [&x](Llamada& c) { c.Devuelve(x.Name()); });
        Miembro(L"Type", [&x](Llamada& c) { c.Devuelve(long(x.Type())); });
        Miembro(L"CodeModule", [this, &x](Llamada& c) { c.Devuelve(De<CodigoF>(x.CodeModule())); });
        Miembro(L"Designer", [this, &x](Llamada& c) {
            vbide::Designer* d = x.Designer();
            c.Devuelve(d ? De<DisenadorF>(*d) : nullptr);
        });
    }
};

class ComponentesF : public Obj {
public:
    ComponentesF(M m, vbide::VBComponents& x) : Obj(std::move(m)) {
        Miembro(L"Count", [&x](Llamada& c) { c.Devuelve(x.Count()); });
        Miembro(L"Item", [this, &x](Llamada& c) { Item<ComponenteF>(c, x); });
        Miembro(L"Import",
                [this, &x](Llamada& c) { c.Devuelve(De<ComponenteF>(x.Import(c.Ruta(0)))); });
    }
};

class ReferenciaF : public Obj {
public:
    ReferenciaF(M m, vbide::Reference& x) : Obj(std::move(m)) {
        Miembro(L"Name", [&x](Llamada& c) { c.Devuelve(x.Name()); });
        Miembro(L"Guid", [&x](Llamada& c) { c.Devuelve(x.Guid()); });
        Miembro(L"Major", [&x](Llamada& c) { c.Devuelve(x.Major()); });
        Miembro(L"Minor", [&x](Llamada& c) { c.Devuelve(x.Minor()); });
        Miembro(L"FullPath", [&x](Llamada& c) { c.Devuelve(x.FullPath()); });
    }
};

class ReferenciasF : public Obj {
public:
    ReferenciasF(M m, vbide::References& x) : Obj(std::move(m)) {
        Miembro(L"Count", [&x](Llamada& c) { c.Devuelve(x.Count()); });
        Miembro(L"Item", [this, &x](Llamada& c) { Item<ReferenciaF>(c, x); });
    }
};

class ProyectoF : public Obj {
public:
    ProyectoF(M m, vbide::VBProject& x) : Obj(std::move(m)) {
        Miembro(L"Name", [&x](Llamada& c) { c.Devuelve(x.Name()); });
        Miembro(L"Description", [&x](Llamada& c) { c.Devuelve(x.Description()); });
        Miembro(L"VBComponents",
                [this, &x](Llamada& c) { c.Devuelve(De<ComponentesF>(x.VBComponents())); });
        Miembro(L"References",
                [this, &x](Llamada& c) { c.Devuelve(De<ReferenciasF>(x.References())); });
    }
};

class ProyectosF : public Obj {
public:
    ProyectosF(M m, vbide::VBProjects& x) : Obj(std::move(m)) {
        Miembro(L"Count", [&x](Llamada& c) { c.Devuelve(x.Count()); });
        Miembro(L"Item",
                [this, &x](Llamada& c) { c.Devuelve(De<ProyectoF>(x.Item(c.Numero(0)))); });
    }
};

class VentanaF : public Obj {
public:
    explicit VentanaF(M m) : Obj(std::move(m)) {
        Miembro(L"hWnd", [this](Llamada& c) { c.Devuelve(m_->ventana); });
    }
};

class VbeF : public Obj {
public:
    explicit VbeF(M m) : Obj(std::move(m)) {
        Miembro(L"ActiveVBProject", [this](Llamada& c) {
            vbide::VBProject* p = m_->vbe->ActiveVBProject();
            c.Devuelve(p ? De<ProyectoF>(*p) : nullptr);
        });
        Miembro(L"VBProjects",
                [this](Llamada& c) { c.Devuelve(De<ProyectosF>(m_->vbe->VBProjects())); });
        Miembro(L"MainWindow", [this](Llamada& c) {
            c.Devuelve(Hijo(&m_->cp, [this] { return new VentanaF(m_); }));
        });
        Miembro(L"CommandBars", [this](Llamada& c) {
            c.Devuelve(Hijo(&m_->controles, [this] { return NuevasBarras(m_); }));
        });
        Miembro(L"Events", [this](Llamada& c) {
            c.Devuelve(Hijo(&m_->fuentes, [this] { return NuevosEventos(m_); }));
        });
    }
};

} // namespace

Despachable* NuevoVbe(std::shared_ptr<Mundo> mundo) {
    return new VbeF(std::move(mundo));
}

} // namespace falso
