#pragma once
#include "engine/Lineas.h"
#include "host/vbide/CodeModule.h"
#include "host/vbide/Members.h"

#include <string>
#include <string_view>

namespace engine {

// Whether a method or event already has a line whose trimmed text begins with "On Error"
// (a numbered or commented one does not count). Properties are always false. A failing
// code-module operation is skipped; a failed lookup gives false.
bool ExisteOnError(vbide::CodeModule& m, vbide::Member& miembro, const Tabla& tabla);

// The lines ExisteOnError reads: the member's name, its start line and its count of lines.
// False, with nothing to read, for a member that is no method or event and where a lookup
// fails (the failure is the current error).
bool LineasDeOnError(vbide::CodeModule& m, vbide::Member& miembro, std::string& nombre,
                     long& primera, long& cuantas);

// Some line from `primera` on, for `cuantas` lines, begins with "On Error" (ExisteOnError's
// reading, over the lines LineasDeOnError gave).
bool OnErrorEntre(vbide::CodeModule& m, long primera, long cuantas, const Tabla& tabla);

// The trimmed text `t` begins with "On Error". The first letter turns most lines away.
inline bool EmpiezaOnError(std::string_view t, const Tabla& tabla) {
    return !t.empty() && tabla[static_cast<unsigned char>(t.front())] == tabla['o'] &&
           EmpiezaPor(t, "On Error", tabla);
}

} // namespace engine
