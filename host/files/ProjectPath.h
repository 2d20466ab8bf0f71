#pragma once
// Paths written in project files come from Windows: "..\Comun\util.bas", any letter case.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace files {

// The file a project path names, relative to `folder`: `\` and `/` both separate, and a part
// whose exact name is missing is matched ignoring case (ASCII and the code page's letters).
// Nothing when no such file exists, or for a drive path ("C:\...") that has no place here.
std::optional<std::filesystem::path> ResolveProjectPath(const std::filesystem::path& folder,
                                                        std::string_view written, int codepage);

// The last part of a project path, whichever separator it uses.
std::string ProjectPathName(std::string_view written);

// True when `path` lies inside `folder` (both already absolute and normal).
bool IsUnder(const std::filesystem::path& path, const std::filesystem::path& folder);

// `path` relative to `folder`, written with `\` as the project file expects.
std::string WindowsRelative(const std::filesystem::path& path, const std::filesystem::path& folder);

} // namespace files
