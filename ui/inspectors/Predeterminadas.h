#pragma once
// The properties of VB6's intrinsic controls that a form file leaves out because they hold their
// default value. The environment lists every property of a control; a form file writes only
// those that differ from the default, so the inspector fills the rest in from this table.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace inspectors {

using Propiedades = std::vector<std::pair<std::string, std::string>>; // name, value

// Every property of a control of class `clase` ("CommandButton" or "VB.CommandButton"): those
// `escritas` as given, the rest with their default; Booleans read as "True"/"False" (a file
// writes -1 and 0); "Name" first, then the rest by name, as the Properties window orders them.
// A font property ("Font.Name") that `escritas` leave out is the one `formulario`, the properties
// the control's form writes, gives. A class that is not one of VB6's own keeps `escritas`
// unchanged.
Propiedades CompletaPropiedades(std::string_view clase, Propiedades escritas,
                                const Propiedades& formulario = {});

} // namespace inspectors
