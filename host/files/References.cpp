#include "host/files/References.h"

#include "base/CodePage.h"
#include "base/ErrorVB.h"
#include "host/files/ProjectPath.h"
#include "host/files/TypeLibNames.h"

#include <charconv>

namespace files {

namespace {

std::vector<std::string_view> Split(std::string_view text, char sep) {
    std::vector<std::string_view> parts;
    for (;;) {
        auto cut = text.find(sep);
        parts.push_back(text.substr(0, cut));
        if (cut == std::string_view::npos) {
            return parts;
        }
        text.remove_prefix(cut + 1);
    }
}

// Type-library versions are written in hexadecimal, as the registry keeps them ("#1.a#").
long Hex(std::string_view text) {
    long value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return value;
}

std::string Stem(std::string_view written) {
    std::string name = ProjectPathName(written);
    auto dot = name.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

std::string FullPathOf(std::string_view written, const std::filesystem::path& folder,
                       int codepage) {
    auto found = ResolveProjectPath(folder, written, codepage);
    return found ? found->string() : std::string(written);
}

} // namespace

std::optional<Reference> Reference::Parse(std::string_view key, std::string_view value,
                                          const std::filesystem::path& folder, int codepage) {
    Reference ref;
    bool isObject = key == "Object";
    std::string_view file;
    if (isObject) {
        // Object={GUID}#2.0#0; MSCOMCTL.OCX
        auto semi = value.find(';');
        if (semi != std::string_view::npos) {
            file = value.substr(semi + 1);
            while (!file.empty() && file.front() == ' ') {
                file.remove_prefix(1);
            }
            value = value.substr(0, semi);
        }
    }
    if (value.starts_with("*\\A") || value.starts_with("*\\a")) {
        // Another project of the group: *\A..\Otro\Otro.vbp
        file = value.substr(3);
        ref.name_ = Stem(file);
        ref.fullPath_ = FullPathOf(file, folder, codepage);
        return ref;
    }
    if (value.starts_with("*\\G") || value.starts_with("*\\g")) {
        value.remove_prefix(3);
    } else if (!isObject) {
        return std::nullopt;
    }
    auto parts = Split(value, '#');
    ref.guid_ = std::string(parts[0]);
    if (parts.size() > 1) {
        auto version = Split(parts[1], '.');
        ref.major_ = Hex(version[0]);
        ref.minor_ = version.size() > 1 ? Hex(version[1]) : 0;
    }
    if (!isObject && parts.size() > 3) {
        file = parts[3];
    }
    if (parts.size() > 4) {
        // A description may itself hold "#".
        auto at = std::size_t(parts[4].data() - value.data());
        ref.description_ = std::string(value.substr(at));
    }
    ref.fullPath_ = FullPathOf(file, folder, codepage);
    if (auto known = TypeLibName(ref.guid_)) {
        ref.name_ = *known;
        return ref;
    }
    ref.name_ = !file.empty()               ? Stem(file)
                : !ref.description_.empty() ? ref.description_
                                            : ref.guid_;
    return ref;
}

vbide::Reference& References::Item(long index) {
    if (index < 1 || index > Count()) {
        throw ErrorVB(vberr::SubscriptOutOfRange, "References",
                      "No existe la referencia número " + std::to_string(index) + " (hay " +
                          std::to_string(Count()) + ")");
    }
    return items_[std::size_t(index - 1)];
}

vbide::Reference& References::Item(const std::string& name) {
    for (auto& ref : items_) {
        if (codepage::IgualesSinCaso(ref.Name(), name, codepage_)) {
            return ref;
        }
    }
    throw ErrorVB(vberr::SubscriptOutOfRange, "References",
                  "No existe la referencia '" + codepage::AUtf8(name, codepage_) + "'");
}

} // namespace files
