#pragma once
// One run of each fuzz target over one input. The libFuzzer entry points call these, and
// test_reliability replays the seed corpus and every saved finding through them.

#include <string_view>

namespace fuzz {

// The first byte picks the extension (.bas .cls .frm .ctl .pag .dob .dsr); the rest is the file.
// Loading either refuses it with error 321 naming the file, or gives a module that saves back
// to the same bytes and whose procedure index is consistent.
void CasoModulo(std::string_view datos);

// Files of a project, separated by lines "--8<--": the project file P.vbp, then A.bas, B.frm,
// C.cls and a group G.vbg (opened instead of the project when present). Whatever loads saves
// back unchanged, and saving a project nobody edited writes nothing.
void CasoProyecto(std::string_view datos);

// A module file, then optionally a line "--8<--" and a script (see CasoMotor.cpp). Inserting
// once or twice, removing, then the script: after each step the index agrees with a fresh read;
// on a well-formed module (BienFormado) the commands keep what FaltaEnProcedimientos checks, a
// second insertion changes nothing and the removal gives the module back.
void CasoMotor(std::string_view datos);

} // namespace fuzz
