#pragma once
// The projects the windows' tests open: the example project or standard modules written into a
// temporary folder.

#include "base/ErrorVB.h"
#include "host/files/Vbe.h"
#include "tests/support/Codigo.h"
#include "tests/support/Guion.h"

#include <filesystem>

#include <memory>
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

} // namespace soporte
