// The stand-in objects over the project model: each forwards its members to the host/files
// object it stands for, and hands out the same child object for the same model object.

#include "tests/support/com/Mundo.h"

namespace falso {
namespace {

using M = std::shared_ptr<Mundo>;
using vbide::ProcKind;

// The child of `padre` standing for the model object `x` (null: Nothing).
template <class X> IDispatch* De(Despachable& padre, const M& m, X* x);

// Count and Item(1..Count, or a name where the collection has names).
template <class C> void Coleccion(Despachable& o, const M& m, C& x) {
    o.Miembro(L"Count", [&x](Llamada& c) { c.Devuelve(x.Count()); });
    o.Miembro(L"Item", [&o, m, &x](Llamada& c) {
        if constexpr (requires { x.Item(std::string()); }) {
            if (c.EsTexto(0)) {
                return c.Devuelve(De(o, m, &x.Item(c.Texto(0))));
            }
        }
        c.Devuelve(De(o, m, &x.Item(c.Numero(0))));
    });
}

void Registra(Despachable& o, const M&, vbide::Property& x) {
    o.Miembro(L"Name", [&x](Llamada& c) { c.Devuelve(x.Name()); });
    o.Miembro(L"Value", [&x](Llamada& c) { c.Devuelve(x.Value()); });
}

void Registra(Despachable& o, const M& m, vbide::VBControl& x) {
    o.Miembro(L"ClassName", [&x](Llamada& c) { c.Devuelve("VB." + x.ClassName()); });
    o.Miembro(L"Properties", [&o, m, &x](Llamada& c) { c.Devuelve(De(o, m, &x.Properties())); });
}

void Registra(Despachable& o, const M& m, vbide::Designer& x) {
    o.Miembro(L"VBControls", [&o, m, &x](Llamada& c) { c.Devuelve(De(o, m, &x.VBControls())); });
}

void Registra(Despachable& o, const M&, vbide::Member& x) {
    o.Miembro(L"Name", [&x](Llamada& c) { c.Devuelve(x.Name()); });
    o.Miembro(L"Type", [&x](Llamada& c) { c.Devuelve(long(x.Type())); });
    o.Miembro(L"CodeLocation", [&x](Llamada& c) { c.Devuelve(x.CodeLocation()); });
}

void Registra(Despachable& o, const M&, vbide::CodePane& x) {
    o.Miembro(L"Show", [&x](Llamada&) { x.Show(); });
}

void Registra(Despachable& o, const M& m, vbide::CodeModule& x) {
    o.Miembro(L"Name", [&x](Llamada& c) { c.Devuelve(x.Name()); });
    o.Miembro(L"Lines", [&x](Llamada& c) { c.Devuelve(x.Lines(c.Numero(0), c.Numero(1))); });
    o.Miembro(L"CountOfLines", [&x](Llamada& c) { c.Devuelve(x.CountOfLines()); });
    o.Miembro(L"CountOfDeclarationLines",
              [&x](Llamada& c) { c.Devuelve(x.CountOfDeclarationLines()); });
    o.Miembro(L"InsertLines", [&x](Llamada& c) { x.InsertLines(c.Numero(0), c.Texto(1)); });
    o.Miembro(L"DeleteLines", [&x](Llamada& c) { x.DeleteLines(c.Numero(0), c.Numero(1, 1)); });
    o.Miembro(L"ReplaceLine", [&x](Llamada& c) { x.ReplaceLine(c.Numero(0), c.Texto(1)); });
    o.Miembro(L"AddFromString", [&x](Llamada& c) { x.AddFromString(c.Texto(0)); });
    o.Miembro(L"ProcStartLine",
              [&x](Llamada& c) { c.Devuelve(x.ProcStartLine(c.Texto(0), ProcKind(c.Numero(1)))); });
    o.Miembro(L"ProcCountLines", [&x](Llamada& c) {
        c.Devuelve(x.ProcCountLines(c.Texto(0), ProcKind(c.Numero(1))));
    });
    o.Miembro(L"ProcBodyLine",
              [&x](Llamada& c) { c.Devuelve(x.ProcBodyLine(c.Texto(0), ProcKind(c.Numero(1)))); });
    // the kind goes back through the second argument, passed by reference
    o.Miembro(L"ProcOfLine", [&x](Llamada& c) {
        ProcKind k = ProcKind::Proc;
        c.Devuelve(x.ProcOfLine(c.Numero(0), &k));
        c.Escribe(1, long(k));
    });
    o.Miembro(L"Find", [&x](Llamada& c) {
        long p[4] = {c.Numero(1), c.Numero(2), c.Numero(3), c.Numero(4)};
        const bool hallado = x.Find(c.Texto(0), p[0], p[1], p[2], p[3], c.Logico(5, false),
                                    c.Logico(6, false), c.Logico(7, false));
        for (std::size_t i = 0; i < 4; ++i) {
            c.Escribe(i + 1, p[i]);
        }
        c.Devuelve(hallado);
    });
    o.Miembro(L"Members", [&o, m, &x](Llamada& c) { c.Devuelve(De(o, m, &x.Members())); });
    o.Miembro(L"CodePane", [&o, m, &x](Llamada& c) { c.Devuelve(De(o, m, &x.CodePane())); });
}

void Registra(Despachable& o, const M& m, vbide::VBComponent& x) {
    o.Miembro(L"Name", [&x](Llamada& c) { c.Devuelve(x.Name()); });
    o.Miembro(L"Type", [&x](Llamada& c) { c.Devuelve(long(x.Type())); });
    o.Miembro(L"CodeModule", [&o, m, &x](Llamada& c) { c.Devuelve(De(o, m, &x.CodeModule())); });
    o.Miembro(L"Designer", [&o, m, &x](Llamada& c) { c.Devuelve(De(o, m, x.Designer())); });
}

void Registra(Despachable& o, const M& m, vbide::VBComponents& x) {
    Coleccion(o, m, x);
    o.Miembro(L"Import",
              [&o, m, &x](Llamada& c) { c.Devuelve(De(o, m, &x.Import(c.Texto(0, CP_UTF8)))); });
}

void Registra(Despachable& o, const M&, vbide::Reference& x) {
    o.Miembro(L"Name", [&x](Llamada& c) { c.Devuelve(x.Name()); });
    o.Miembro(L"Guid", [&x](Llamada& c) { c.Devuelve(x.Guid()); });
    o.Miembro(L"Major", [&x](Llamada& c) { c.Devuelve(x.Major()); });
    o.Miembro(L"Minor", [&x](Llamada& c) { c.Devuelve(x.Minor()); });
    o.Miembro(L"FullPath", [&x](Llamada& c) { c.Devuelve(x.FullPath()); });
}

void Registra(Despachable& o, const M& m, vbide::VBProject& x) {
    o.Miembro(L"Name", [&x](Llamada& c) { c.Devuelve(x.Name()); });
    o.Miembro(L"Description", [&x](Llamada& c) { c.Devuelve(x.Description()); });
    o.Miembro(L"VBComponents",
              [&o, m, &x](Llamada& c) { c.Devuelve(De(o, m, &x.VBComponents())); });
    o.Miembro(L"References", [&o, m, &x](Llamada& c) { c.Devuelve(De(o, m, &x.References())); });
}

template <class C>
requires requires(C& x) {
    x.Count();
}
void Registra(Despachable& o, const M& m, C& x) {
    Coleccion(o, m, x);
}

template <class X> IDispatch* De(Despachable& padre, const M& m, X* x) {
    return !x ? nullptr : padre.Hijo(x, [&] {
        auto* o = new Despachable(m->cp);
        Registra(*o, m, *x);
        return o;
    });
}

} // namespace

Despachable* NuevoVbe(std::shared_ptr<Mundo> m) {
    auto* o = new Despachable(m->cp);
    auto& vbe = *m->vbe;
    o->Miembro(L"ActiveVBProject",
               [o, m, &vbe](Llamada& c) { c.Devuelve(De(*o, m, vbe.ActiveVBProject())); });
    o->Miembro(L"VBProjects",
               [o, m, &vbe](Llamada& c) { c.Devuelve(De(*o, m, &vbe.VBProjects())); });
    o->Miembro(L"MainWindow", [o, m](Llamada& c) {
        c.Devuelve(o->Hijo(&m->ventana, [m] {
            auto* v = new Despachable(m->cp);
            v->Miembro(L"hWnd", [m](Llamada& h) { h.Devuelve(m->ventana); });
            return v;
        }));
    });
    o->Miembro(L"CommandBars", [o, m](Llamada& c) {
        c.Devuelve(o->Hijo(&m->controles, [m] { return NuevasBarras(m); }));
    });
    o->Miembro(L"Events", [o, m](Llamada& c) {
        c.Devuelve(o->Hijo(&m->fuentes, [m] { return NuevosEventos(m); }));
    });
    return o;
}

} // namespace falso
