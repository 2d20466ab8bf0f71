#pragma once
// The running program, as VB's App object describes it.

#include <string>

namespace app {

// Folder of the running executable, without a trailing separator except for the root ("/").
std::string Path();
// File name of the running executable without its extension.
std::string EXEName();
// The program's title: "Lintrap" unless the program sets another.
std::string Title();
void FijaTitle(std::string titulo);
// The product version.
int Major();
int Minor();
int Revision();

} // namespace app
