#include "engine/Orden.h"

#include "base/CodePage.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <memory>
#include <numeric>

namespace engine {
namespace {

// One collator per language and thread: making one reads ICU's data, and the command line
// sorts the modules of a project on several threads at once.
const icu::Collator* Colador(std::string_view idioma) {
    thread_local std::string suIdioma;
    thread_local std::unique_ptr<icu::Collator> colador;
    if (!colador || suIdioma != idioma) {
        UErrorCode estado = U_ZERO_ERROR;
        colador.reset(
            icu::Collator::createInstance(icu::Locale(std::string(idioma).c_str()), estado));
        if (U_FAILURE(estado)) {
            colador.reset();
            return nullptr;
        }
        // the letters and their accents count, not their case
        colador->setStrength(icu::Collator::SECONDARY);
        suIdioma = idioma;
    }
    return colador.get();
}

// The name's sort key: its bytes compare as the collator compares the names.
std::string Clave(const icu::Collator& colador, std::string_view nombre, int paginaCodigos) {
    const icu::UnicodeString u =
        icu::UnicodeString::fromUTF8(codepage::AUtf8(nombre, paginaCodigos));
    std::string clave(64, '\0');
    auto escribe = [&] {
        return colador.getSortKey(u, reinterpret_cast<uint8_t*>(clave.data()),
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

} // namespace

std::vector<std::size_t> OrdenAlfabetico(const std::vector<std::string_view>& nombres,
                                         int paginaCodigos, std::string_view idioma) {
    std::vector<std::size_t> orden(nombres.size());
    std::iota(orden.begin(), orden.end(), std::size_t{0});
    std::vector<std::string> claves;
    claves.reserve(nombres.size());
    const icu::Collator* colador = Colador(idioma);
    if (colador == nullptr) {
        colador = Colador("");
    }
    const auto& tabla = codepage::TablaMinusculas(paginaCodigos);
    for (std::string_view nombre : nombres) {
        if (colador != nullptr) {
            claves.push_back(Clave(*colador, nombre, paginaCodigos));
        } else {
            // no collation data at all: the code page's folded bytes
            std::string plegado(nombre);
            for (char& c : plegado) {
                c = static_cast<char>(tabla[static_cast<unsigned char>(c)]);
            }
            claves.push_back(std::move(plegado));
        }
    }
    std::stable_sort(orden.begin(), orden.end(),
                     [&](std::size_t a, std::size_t b) { return claves[a] < claves[b]; });
    return orden;
}

} // namespace engine
