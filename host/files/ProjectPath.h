#pragma once
// Paths written in project files come from Windows: "..\Comun\util.bas", any letter case.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace files {

// The entry a project path names, relative to `folder`: `\` and `/` both separate, and a part
// whose exact name is missing is matched ignoring case (ASCII and the code page's letters).
// Whatever the entry is (a folder or a FIFO too: reading it says what it is). Nothing when no
// such entry exists, or for a path that cannot be reached from here (see Unreachable).
std::optional<std::filesystem::path> ResolveProjectPath(const std::filesystem::path& folder,
                                                        std::string_view written, int codepage);

// Why a project path leads nowhere on this system, or empty when it may lead somewhere: a
// Windows drive ("C:\Comun\util.bas"), another machine ("\\servidor\recurso\util.bas") or the
// root of the current drive ("\Comun\util.bas"). Such a path is never looked for under the
// project's folder, where it would find some other file.
std::string Unreachable(std::string_view written);

// The last part of a project path, whichever separator it uses.
std::string ProjectPathName(std::string_view written);

// True when `path` lies inside `folder` (both already absolute and normal).
bool IsUnder(const std::filesystem::path& path, const std::filesystem::path& folder);

// `path` relative to `folder`, written with `\` as the project file expects.
std::string WindowsRelative(const std::filesystem::path& path, const std::filesystem::path& folder);

} // namespace files
