#pragma once
// The wrappers of the environment's objects, one per object model interface. A wrapper keeps a
// reference to its object; the objects it hands out by reference are kept by it, one per
// environment object (recognised by identity), until the root is destroyed.

#include "host/com/Despacho.h"
#include "host/vbide/VBE.h"

#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

namespace hostcom {

// The wrappers handed out by a collection, one per environment object.
template <class T> class Cache {
public:
    T& De(Despacho& d, Ref r) {
        IUnknown* id = Identidad(r.get());
        auto& e = objetos_[id];
        if (!e.second) {
            e.first = r;
            e.second = std::make_unique<T>(d, std::move(r));
        }
        return *e.second;
    }

private:
    std::map<IUnknown*, std::pair<Ref, std::unique_ptr<T>>> objetos_;
};

// `coleccion`.Item(clave) as a wrapper; Nothing raises error 9.
template <class T>
T& Elemento(Despacho& d, Cache<T>& c, IDispatch* coleccion, const char* tipo, const Valor& clave) {
    Ref r = d.Objeto(coleccion, tipo, "Item", {&clave});
    if (!r) {
        throw ErrorVB(vberr::SubscriptOutOfRange, tipo, std::string(tipo) + ": no existe");
    }
    return c.De(d, std::move(r));
}

class MiembroCom : public vbide::Member {
public:
    MiembroCom(Despacho& d, Ref o) : d_(d), o_(std::move(o)) {}
    std::string Name() const override { return d_.Texto(o_.get(), "Member", "Name"); }
    vbide::MemberType Type() const override {
        return vbide::MemberType(d_.Numero(o_.get(), "Member", "Type"));
    }
    long CodeLocation() const override { return d_.Numero(o_.get(), "Member", "CodeLocation"); }

private:
    Despacho& d_;
    Ref o_;
};

class MiembrosCom : public vbide::Members {
public:
    MiembrosCom(Despacho& d, Ref o) : d_(d), o_(std::move(o)) {}
    long Count() const override { return d_.Numero(o_.get(), "Members", "Count"); }
    vbide::Member& Item(long index) override;
    vbide::Member& Item(const std::string& name) override;

private:
    Despacho& d_;
    Ref o_;
    Cache<MiembroCom> cache_;
};

class CodigoCom;
class PanelCom : public vbide::CodePane {
public:
    explicit PanelCom(CodigoCom& codigo) : codigo_(codigo) {}
    void Show() override;

private:
    CodigoCom& codigo_;
};

class CodigoCom : public vbide::CodeModule {
public:
    CodigoCom(Despacho& d, Ref o) : d_(d), o_(std::move(o)) {}
    std::string Name() const override;
    std::string Lines(long start, long count) const override;
    std::string_view Line(long line) const override;
    long CountOfLines() const override;
    long CountOfDeclarationLines() const override;
    void InsertLines(long line, const std::string& text) override;
    void DeleteLines(long start, long count = 1) override;
    void ReplaceLine(long line, const std::string& text) override;
    void AddFromString(const std::string& text) override;
    long ProcStartLine(const std::string& name, vbide::ProcKind kind) const override;
    long ProcCountLines(const std::string& name, vbide::ProcKind kind) const override;
    long ProcBodyLine(const std::string& name, vbide::ProcKind kind) const override;
    std::string ProcOfLine(long line, vbide::ProcKind* kind = nullptr) const override;
    bool Find(const std::string& target, long& startLine, long& startCol, long& endLine,
              long& endCol, bool wholeWord = false, bool matchCase = false,
              bool patternSearch = false) override;
    vbide::Members& Members() override;
    vbide::CodePane& CodePane() override { return panel_; }

    Despacho& D() { return d_; }
    IDispatch* Objeto() const { return o_.get(); }

private:
    long Proc(const char* que, const std::string& name, vbide::ProcKind kind) const;
    void Edita(const char* que, std::initializer_list<const Valor*> args);

