#include "app/cli/Proyecto.h"

#include "app/cli/Salida.h"
#include "base/CodePage.h"
#include "engine/Procedimientos.h"

#include <atomic>

namespace cli {

namespace {
std::atomic<bool> dejaAlSalir{false};
// A group left for the process's end stays reachable from here: not freed, yet not lost.
std::atomic<files::Group*> dejado{nullptr};
} // namespace

void CierraGrupo::operator()(files::Group* grupo) const {
    if (!dejaAlSalir.load())
        delete grupo;
    else
        dejado.store(grupo);
}

void DejaAlSalir() {
    dejaAlSalir.store(true);
}

GrupoAbierto AbreProyecto(const Opciones& o, files::CodeLoading carga) {
    const std::filesystem::path ruta = o.proyecto;
    const bool lectura = o.comando == Comando::List || o.comando == Comando::Check ||
                         o.comando == Comando::Report || o.comando == Comando::View ||
                         o.comando == Comando::Callers || o.comando == Comando::Refs ||
                         o.comando == Comando::Controls || o.simulacro;
    auto cerrojos = std::make_shared<Cerrojos>(o.espera, lectura, o.descartaDiario);
    GrupoAbierto grupo(nullptr, CierraGrupo{cerrojos});
    cerrojos->Toma(ruta);
    if (codepage::IgualesSinCaso(ruta.extension().string(), ".vbg"))
        grupo.reset(files::Group::Load(ruta, o.codepage, carga, [&](const auto& vbp) {
                        cerrojos->Toma(vbp);
                    }).release());
    else
        grupo.reset(files::Group::Single(files::Project::Load(ruta, o.codepage, carga)).release());
    Cerrojos::QuitaRestos(*grupo);

    // A missing resource file or related document is not code: the commands go on without it.
    // A missing code file stops them, unless asked to go on with what loaded.
    const auto problemas = grupo->LoadProblems();
    const auto clases = grupo->LoadProblemKinds();
    std::vector<const ErrorVB*> errores;
    for (std::size_t i = 0; i < problemas.size(); ++i) {
        const auto clase = i < clases.size() ? clases[i] : files::ProblemKind::Other;
        if (clase == files::ProblemKind::MissingOther)
            Salida::Err("lintrap: aviso: " + problemas[i].Description +
                        " (no es código: se "
                        "sigue sin él)\n");
        else if (clase == files::ProblemKind::MissingCode && o.saltaFaltantes)
            Salida::Err("lintrap: aviso: " + problemas[i].Description +
                        " (se omite; su línea "
                        "del proyecto se queda como está)\n");
        else
            errores.push_back(&problemas[i]);
    }
    if (!errores.empty()) {
        for (const ErrorVB* e : errores)
            Salida::Err("lintrap: " + e->Description + "\n");
        throw ErrorVB(vberr::FileNotFound, "lintrap",
                      o.proyecto + ": el proyecto no se ha podido cargar entero (" +
                          std::to_string(errores.size()) +
                          (errores.size() == 1 ? " problema" : " problemas") +
                          "); no se ha cambiado nada");
    }
    return grupo;
}

void CierraDestino(GrupoAbierto& grupo, const Opciones& o, const std::filesystem::path& archivo) {
    std::error_code ec;
    std::filesystem::create_directories(o.destino, ec);
    if (ec)
        return; // the save says what is wrong with the folder
    grupo.get_deleter().cerrojos->Toma(std::filesystem::path(o.destino) / archivo.filename(), true);
}

files::Component* BuscaModulo(files::Project& p, const std::string& nombre) {
    for (const std::string& listado : engine::ListaModulos(p, p.CodePage()))
        if (codepage::IgualesSinCaso(listado, nombre, p.CodePage()))
            return p.Find(listado);
    return nullptr;
}

files::Component& ModuloPedido(files::Project& p, const Opciones& o, const Salida& s,
                               const std::string& pedido) {
    files::Component* c = BuscaModulo(p, s.Bytes(pedido, "--module"));
    if (!c)
        throw ErrorVB(vberr::SubscriptOutOfRange, "lintrap",
                      o.proyecto + ": no hay ningún módulo \"" + pedido + "\"");
    return *c;
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
