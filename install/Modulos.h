#pragma once
// Adding the runtime error handler to the user's project: the class clsErrores, the module
// InfoSistema with the declaration of glbErr, and the pending settings in the class.

#include "engine/Entorno.h"
#include "engine/EstadoSeleccion.h"
#include "engine/Instalacion.h"
#include "host/vbide/Project.h"

#include <string>

namespace install {

inline constexpr std::string_view DeclaracionGlbErr = "\r\nPublic glbErr As New clsErrores\r\n";

// The project holds a class module named exactly "clsErrores" (case counts). False after an
// error, which is reported.
bool YaExisteCls(vbide::VBProject& proyecto);

// The shipped source files: `carpetaAddIn` is the folder of the add-in's own component.
std::string RutaClase(const std::string& carpetaAddIn);
std::string RutaInfoSistema(const std::string& carpetaAddIn);

// Imports both files, declares glbErr in InfoSistema, writes the pending settings into the
// class, tells the user and sets the modules-added flag. A failing step is reported and ends
// the installation; a setting the code page cannot hold stops it before anything is added.
void AddModulos(vbide::VBProject& proyecto, engine::EstadoSeleccion& estado,
                const std::string& carpetaAddIn, engine::Dialogos& dialogos);

// The installation as the insertion calls it, for one project.
class InstalacionProyecto : public engine::Instalacion {
public:
    InstalacionProyecto(vbide::VBProject& proyecto, engine::EstadoSeleccion& estado,
                        std::string carpetaAddIn, engine::Dialogos& dialogos)
        : proyecto_(proyecto), estado_(estado), carpeta_(std::move(carpetaAddIn)),
          dialogos_(dialogos) {}
    bool YaExisteCls() override { return install::YaExisteCls(proyecto_); }
    void AddModulos() override { install::AddModulos(proyecto_, estado_, carpeta_, dialogos_); }

private:
    vbide::VBProject& proyecto_;
    engine::EstadoSeleccion& estado_;
    std::string carpeta_;
    engine::Dialogos& dialogos_;
};

} // namespace install
