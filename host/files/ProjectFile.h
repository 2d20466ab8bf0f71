#pragma once
// The lines of a project (.vbp) or group (.vbg) file, kept as they were read: lines the model
// does not change are written back byte for byte, with their own line ends.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace files {

class ProjectFile {
public:
    // Splits the bytes into lines. Throws ErrorVB 321 naming the file and line when the file is
    // empty or is not text (NUL or other control bytes).
    static ProjectFile Parse(std::string_view bytes, const std::filesystem::path& path);

    std::size_t Count() const { return lines_.size(); }
    const std::string& Text(std::size_t i) const { return lines_[i].text; }

    // The lines before the first "[Section]" line hold the project's own keys; the sections
    // after it belong to other tools and are only kept.
    bool InMainSection(std::size_t i) const { return i < mainEnd_; }
    // "Key" and "Value" of a "Key=Value" line of the main section; empty key otherwise.
    std::string_view Key(std::size_t i) const;
    std::string_view Value(std::size_t i) const;
    // The value of the first line with this key (ASCII case ignored), without surrounding
    // quotes; empty when there is none.
    std::string Find(std::string_view key) const;

    // Inserts a line in front of line `before` (Count() appends), ended like the file's lines.
    void Insert(std::size_t before, std::string text);
    void Replace(std::size_t i, std::string text);

    std::string Serialize() const;
    std::size_t Size() const;
    bool Changed() const { return changed_; }
    void MarkSaved() { changed_ = false; }

private:
    struct Line {
        std::string text;
        std::string end; // "\r\n", "\n", "\r" or "" (last line without a break)
    };
    std::vector<Line> lines_;
    std::size_t mainEnd_ = 0;
    std::size_t bom_ = 0;
    std::string newLine_ = "\r\n";
    bool changed_ = false;
};

// Removes surrounding spaces and one pair of double quotes.
std::string Unquote(std::string_view value);

} // namespace files
