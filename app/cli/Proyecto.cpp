#include "app/cli/Proyecto.h"

#include "app/cli/Salida.h"
#include "base/CodePage.h"
#include "engine/Procedimientos.h"

#include <atomic>

namespace cli {

namespace {
std::atomic<bool> dejaAlSalir{false};
}

void CierraGrupo::operator()(files::Group* grupo) const {
    if (!dejaAlSalir.load())
        delete grupo;
}

void DejaAlSalir() {
    dejaAlSalir.store(true);
}

GrupoAbierto AbreProyecto(const Opciones& o, files::CodeLoading carga) {
    const std::filesystem::path ruta = o.proyecto;
    GrupoAbierto grupo;
    if (codepage::IgualesSinCaso(ruta.extension().string(), ".vbg"))
        grupo.reset(files::Group::Load(ruta, o.codepage, carga).release());
    else
        grupo.reset(files::Group::Single(files::Project::Load(ruta, o.codepage, carga)).release());

    const auto problemas = grupo->LoadProblems();
    if (!problemas.empty()) {
        for (const auto& e : problemas)
            Salida::Err("lintrap: " + e.Description + "\n");
        throw ErrorVB(vberr::FileNotFound, "lintrap",
                      o.proyecto + ": el proyecto no se ha podido cargar entero (" +
                          std::to_string(problemas.size()) +
                          (problemas.size() == 1 ? " problema" : " problemas") +
                          "); no se ha cambiado nada");
    }
    return grupo;
}

files::Component* BuscaModulo(files::Project& p, const std::string& nombre) {
    for (const std::string& listado : engine::ListaModulos(p, p.CodePage()))
        if (codepage::IgualesSinCaso(listado, nombre, p.CodePage()))
            return p.Find(listado);
    return nullptr;
}

bool EsModuloDelComplemento(files::Project& p, const std::string& nombre) {
    const int cp = p.CodePage();
    if (codepage::IgualesSinCaso(nombre, "ClsErrores", cp))
        return true;
    if (!codepage::IgualesSinCaso(nombre, "InfoSistema", cp))
        return false;
    files::Component* clase = p.Find("clsErrores");
    return clase && clase->Type() == vbide::ComponentType::ClassModule;
}

std::string RutaVisible(const files::Project& p, const std::filesystem::path& archivo) {
    std::error_code ec;
    auto relativa = std::filesystem::relative(archivo, p.Folder(), ec);
    if (ec || relativa.empty() || *relativa.begin() == "..")
        return archivo.string();
    return relativa.generic_string();
}

} // namespace cli
