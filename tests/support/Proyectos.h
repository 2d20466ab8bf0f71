#pragma once
// The projects the windows' tests open: the example project or standard modules written into a
// temporary folder, and a host in which a module can be renamed after a window has listed it.

#include "base/ErrorVB.h"
#include "host/files/Vbe.h"
#include "tests/support/Codigo.h"
#include "tests/support/Guion.h"

#include <filesystem>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace soporte {

// The example project copied into a temporary folder.
inline std::filesystem::path CopiaDemo(const std::filesystem::path& carpeta) {
    return Copia(Ejemplo(), carpeta / "Demo") / "Demo.vbp";
}

// A standard module file named `nombre` with the code lines `codigo` (LF in the test).
inline std::pair<std::string, std::string> Bas(const std::string& nombre,
                                               const std::string& codigo) {
    return {nombre + ".bas", "Attribute VB_Name = \"" + nombre + "\"\n" + codigo};
}

// A project "Proyecto1" of the given standard modules, opened as the host opens it.
inline std::unique_ptr<files::Vbe>
AbreModulos(const std::filesystem::path& carpeta,
            const std::vector<std::pair<std::string, std::string>>& archivos) {
    std::string lineas;
    for (const auto& [archivo, texto] : archivos) {
        lineas += "Module=" + archivo.substr(0, archivo.size() - 4) + "; " + archivo + "\n";
    }
    return files::Vbe::Open(EscribeProyecto(carpeta, archivos, lineas));
}

// The host's view of a project in which some modules have been renamed since the window
// listed them: looking them up by their old name fails with error 9, as in the environment.
class ComponentesRenombrados : public vbide::VBComponents {
public:
    explicit ComponentesRenombrados(vbide::VBComponents& base) : base_(base) {}
    long Count() const override { return base_.Count(); }
    vbide::VBComponent& Item(long index) override { return base_.Item(index); }
    vbide::VBComponent& Item(const std::string& name) override {
        if (renombrados.count(name) != 0) {
            throw ErrorVB(vberr::SubscriptOutOfRange, "VBComponents", "No existe " + name);
        }
        return base_.Item(name);
    }
    vbide::VBComponent& Import(const std::string& path) override { return base_.Import(path); }
    std::set<std::string> renombrados;

private:
    vbide::VBComponents& base_;
};

class ProyectoRenombrable : public vbide::VBProject {
public:
    explicit ProyectoRenombrable(vbide::VBProject& base)
        : base_(base), componentes(base.VBComponents()) {}
    std::string Name() const override { return base_.Name(); }
    std::string Description() const override { return base_.Description(); }
    vbide::VBComponents& VBComponents() override { return componentes; }
    vbide::References& References() override { return base_.References(); }

private:
    vbide::VBProject& base_;

public:
    ComponentesRenombrados componentes;
};

class VbeRenombrable : public vbide::VBE {
public:
    explicit VbeRenombrable(std::unique_ptr<files::Vbe> base)
        : base_(std::move(base)), proyecto(*base_->ActiveVBProject()) {}
    vbide::VBProject* ActiveVBProject() override { return &proyecto; }
    vbide::VBProjects& VBProjects() override { return base_->VBProjects(); }
    vbide::CommandBars* CommandBars() override { return nullptr; }
    vbide::Events* Events() override { return nullptr; }

private:
    std::unique_ptr<files::Vbe> base_;

public:
    ProyectoRenombrable proyecto;
};

} // namespace soporte
