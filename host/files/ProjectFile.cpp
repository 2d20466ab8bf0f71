#include "host/files/ProjectFile.h"

#include "host/files/ProjectFileIo.h"

namespace files {

namespace {

bool IsBinaryByte(unsigned char c) {
    // Tab, line ends, form feed and the old end-of-file mark occur in hand-edited text files.
    return c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f' && c != 0x1A;
}

bool EqualsAscii(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto x = (unsigned char)a[i], y = (unsigned char)b[i];
        if (x != y && !((x | 0x20) == (y | 0x20) && (x | 0x20) >= 'a' && (x | 0x20) <= 'z')) {
            return false;
        }
    }
    return true;
}

std::string_view TrimSpaces(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}

} // namespace

ProjectFile ProjectFile::Parse(std::string_view bytes, const std::filesystem::path& path) {
    ProjectFile file;
    long lineNo = 1;
    bool onlySpace = true;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        auto c = (unsigned char)bytes[i];
        if (IsBinaryByte(c)) {
            throw LineError(vberr::InvalidFileFormat, path, lineNo,
                            "no es un archivo de texto (contiene bytes binarios)");
        }
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
            onlySpace = false;
        }
        if (c == '\n' || c == '\r') {
            std::size_t endLen =
                (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
            file.lines_.push_back({std::string(bytes.substr(start, i - start)),
                                   std::string(bytes.substr(i, endLen))});
            i += endLen - 1;
            start = i + 1;
            ++lineNo;
        }
    }
    if (onlySpace) {
        throw LineError(vberr::InvalidFileFormat, path, 1, "el archivo está vacío");
    }
    if (start < bytes.size()) {
        file.lines_.push_back({std::string(bytes.substr(start)), ""});
    }
    if (!file.lines_.empty() && !file.lines_.front().end.empty()) {
        file.newLine_ = file.lines_.front().end;
    }
    // A byte-order mark from an editor is kept, but must not hide the first key.
    if (file.lines_.front().text.starts_with("\xEF\xBB\xBF")) {
        file.bom_ = 3;
    }
    file.mainEnd_ = file.lines_.size();
    for (std::size_t i = 0; i < file.lines_.size(); ++i) {
        if (TrimSpaces(file.lines_[i].text).starts_with('[')) {
            file.mainEnd_ = i;
            break;
        }
    }
    return file;
}

std::string_view ProjectFile::Key(std::size_t i) const {
    if (!InMainSection(i)) {
        return {};
    }
    std::string_view text = lines_[i].text;
    if (i == 0) {
        text.remove_prefix(bom_);
    }
    auto eq = text.find('=');
    return eq == std::string_view::npos ? std::string_view{} : TrimSpaces(text.substr(0, eq));
}

std::string_view ProjectFile::Value(std::size_t i) const {
    if (Key(i).empty()) {
        return {};
    }
    std::string_view text = lines_[i].text;
    return TrimSpaces(text.substr(text.find('=') + 1));
}

std::string ProjectFile::Find(std::string_view key) const {
    for (std::size_t i = 0; i < mainEnd_; ++i) {
        if (EqualsAscii(Key(i), key)) {
            return Unquote(Value(i));
        }
    }
    return {};
}

void ProjectFile::Insert(std::size_t before, std::string text) {
    Line line{std::move(text), newLine_};
    if (before >= lines_.size()) {
        before = lines_.size();
        // The old last line gets a break; the new one keeps the file's missing final break.
        if (!lines_.empty() && lines_.back().end.empty()) {
            lines_.back().end = newLine_;
            line.end.clear();
        }
    }
    lines_.insert(lines_.begin() + std::ptrdiff_t(before), std::move(line));
    if (before <= mainEnd_) {
        ++mainEnd_;
    }
    changed_ = true;
}

void ProjectFile::Replace(std::size_t i, std::string text) {
    if (lines_[i].text != text) {
        lines_[i].text = std::move(text);
        changed_ = true;
    }
}

std::size_t ProjectFile::Size() const {
    std::size_t size = 0;
    for (const auto& line : lines_) {
        size += line.text.size() + line.end.size();
    }
    return size;
}

std::string ProjectFile::Serialize() const {
    std::string bytes;
    bytes.reserve(Size());
    for (const auto& line : lines_) {
        bytes += line.text;
        bytes += line.end;
    }
    return bytes;
}

std::string Unquote(std::string_view value) {
    value = TrimSpaces(value);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

} // namespace files
