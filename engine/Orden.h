#pragma once
// Alphabetical order as a user reads it: by the collation of the user's language (Spanish
// unless said otherwise), case ignored, so that "Añade" comes before "Azul" and "Ñandú" after
// "Nube". The windows' lists and the command line sort with this one function.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

inline constexpr std::string_view IdiomaPredeterminado = "es";

// The positions of `nombres` (code-page bytes) in alphabetical order; equal names keep the
// order they came in. Where the language has no collation the root order of Unicode applies.
std::vector<std::size_t> OrdenAlfabetico(const std::vector<std::string_view>& nombres,
                                         int paginaCodigos,
                                         std::string_view idioma = IdiomaPredeterminado);

} // namespace engine
