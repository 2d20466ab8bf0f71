#pragma once
// The running executable: where it is and what it is called. The add-in finds the runtime
// sources it ships beside it; the runtime writes its log there.

#include <string>

namespace programa {

// Folder of the running executable, without a trailing separator except for the root ("/");
// the current folder when the system does not say.
std::string Carpeta();
// File name of the running executable without its extension.
std::string Nombre();

} // namespace programa
