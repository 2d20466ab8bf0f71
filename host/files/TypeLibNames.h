#pragma once
// The names the environment gives the type libraries VB6 projects usually reference. The
// environment reads a library's name from the library itself; a project file keeps only its
// GUID, version and file, so the libraries known here are recognised by GUID.

#include <optional>
#include <string_view>

namespace files {

// The library's own name ("stdole", "ADODB", "MSComctlLib") for a GUID written as in a
// "Reference=" or "Object=" line, braces included, letters in either case; nothing for a GUID
// not in the table.
std::optional<std::string_view> TypeLibName(std::string_view guid);

} // namespace files
