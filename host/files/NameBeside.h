#pragma once
// The name of a file Lintrap keeps beside a project file ("P.vbp.lintrap-lock",
// "P.vbp.lintrap-journal"). A project file whose name is near the system's limit still gets
// one: the end of its name gives way to a hash of the whole, so that the project can be opened.

#include <filesystem>
#include <string_view>

namespace files {

// `room`: characters the name must leave free under the limit, for a file written first under a
// longer name and then renamed to this one.
std::filesystem::path NameBeside(const std::filesystem::path& file, std::string_view ending,
                                 std::size_t room = 0);

} // namespace files