    Despacho& d_;
    Ref o_;
    std::unique_ptr<MiembrosCom> miembros_;
    PanelCom panel_{*this};
    // The lines handed out by Line(), each kept until the next edit or until it reads
    // otherwise.
    mutable std::unordered_map<long, std::string> lineas_;
};

class PropiedadCom : public vbide::Property {
public:
    PropiedadCom(Despacho& d, Ref o) : d_(d), o_(std::move(o)) {}
    std::string Name() const override { return d_.Texto(o_.get(), "Property", "Name"); }
    std::string Value() const override;

private:
    Despacho& d_;
    Ref o_;
};

class PropiedadesCom : public vbide::Properties {
public:
    PropiedadesCom(Despacho& d, Ref o) : d_(d), o_(std::move(o)) {}
    long Count() const override { return d_.Numero(o_.get(), "Properties", "Count"); }
    vbide::Property& Item(long index) override;
    vbide::Property& Item(const std::string& name) override;

private:
    Despacho& d_;
    Ref o_;
    Cache<PropiedadCom> cache_;
};

class ControlCom : public vbide::VBControl {
public:
    ControlCom(Despacho& d, Ref o) : d_(d), o_(std::move(o)) {}
    std::string ClassName() const override;
    vbide::Properties& Properties() override;

private:
    Despacho& d_;
    Ref o_;
    std::unique_ptr<PropiedadesCom> propiedades_;
};

class ControlesCom : public vbide::VBControls {
public:
    ControlesCom(Despacho& d, Ref o) : d_(d), o_(std::move(o)) {}
    long Count() const override { return d_.Numero(o_.get(), "VBControls", "Count"); }
    vbide::VBControl& Item(long index) override;

private:
    Despacho& d_;
    Ref o_;
    Cache<ControlCom> cache_;
};

class DisenadorCom : public vbide::Designer {
public:
    DisenadorCom(Despacho& d, Ref o) : d_(d), o_(std::move(o)) {}
    vbide::VBControls& VBControls() override;

private:
    Despacho& d_;
    Ref o_;
    std::unique_ptr<ControlesCom> controles_;
};

class ComponenteCom : public vbide::VBComponent {
public:
    ComponenteCom(Despacho& d, Ref o) : d_(d), o_(std::move(o)) {}
    std::string Name() const override { return d_.Texto(o_.get(), "VBComponent", "Name"); }
    vbide::ComponentType Type() const override {
        return vbide::ComponentType(d_.Numero(o_.get(), "VBComponent", "Type"));
    }
    vbide::CodeModule& CodeModule() override;
    vbide::Designer* Designer() override;

private:
    Despacho& d_;
    Ref o_;
    Cache<CodigoCom> codigo_;
    Cache<DisenadorCom> disenador_;
};

class ComponentesCom : public vbide::VBComponents {
public:
    ComponentesCom(Despacho& d, Ref o) : d_(d), o_(std::move(o)) {}
    long Count() const override { return d_.Numero(o_.get(), "VBComponents", "Count"); }
    vbide::VBComponent& Item(long index) override;
    vbide::VBComponent& Item(const std::string& name) override;
    vbide::VBComponent& Import(const std::string& path) override;

private:
    Despacho& d_;
    Ref o_;
    Cache<ComponenteCom> cache_;
};

class ReferenciaCom : public vbide::Reference {
public:
    ReferenciaCom(Despacho& d, Ref o) : d_(d), o_(std::move(o)) {}
    std::string Name() const override { return d_.Texto(o_.get(), "Reference", "Name"); }
    std::string Guid() const override { return d_.Texto(o_.get(), "Reference", "Guid"); }
    long Major() const override { return d_.Numero(o_.get(), "Reference", "Major"); }
    long Minor() const override { return d_.Numero(o_.get(), "Reference", "Minor"); }
    std::string FullPath() const override { return d_.Texto(o_.get(), "Reference", "FullPath"); }

private:
    Despacho& d_;
    Ref o_;
};

class ReferenciasCom : public vbide::References {
public:
    ReferenciasCom(Despacho& d, Ref o) : d_(d), o_(std::move(o)) {}
    long Count() const override { return d_.Numero(o_.get(), "References", "Count"); }
    vbide::Reference& Item(long index) override;
    vbide::Reference& Item(const std::string& name) override;

private:
    Despacho& d_;
    Ref o_;
    Cache<ReferenciaCom> cache_;
};

class ProyectoCom : public vbide::VBProject {
public:
    ProyectoCom(Despacho& d, Ref o) : d_(d), o_(std::move(o)) {}
    std::string Name() const override { return d_.Texto(o_.get(), "VBProject", "Name"); }
    std::string Description() const override {
        return d_.Texto(o_.get(), "VBProject", "Description");
    }
    vbide::VBComponents& VBComponents() override;
    vbide::References& References() override;

private:
    Despacho& d_;
    Ref o_;
    Cache<ComponentesCom> componentes_;
    Cache<ReferenciasCom> referencias_;
};

// A collection reached through a property of `o`, as a wrapper kept in `c`; Nothing raises
// error 91.
template <class T>
T& Propiedad(Despacho& d, Cache<T>& c, IDispatch* o, const char* tipo, const char* nombre) {
    Ref r = d.Objeto(o, tipo, nombre);
    if (!r) {
        throw ErrorVB(vberr::ObjectNotSet, std::string(tipo) + '.' + nombre,
                      std::string("El entorno no tiene ") + tipo + '.' + nombre);
    }
    return c.De(d, std::move(r));
}

} // namespace hostcom
