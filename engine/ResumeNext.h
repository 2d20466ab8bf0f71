#pragma once
#include "engine/Lineas.h"

#include <optional>
#include <string>
#include <string_view>

namespace engine {

// What is left of a line once its leading "On Error Resume Next" statement is taken out:
// nothing when the line does not begin with the statement (after an optional line number);
// an empty text when the whole line goes; the line without the statement and its colon when
// further statements follow it on the same line.
std::optional<std::string> SinResumeNext(std::string_view linea, const Tabla& tabla);

} // namespace engine
