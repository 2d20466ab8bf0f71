#pragma once
// The environment's menus as far as the add-in uses them: the "Add-Ins" bar, the control added
// to it, and the click sinks advised to the controls' event sources.

#include "host/com/Objetos.h"

#include <ocidl.h>

#include <functional>
#include <vector>

namespace hostcom {

class ControlMenuCom : public vbide::CommandBarControl {
public:
    ControlMenuCom(Despacho& d, Ref o) : d_(d), o_(std::move(o)) {}
    std::string Caption() const override {
        return d_.Texto(o_.get(), "CommandBarControl", "Caption");
    }
    void SetCaption(const std::string& caption) override {
        d_.Pon(o_.get(), "CommandBarControl", "Caption", d_.Cadena(caption));
    }
    void Delete() override { d_.Llama(o_.get(), "CommandBarControl", "Delete"); }
    IDispatch* Objeto() const { return o_.get(); }

private:
    Despacho& d_;
    Ref o_;
};

class BarraCom : public vbide::CommandBar {
public:
    BarraCom(Despacho& d, Ref o) : d_(d), o_(std::move(o)) {}
    vbide::CommandBarControl& AddControl(int type) override;

private:
    Despacho& d_;
    Ref o_;
    Cache<ControlMenuCom> controles_;
};

class BarrasCom : public vbide::CommandBars {
public:
    BarrasCom(Despacho& d, Ref o) : d_(d), o_(std::move(o)) {}
    vbide::CommandBar* Item(const std::string& name) override;

private:
    Despacho& d_;
    Ref o_;
    Cache<BarraCom> cache_;
};

// The click sinks advised to the environment's command-bar event sources: all unadvised when
// this object dies.
class EventosCom : public vbide::Events {
public:
    EventosCom(Despacho& d, Ref o) : d_(d), o_(std::move(o)) {}
    ~EventosCom() override;
    void CommandBarEvents(vbide::CommandBarControl& control,
                          std::function<void()> onClick) override;

private:
    struct Conexion {
        Ref fuente; // the event source, kept while its point is advised
        IConnectionPoint* punto;
        DWORD cookie;
    };
    Despacho& d_;
    Ref o_;
    std::vector<Conexion> conexiones_;
};

} // namespace hostcom
