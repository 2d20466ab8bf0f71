#pragma once
// The root object the host hands to its add-ins. It stays the same object while projects are
// opened, reloaded and closed, so that an add-in may keep it from one connection event to the
// next.

#include "app/ide/BarrasIde.h"
#include "host/files/Vbe.h"

#include <memory>

namespace ide {

class VbeIde;

class ProyectosIde : public vbide::VBProjects {
public:
    explicit ProyectosIde(VbeIde& vbe) : vbe_(vbe) {}
    long Count() const override;
    vbide::VBProject& Item(long index) override;

private:
    VbeIde& vbe_;
};

class VbeIde : public vbide::VBE {
public:
    vbide::VBProject* ActiveVBProject() override;
    vbide::VBProjects& VBProjects() override { return proyectos_; }
    vbide::CommandBars* CommandBars() override { return &barras_; }
    vbide::Events* Events() override { return &eventos_; }

    BarrasIde& Barras() { return barras_; }
    // The projects open now, or nothing.
    files::Vbe* Modelo() { return modelo_.get(); }
    void Cambia(std::unique_ptr<files::Vbe> modelo) { modelo_ = std::move(modelo); }

private:
    std::unique_ptr<files::Vbe> modelo_;
    ProyectosIde proyectos_{*this};
    BarrasIde barras_;
    EventosIde eventos_;
};

} // namespace ide
