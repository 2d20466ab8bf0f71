#pragma once
// The running program, as VB's App object describes it.

#include <string>

namespace app {

// (App.Path and App.EXEName, the running executable's folder and name, are base/Programa.h's:
// the add-in needs them without the runtime.)

// The program's title: "Lintrap" unless the program sets another.
std::string Title();
void FijaTitle(std::string titulo);
// The product version.
int Major();
int Minor();
int Revision();

} // namespace app
