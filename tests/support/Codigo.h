#pragma once
// Code as the engine and installation tests see it: a module parsed from text, its code lines
// back as text, a project of such files on disk, the progress recorded, and glbErr kept quiet.

#include "ClsErrores/clsErrores.h"
#include "engine/Progreso.h"
#include "host/files/ModuleFile.h"
#include "host/files/Project.h"
#include "tests/support/Archivos.h"
#include "tests/support/Guion.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace soporte {

// A standard module named Modulo1 whose code is `codigo` (LF line ends in the test).
inline std::unique_ptr<files::ModuleFile> Modulo(std::string_view codigo) {
    return files::ModuleFile::Parse(Crlf("Attribute VB_Name = \"Modulo1\"\n") + Crlf(codigo),
                                    "Modulo1.bas", 1252);
}

// The module's code lines without the header, LF line ends.
inline std::string Codigo(files::ModuleFile& f) {
    auto& m = f.Code();
    std::string r;
    for (long l = 1; l <= m.CountOfLines(); ++l) {
        r += m.Lines(l, 1);
        r += '\n';
    }
    return r;
}

// The whole code of the component `nombre` of `proyecto`, CR LF.
inline std::string Texto(vbide::VBProject& proyecto, const std::string& nombre) {
    auto& m = proyecto.VBComponents().Item(nombre).CodeModule();
    return m.Lines(1, m.CountOfLines());
}

// The code of clsErrores from IniVal's header to its end: where the installed settings are.
inline std::string IniVal(vbide::VBProject& proyecto) {
    auto& m = proyecto.VBComponents().Item("clsErrores").CodeModule();
    const long desde = m.Members().Item("IniVal").CodeLocation();
    return m.Lines(desde, m.CountOfLines() - desde + 1);
}

// A project "Proyecto1" in `carpeta`: each file given as (name of the file, its text with LF
// line ends), listed in the project file by `lineas` (LF line ends too). Returns its path.
inline std::filesystem::path
EscribeProyecto(const std::filesystem::path& carpeta,
                const std::vector<std::pair<std::string, std::string>>& archivos,
                std::string_view lineas) {
    for (const auto& [nombre, texto] : archivos)
        Escribe(carpeta / nombre, Crlf(texto));
    Escribe(carpeta / "Proyecto1.vbp",
            Crlf("Type=Exe\n" + std::string(lineas) + "Name=\"Proyecto1\"\n"));
    return carpeta / "Proyecto1.vbp";
}

// The same project, loaded.
inline std::unique_ptr<files::Project>
Proyecto(const std::filesystem::path& carpeta,
         const std::vector<std::pair<std::string, std::string>>& archivos,
         std::string_view lineas) {
    return files::Project::Load(EscribeProyecto(carpeta, archivos, lineas));
}

class ProgresoAnotado : public engine::Progreso {
public:
    void Muestra(bool v) override { visible = v; }
    void Valor(double p) override { valores.push_back(p); }
    void RelojArena(bool a) override { reloj = a; }
    bool visible = false;
    bool reloj = false;
    std::vector<double> valores;
};

} // namespace soporte
