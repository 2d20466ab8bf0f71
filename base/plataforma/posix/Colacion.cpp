#include "base/plataforma/Colacion.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <map>
#include <memory>

namespace plataforma {

namespace {

// One collator per language and thread: making one reads ICU's data, and the command line
// sorts the modules of a project on several threads at once. A language without one is
// remembered as such.
const icu::Collator* Colador(std::string_view idioma) {
    thread_local std::map<std::string, std::unique_ptr<icu::Collator>, std::less<>> coladores;
    auto hallado = coladores.find(idioma);
    if (hallado == coladores.end()) {
        UErrorCode estado = U_ZERO_ERROR;
        std::unique_ptr<icu::Collator> colador(
            icu::Collator::createInstance(icu::Locale(std::string(idioma).c_str()), estado));
        if (U_FAILURE(estado)) {
            colador.reset();
        } else {
            // the letters and their accents count, not their case
            colador->setStrength(icu::Collator::SECONDARY);
        }
        hallado = coladores.emplace(std::string(idioma), std::move(colador)).first;
    }
    return hallado->second.get();
}

} // namespace

std::optional<std::string> ClaveDeOrden(std::string_view texto, std::string_view idioma) {
    const icu::Collator* colador = Colador(idioma);
    if (colador == nullptr) {
        return std::nullopt;
    }
    const icu::UnicodeString u = icu::UnicodeString::fromUTF8(
        icu::StringPiece(texto.data(), static_cast<int32_t>(texto.size())));
    std::string clave(64, '\0');
    auto escribe = [&] {
        return colador->getSortKey(u, reinterpret_cast<uint8_t*>(clave.data()),
                                   static_cast<int32_t>(clave.size()));
    };
    int32_t n = escribe();
    if (n > static_cast<int32_t>(clave.size())) {
        clave.resize(static_cast<std::size_t>(n));
        n = escribe();
    }
    clave.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return clave;
}

} // namespace plataforma
