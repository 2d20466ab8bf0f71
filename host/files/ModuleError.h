#pragma once
#include "base/ErrorVB.h"

#include <string>

namespace files {

// A module file that cannot be read: error 321 naming the file and the line.
[[noreturn]] inline void BadModule(const std::string& path, size_t line, const std::string& what) {
    throw ErrorVB(vberr::InvalidFileFormat, path,
                  path + ", línea " + std::to_string(line) + ": " + what);
}

} // namespace files
