#pragma once
// A file's bytes read and written whole, and test text with LF turned into VB6's CR LF.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

namespace soporte {

inline std::string Lee(const std::filesystem::path& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

inline void Escribe(const std::filesystem::path& ruta, std::string_view bytes) {
    std::ofstream(ruta, std::ios::binary) << bytes;
}

inline std::string Crlf(std::string_view texto) {
    std::string r;
    for (char c : texto) {
        if (c == '\n') {
            r += '\r';
        }
        r += c;
    }
    return r;
}

} // namespace soporte
