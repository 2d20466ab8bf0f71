#pragma once
// What must hold of a module whatever the input: the checks shared by the fuzz targets and by
// the replay of their corpus in test_reliability. A broken invariant throws Hallazgo, which no
// code under test ever throws, so libFuzzer reports it as a crash and GoogleTest as a failure.

#include "host/files/ModuleFile.h"
#include "host/vbide/CodeModule.h"

#include <stdexcept>
#include <string>

namespace fuzz {

struct Hallazgo : std::logic_error {
    using std::logic_error::logic_error;
};

// Throws Hallazgo with `que` when `cierto` is false.
void Exige(bool cierto, const std::string& que);

// The procedure index of `m` agrees with itself: the declarations own no procedure, each
// procedure's start, body and count hold every line that names it, consecutive owners tile the
// lines below the declarations, and each method member sits on its procedure's header.
void CompruebaIndice(vbide::CodeModule& m);

// The edited module gives the same lines, owners, ranges and members as a fresh parse of its
// own serialized bytes.
void ComparaConReleido(files::ModuleFile& editado, const std::string& ruta);

// What no command may break in a procedure of `m`: no label or end line twice, no jump to a
// label the procedure lacks nor one of the user's to a label of our block, each OnError block
// followed by one ManejoError block before the end line. The first that fails, or empty.
std::string FaltaEnProcedimientos(vbide::CodeModule& m);

// The modules whose commands must keep what FaltaEnProcedimientos checks and whose insertion
// and removal must give back the input: where it holds, every procedure has one header and one
// end of its kind, each a statement on a line of its own, no Exit of another kind, no name twice,
// no end line outside a procedure, nothing but comments from a procedure's end to the next header,
// no line the commands write (naming our blocks, or the unmarked "On Error Resume Next"), no line
// number of the user's (removal takes every number off), no run of blank lines (an insertion
// collapses it). Anything else is broken code, which must only come through whole.
bool BienFormado(vbide::CodeModule& m);

} // namespace fuzz
