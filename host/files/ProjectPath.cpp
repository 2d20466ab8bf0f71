#include "host/files/ProjectPath.h"

#include "base/CodePage.h"
#include "base/plataforma/Carpeta.h"

#include <system_error>
#include <vector>

namespace files {

namespace {

std::vector<std::string> SplitParts(std::string_view written) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : written) {
        if (c == '\\' || c == '/') {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    return parts;
}

// `folder` / `name`, when `name` can be a file name here: on Windows names are UTF-16, made
// from UTF-8, and code-page bytes that are no UTF-8 name no file.
std::optional<std::filesystem::path> Child(const std::filesystem::path& folder,
                                           const std::string& name) {
    try {
        return folder / name;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// The entry of `folder` named `part`, exactly or ignoring case.
std::optional<std::filesystem::path> FindEntry(const std::filesystem::path& folder,
                                               const std::string& part, int codepage) {
    std::error_code ec;
    // Found as written, it is named as its folder lists it (Windows matches any case).
    auto exact = Child(folder, part);
    if (exact && std::filesystem::exists(*exact, ec)) {
        return folder / plataforma::NombreEnCarpeta(*exact);
    }
    // Names on disk are usually UTF-8 while the project file holds code-page bytes.
    std::string utf8 = codepage::AUtf8(part, codepage);
    if (utf8 != part && std::filesystem::exists(folder / utf8, ec)) {
        return folder / plataforma::NombreEnCarpeta(folder / utf8);
    }
    std::optional<std::filesystem::path> found;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (codepage::IgualesSinCaso(name, part, codepage) ||
            codepage::IgualesSinCaso(name, utf8, codepage::Predeterminada)) {
            // Several entries differing only by case: take the first in name order, so that
            // the same project always opens the same way.
            if (!found || it->path() < *found) {
                found = it->path();
            }
        }
    }
    return found;
}

// A path that names its own root: a drive ("C:\Comun"), a share ("\\servidor\recurso\x") or
// the root of the current drive ("\Comun"): that root as written and the rest of the path.
struct RaizEscrita {
    enum Tipo { Unidad, Red, RaizActual } tipo;
    std::string raiz;
    std::string_view resto;
};

bool Separador(std::string_view written, std::size_t i) {
    return written.size() > i && (written[i] == '\\' || written[i] == '/');
}

std::optional<RaizEscrita> RaizDe(std::string_view written) {
    if (written.size() >= 2 && written[1] == ':') {
        return RaizEscrita{RaizEscrita::Unidad, std::string(written.substr(0, 2)),
                           written.substr(2)};
    }
    if (Separador(written, 0) && Separador(written, 1)) {
        // The server and the share: the two parts after the leading pair.
        auto finDeParte = [&](std::size_t i) {
            while (i < written.size() && !Separador(written, i)) {
                ++i;
            }
            return i;
        };
        std::size_t servidor = finDeParte(2);
        std::size_t recurso = servidor < written.size() ? finDeParte(servidor + 1) : servidor;
        return RaizEscrita{RaizEscrita::Red, std::string(written.substr(0, recurso)),
                           written.substr(recurso)};
    }
    if (Separador(written, 0)) {
        return RaizEscrita{RaizEscrita::RaizActual, "", written.substr(1)};
    }
    return std::nullopt;
}

} // namespace

std::string Unreachable(std::string_view written) {
    auto raiz = RaizDe(written);
    if (!raiz || plataforma::RaizWindows(raiz->raiz, {})) {
        return {};
    }
    switch (raiz->tipo) {
    case RaizEscrita::Unidad:
        return "es una ruta de una unidad de Windows, que no existe en este sistema";
    case RaizEscrita::Red:
        return "es una ruta de red de Windows (\\\\servidor\\recurso), que no se alcanza desde "
               "este sistema";
    case RaizEscrita::RaizActual:
        break;
    }
    return "parte de la raíz de una unidad de Windows, que no existe en este sistema";
}

std::optional<std::filesystem::path> ResolveProjectPath(const std::filesystem::path& folder,
                                                        std::string_view written, int codepage) {
    if (written.empty() || !Unreachable(written).empty()) {
        return std::nullopt;
    }
    std::filesystem::path at = folder;
    auto raiz = RaizDe(written);
    if (raiz) {
        // Where Windows paths lead (Unreachable said so): the drive or share as written.
        auto start = plataforma::RaizWindows(codepage::AUtf8(raiz->raiz, codepage), folder);
        if (!start) {
            return std::nullopt;
        }
        at = *start;
    }
    for (const auto& part : SplitParts(raiz ? raiz->resto : written)) {
        if (part.empty() || part == ".") {
            continue;
        }
        if (part == "..") {
            at = at.parent_path();
            continue;
        }
        auto next = FindEntry(at, part, codepage);
        if (!next) {
            return std::nullopt;
        }
        at = *next;
    }
    // Named as listed when it is no file, for the message that refuses it.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(at, ec)) {
        return at.lexically_normal();
    }
    return std::filesystem::weakly_canonical(at, ec);
}

std::string ProjectPathName(std::string_view written) {
    auto cut = written.find_last_of("\\/");
    return std::string(cut == std::string_view::npos ? written : written.substr(cut + 1));
}

bool IsUnder(const std::filesystem::path& path, const std::filesystem::path& folder) {
    auto rel = path.lexically_relative(folder);
    return !rel.empty() && *rel.begin() != "..";
}

std::string WindowsRelative(const std::filesystem::path& path,
                            const std::filesystem::path& folder) {
    std::string text = path.lexically_relative(folder).generic_string();
    for (char& c : text) {
        if (c == '/') {
            c = '\\';
        }
    }
    return text;
}

} // namespace files
