#include "base/ErrorVB.h"
#include "host/files/ProjectFile.h"
#include "host/files/ProjectFileIo.h"
#include "host/files/Vbe.h"
#include "tests/fuzz/Casos.h"
#include "tests/fuzz/Invariantes.h"
#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"

#include <filesystem>
#include <vector>

namespace fuzz {

namespace {

namespace fs = std::filesystem;

std::vector<std::string_view> Trozos(std::string_view datos) {
    static constexpr std::string_view kCorte = "--8<--\n";
    std::vector<std::string_view> trozos;
    for (std::size_t at = 0; trozos.size() < 4 && (at = datos.find(kCorte)) != datos.npos;
         datos.remove_prefix(at + kCorte.size())) {
        trozos.push_back(datos.substr(0, at));
    }
    trozos.push_back(datos);
    return trozos;
}

} // namespace

void CasoProyecto(std::string_view datos) {
    const soporte::Carpeta carpeta("lintrap-fuzz");
    static const char* const kNombres[] = {"P.vbp", "A.bas", "B.frm", "C.cls", "G.vbg"};
    const std::vector<std::string_view> trozos = Trozos(datos);
    for (std::size_t i = 0; i < trozos.size(); ++i) {
        soporte::Escribe(carpeta / kNombres[i], trozos[i]);
    }

    // The project file on its own: kept line by line, written back as it was.
    try {
        files::ProjectFile pf = files::ProjectFile::Parse(trozos[0], carpeta / "P.vbp");
        Exige(pf.Serialize() == trozos[0], "the project file does not save back byte for byte");
    } catch (const ErrorVB& e) {
        Exige(e.Description.find("P.vbp") != std::string::npos,
              "the refusal does not name the project file: " + e.Description);
    }

    const fs::path abre = carpeta / std::string(trozos.size() == 5 ? "G.vbg" : "P.vbp");
    const auto antes = soporte::Foto(carpeta.Ruta());
    std::unique_ptr<files::Vbe> vbe;
    try {
        vbe = files::Vbe::Open(abre);
    } catch (const ErrorVB& e) {
        Exige(!e.Description.empty(), "a refusal without a description");
        Exige(soporte::Foto(carpeta.Ruta()) == antes, "a refused load changed the folder");
        return;
    }
    for (const ErrorVB& e : vbe->LoadProblems()) {
        Exige(!e.Description.empty(), "a load problem without a description");
    }
    files::Group& grupo = *vbe->Opened();
    Exige(!grupo.Modified(), "a group just loaded says it was modified");
    for (std::size_t p = 0; p < grupo.Count(); ++p) {
        files::Project& proyecto = grupo.At(p);
        for (std::size_t c = 0; c < proyecto.ComponentCount(); ++c) {
            files::Component& comp = proyecto.ComponentAt(c);
            Exige(comp.Bytes() == files::ReadWhole(comp.File()),
                  "component " + comp.File().string() + " would not save back as read");
            if (comp.HasCode()) {
                CompruebaIndice(comp.CodeModule());
            }
        }
    }
    try {
        vbe->Save();
    } catch (const ErrorVB& e) {
        Exige(!e.Description.empty(), "a refused save without a description");
    }
    Exige(soporte::Foto(carpeta.Ruta()) == antes,
          "saving a project nobody edited changed the folder");
}

} // namespace fuzz
