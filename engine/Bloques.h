#pragma once
// The code that the engine writes into the user's module and finds again on removal: the four
// marker comments, the OnError block after a header, the ManejoError block before an end line.

#include "engine/EstadoSeleccion.h"

#include <string>
#include <string_view>

namespace engine {

inline constexpr std::string_view InicioOnError =
    "'========Inicio OnError Quovant_Lintrap (no cambiar esta linea)=========";
inline constexpr std::string_view FinOnError =
    "'===========Fin OnError Quovant_Lintrap (no cambiar esta linea)=========";
inline constexpr std::string_view InicioManejoError =
    "'========Inicio ManejoError Quovant_Lintrap (no cambiar esta linea)=========";
inline constexpr std::string_view FinManejoError =
    "'===========Fin ManejoError Quovant_Lintrap (no cambiar esta linea)=========";

// Removal recognises the blocks by these keys, found anywhere in a comment line.
inline constexpr std::string_view ClaveInicioOnError = "Inicio OnError Quovant_Lintrap";
inline constexpr std::string_view ClaveFinOnError = "Fin OnError Quovant_Lintrap";
inline constexpr std::string_view ClaveInicioManejoError = "Inicio ManejoError Quovant_Lintrap";
inline constexpr std::string_view ClaveFinManejoError = "Fin ManejoError Quovant_Lintrap";

// The longest line the editor holds.
inline constexpr std::size_t LineaMasLarga = 1023;

// Where `nombre` stops being a VB identifier (a letter, then letters, digits and underscores;
// the code page's letters count as letters): the index of the first character that may not
// stand there, 0 for an empty name, npos for an identifier. Only an identifier is written
// into the code: anything else might close the string it stands in.
std::size_t FallaIdentificador(std::string_view nombre);

// The Push line of the OnError block, without its line end. The names stand inside a string
// literal: a quote in them is doubled, as VB writes one.
std::string LineaPush(std::string_view modulo, std::string_view procedimiento);

// Four lines and a final CR LF, so that inserting it leaves one empty line under the block.
std::string BloqueOnError(std::string_view modulo, std::string_view procedimiento);

// "[EXITPROC]" is replaced by `salida` ("EXIT SUB", "EXIT FUNCTION", "EXIT PROPERTY").
std::string BloqueManejoError(Variante variante, std::string_view salida);
// Lines of the ManejoError block of the variant: 9 for OptRaise, 8 otherwise.
long LineasManejoError(Variante variante);

} // namespace engine
