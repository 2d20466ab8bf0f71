#include "ui/inspectors/Referencias.h"

#include "base/CodePage.h"
#include "base/ErrorVB.h"

namespace inspectors {

void NombresReferencias(vbide::VBProject& proyecto, int cp, std::vector<std::string>& nombres) {
    auto& referencias = proyecto.References();
    const long total = referencias.Count();
    for (long i = 1; i <= total; ++i) {
        nombres.push_back(codepage::AUtf8(referencias.Item(i).Name(), cp));
    }
}

std::string TextoDescripcion(std::string_view descripcion, int cp) {
    if (descripcion.empty()) {
        return {};
    }
    return "Descripción del proyecto:\r\n" + codepage::AUtf8(descripcion, cp);
}

std::string TituloReferencias(std::string_view nombreProyecto, int cp) {
    return codepage::AUtf8(nombreProyecto, cp) + " (Referencias)";
}

std::string DetalleReferencia(vbide::Reference& r, int cp) {
    return codepage::AUtf8(r.Name(), cp) + " " + std::to_string(r.Major()) + "." +
           std::to_string(r.Minor()) + "\r\n" + codepage::AUtf8(r.FullPath(), cp) +
           "\r\nGUID: " + codepage::AUtf8(r.Guid(), cp);
}

vbide::Reference& ReferenciaPorNombre(vbide::VBProject& proyecto, const std::string& nombre,
                                      int cp) {
    auto bytes = codepage::DesdeUtf8(nombre, cp);
    if (!bytes) {
        throw ErrorVB(vberr::SubscriptOutOfRange, "References",
                      "No existe la referencia '" + nombre + "'");
    }
    return proyecto.References().Item(*bytes);
}

} // namespace inspectors
