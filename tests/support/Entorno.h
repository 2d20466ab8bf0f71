#pragma once
// Setting and removing the environment variables a test points the program at.

#include <string>

namespace soporte {

// True when the variable is set.
bool PonVariable(const std::string& nombre, const std::string& valor);
void QuitaVariable(const std::string& nombre);

} // namespace soporte
