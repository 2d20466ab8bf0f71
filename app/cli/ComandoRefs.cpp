// lintrap refs: the references window's details of each reference of the project.
#include "app/cli/Codigos.h"
#include "app/cli/Comandos.h"
#include "app/cli/Proyecto.h"
#include "app/cli/Salida.h"
#include "base/CodePage.h"
#include "ui/inspectors/Referencias.h"

#include <nlohmann/json.hpp>

namespace cli {
namespace {

// The label's CR LF as the terminal's line break.
std::string Lineas(std::string texto) {
    std::string r;
    for (char c : texto)
        if (c != '\r')
            r += c;
    return r;
}

} // namespace

int ComandoRefs(const Opciones& o) {
    auto grupo = AbreProyecto(o, files::CodeLoading::WhenUsed);
    files::Project& p = grupo->Active();
    const int cp = p.CodePage();
    auto& referencias = p.References();
    std::string texto;
    // Keys in the order the references window shows them.
    nlohmann::ordered_json lista = nlohmann::ordered_json::array();
    for (long i = 1; i <= referencias.Count(); ++i) {
        auto& r = referencias.Item(i);
        if (o.json)
            lista.push_back({{"name", codepage::AUtf8(r.Name(), cp)},
                             {"major", r.Major()},
                             {"minor", r.Minor()},
                             {"path", codepage::AUtf8(r.FullPath(), cp)},
                             {"guid", codepage::AUtf8(r.Guid(), cp)}});
        else
            texto += (i > 1 ? "\n" : "") + Lineas(inspectors::DetalleReferencia(r, cp)) + "\n";
    }
    if (o.json)
        texto = lista.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
    Salida::Out(o.json ? texto : Salida::Visible(texto));
    return Hecho;
}

} // namespace cli
