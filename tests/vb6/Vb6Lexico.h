#pragma once
// Lexical helpers of the checker: strings, comments, statements and words of VB6 code.

#include <string>
#include <string_view>
#include <vector>

namespace vb6check::lexico {

std::string Recorta(std::string_view texto); // spaces and tabs at both ends

// Position of the comment's quote outside any string literal, or npos.
std::size_t InicioComentario(std::string_view codigo);

// The code with the contents of every string literal removed ("" stays): keywords inside
// strings no longer count.
std::string SinCadenas(std::string_view codigo);

// The words of code without strings, lower case; "#if", "#else", "#end" keep their "#".
std::vector<std::string> Palabras(std::string_view codigoSinCadenas);

// The statement ends in the word Then (a block If), nothing but spaces after it.
bool TerminaEnThen(std::string_view codigoSinCadenas);

} // namespace vb6check::lexico
