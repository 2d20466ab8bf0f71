#pragma once
#include "engine/Lineas.h"
#include "host/vbide/CodeModule.h"
#include "host/vbide/Members.h"

namespace engine {

// Whether a method or event already has a line whose trimmed text begins with "On Error"
// (a numbered or commented one does not count). Properties are always false. A failing
// code-module operation is skipped; a failed lookup gives false.
bool ExisteOnError(vbide::CodeModule& m, vbide::Member& miembro, const Tabla& tabla);

} // namespace engine
