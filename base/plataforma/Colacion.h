#pragma once
// The alphabetical order of a language, as the system's collation knows it.

#include <optional>
#include <string>
#include <string_view>

namespace plataforma {

// The sort key of `texto` (UTF-8) in the order of `idioma` ("es"; "" the root order of
// Unicode): keys compare byte by byte as the language orders the texts, letters and accents
// counting, case not. Nothing when the system has no collation for the language. Safe on several
// threads at once.
std::optional<std::string> ClaveDeOrden(std::string_view texto, std::string_view idioma);

} // namespace plataforma
