#pragma once
// What the host's add-in manager shows of Lintrap.

#include "host/vbide/AddIn.h"

namespace addin {

vbide::AddInRegistration Registro();

} // namespace addin
