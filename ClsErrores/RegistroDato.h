#pragma once
// The value as it is written for a registry type, the same on every system: a text for
// REG_SZ (up to its first NUL), bytes for REG_BINARY, a 32-bit integer for REG_DWORD, and
// nothing for any other type.

#include "ClsErrores/Registro.h"

namespace registro {

// Throws ErrorVB 13 (type mismatch) for a value that cannot become `type`, and 6 (overflow)
// for a number text out of the 32-bit range.
Valor ValorParaTipo(const Valor& value, long type);

} // namespace registro
