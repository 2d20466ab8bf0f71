#include "host/files/NameBeside.h"

#include "base/plataforma/Carpeta.h"
#include "host/files/ProjectFileIo.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace files {

std::filesystem::path NameBeside(const std::filesystem::path& file, std::string_view ending,
                                 std::size_t room) {
    const std::string name = file.filename().string();
    const std::filesystem::path folder = file.parent_path();
    const std::size_t limit = plataforma::NombreMasLargo(folder) - room;
    if (name.size() + ending.size() <= limit) {
        return folder / (name + std::string(ending));
    }
    char hash[20];
    std::snprintf(hash, sizeof hash, "~%016llx", (unsigned long long)FileStamp::HashOf(name));
    std::size_t keep = std::min(name.size(), limit - ending.size() - std::strlen(hash));
    while (keep > 0 && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) {
        --keep; // a UTF-8 character is kept whole or not at all
    }
    return folder / (name.substr(0, keep) + hash + std::string(ending));
}

} // namespace files
