#include "host/files/ModuleFile.h"

#include "host/files/CodeModuleMem.h"
#include "host/files/DesignerTree.h"
#include "host/files/ModuleError.h"
#include "host/files/ModuleSyntax.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace files {

using namespace syntax;
using vbide::ComponentType;

namespace {

struct RawLine {
    size_t begin;
    size_t len;        // without the line end
    unsigned char eol; // 0 none, 1 LF, 2 CR LF, 3 a lone CR
    size_t Next() const { return begin + len + (eol == 3 ? 1 : eol); }
};

// How many CRs in `s` have no LF after them. Old tools wrote CR alone as the line end, and the
// environment reads one as a line end wherever it stands: so does the model, and writes it back
// as it was. Each CR is found by memchr, which runs at memory speed; a CR LF file has one a line.
size_t LoneCrs(std::string_view s) {
    size_t lone = 0;
    const char* at = s.data();
    const char* end = s.data() + s.size();
    while (const void* cr = std::memchr(at, '\r', static_cast<size_t>(end - at))) {
        at = static_cast<const char*>(cr) + 1;
        lone += static_cast<size_t>(at == end || *at != '\n');
    }
    return lone;
}

// The line that starts at `begin` (< bytes.size()), in a file with lone CRs.
RawLine SplitAtAnyBreak(const std::string& bytes, size_t begin) {
    const char* data = bytes.data();
    size_t at = begin;
    while (at < bytes.size() && data[at] != '\n' && data[at] != '\r') {
        ++at;
    }
    if (at == bytes.size()) {
        return {begin, at - begin, 0};
    }
    if (data[at] == '\n') {
        return {begin, at - begin, 1};
    }
    const bool crlf = at + 1 < bytes.size() && data[at + 1] == '\n';
    return {begin, at - begin, static_cast<unsigned char>(crlf ? 2 : 3)};
}

// The line that starts at `begin` (< bytes.size()). `loneCr`: the file has lone CRs.
RawLine Split(const std::string& bytes, size_t begin, bool loneCr) {
    if (loneCr) {
        return SplitAtAnyBreak(bytes, begin);
    }
    const char* data = bytes.data();
    const void* nl = std::memchr(data + begin, '\n', bytes.size() - begin);
    if (!nl) {
        return {begin, bytes.size() - begin, 0};
    }
    size_t at = static_cast<size_t>(static_cast<const char*>(nl) - data);
    bool crlf = at > begin && data[at - 1] == '\r';
    return {begin, at - begin - (crlf ? 1 : 0), static_cast<unsigned char>(crlf ? 2 : 1)};
}

// The header's lines, split only as far as they are read: the code after the header is split
// straight into the module's lines.
class RawLines {
public:
    RawLines(const std::string& bytes, size_t from, bool loneCr)
        : bytes_(bytes), next_(from), loneCr_(loneCr) {}

    bool Has(size_t k) {
        while (lines_.size() <= k && next_ < bytes_.size()) {
            SplitOne();
        }
        return k < lines_.size();
    }
    const RawLine& operator[](size_t k) {
        Has(k);
        return lines_[k];
    }
    size_t Count() {
        while (next_ < bytes_.size()) {
            SplitOne();
        }
        return lines_.size();
    }

private:
    void SplitOne() {
        RawLine l = Split(bytes_, next_, loneCr_);
        next_ = l.Next();
        lines_.push_back(l);
    }

    const std::string& bytes_;
    size_t next_;
    bool loneCr_;
    std::vector<RawLine> lines_;
};

size_t LineOfOffset(const std::string& bytes, size_t offset) {
    return 1 + static_cast<size_t>(
                   std::count(bytes.begin(), bytes.begin() + static_cast<long>(offset), '\n'));
}

// The line breaks in `s`, counted in a loop the compiler vectorises (std::count is not).
size_t CountBreaks(std::string_view s) {
    size_t breaks = 0;
    for (char c : s) {
        breaks += static_cast<size_t>(c == '\n');
    }
    return breaks;
}

// The lines in raw text that ends each of them with its line end: CR LF, LF or a lone CR.
size_t CountLineEnds(std::string_view s) {
    size_t ends = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        ends += static_cast<size_t>(s[i] == '\n' ||
                                    (s[i] == '\r' && (i + 1 == s.size() || s[i + 1] != '\n')));
    }
    return ends;
}

// Refuses what is not source text: NUL bytes, or a start full of control bytes (a binary file).
void CheckText(const std::string& bytes, const std::string& path) {
    size_t nul = bytes.find('\0');
    if (nul != std::string::npos) {
        BadModule(path, LineOfOffset(bytes, nul),
                  "contiene un byte nulo: no es un archivo de código VB6");
    }
    auto isControl = [](unsigned char c) {
        return c < 0x20 && c != '\t' && c != '\r' && c != '\n' && c != '\f' && c != 0x1A;
    };
    // Counted through a table, without a branch per byte: every module is checked.
    static const std::array<unsigned char, 256> control = [&] {
        std::array<unsigned char, 256> t{};
        for (int c = 0; c < 256; ++c) {
            t[static_cast<size_t>(c)] = isControl(static_cast<unsigned char>(c)) ? 1 : 0;
        }
        return t;
    }();
    size_t sample = std::min<size_t>(bytes.size(), 65536);
    size_t controls = 0;
    for (size_t i = 0; i < sample; ++i) {
        controls += control[static_cast<unsigned char>(bytes[i])];
    }
    if (controls > 8 && controls * 100 > sample) {
        auto first = std::find_if(bytes.begin(), bytes.end(),
                                  [&](char c) { return isControl(static_cast<unsigned char>(c)); });
        BadModule(path, LineOfOffset(bytes, size_t(first - bytes.begin())),
                  "contiene caracteres de control: no es un archivo de código VB6");
    }
}

std::string Extension(const std::string& path) {
    size_t slash = path.find_last_of("/\\");
    size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return "";
    }
    std::string ext = path.substr(dot + 1);
    for (char& c : ext) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return ext;
}

std::string Stem(const std::string& path) {
    size_t slash = path.find_last_of("/\\");
    std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    size_t dot = base.rfind('.');
    return dot == std::string::npos ? base : base.substr(0, dot);
}

bool StartsWithWord(std::string_view t, std::string_view w) {
    return t.size() >= w.size() && SameWord(t.substr(0, w.size()), w) &&
           (t.size() == w.size() || IsBlank(t[w.size()]) || t[w.size()] == '=');
}

// "Attribute Item.VB_UserMemId = 0" or "Attribute VB_Name = ...": hidden from the code.
bool IsAttributeLine(std::string_view t) {
    // Every code line is asked: most are passed by on their first character.
    if (t.empty() || (t.front() | 0x20) != 'a' || !StartsWithWord(t, "Attribute")) {
        return false;
    }
    std::string_view rest = t.substr(9);
    std::string_view w = NextWord(rest);
    return w.find(".VB_") != std::string_view::npos || w.rfind("VB_", 0) == 0;
}

class ModuleFileMem : public ModuleFile {
public:
    ModuleFileMem(std::string name, ComponentType type, std::string eol, int codepage)
        : name_(std::move(name)), type_(type), eol_(eol), code_(name_, codepage, std::move(eol)) {}

    std::string Serialize() const override {
        std::string out = header_;
        // A header-only file may end without a line break: code added later must start on a
        // line of its own, or it would be glued onto the last header line. (A UTF-8 byte-order
        // mark alone is no line: the code follows it directly.)
        if (!out.empty() && out.back() != '\n' && out.back() != '\r' && out != "\xEF\xBB\xBF" &&
            code_.CountOfLines() > 0) {
            out += eol_;
        }
        code_.AppendTo(out);
        return out;
    }
    std::string Name() const override { return name_; }
    ComponentType Type() const override { return type_; }
    bool Modified() const override { return code_.Modified(); }
    void MarkSaved() override { code_.MarkSaved(); }
    vbide::CodeModule& Code() override { return code_; }
    vbide::Designer* Designer() override { return designer_.get(); }
    long FileLine(long line) override {
        const LinesBuffer& lines = code_.Buffer();
        long r = static_cast<long>(headerLines_) + line;
        for (size_t i = 0; i + 1 < static_cast<size_t>(line) && i < lines.Size(); ++i) {
            if (const std::string* oculta = lines.HiddenOf(lines.At(i))) {
                r += static_cast<long>(CountLineEnds(*oculta));
            }
        }
        return r;
    }

    std::string name_;
    ComponentType type_;
    std::string eol_; // the file's own line end
    std::string header_;
    size_t headerLines_ = 0;
    std::unique_ptr<DesignerTree> designer_;
    CodeModuleMem code_;
};

bool HasDesigner(const std::string& ext) {
    return ext == "frm" || ext == "ctl" || ext == "pag" || ext == "dob" || ext == "dsr";
}

ComponentType TypeOf(const std::string& ext, const std::string& path) {
    if (ext == "bas") {
        return ComponentType::StdModule;
    }
    if (ext == "cls") {
        return ComponentType::ClassModule;
    }
    if (ext == "frm") {
        return ComponentType::VBForm;
    }
    if (ext == "ctl") {
        return ComponentType::UserControl;
    }
    if (ext == "pag") {
        return ComponentType::PropPage;
    }
    if (ext == "dob") {
        return ComponentType::DocObject;
    }
    if (ext == "dsr") {
        return ComponentType::ActiveXDesigner;
    }
    BadModule(path, 1,
              "extensión desconocida \"." + ext +
                  "\" (se esperaba .bas, .cls, .frm, .ctl, .pag, .dob o .dsr)");
}

// What the lines before the code say.
struct Header {
    std::unique_ptr<DesignerTree> designer;
    std::string name;
    ComponentType type;
    std::string eol;    // the file's own line end
    size_t codeBegin;   // where the code starts in the bytes
    size_t headerLines; // how many lines come before it
};

// The header: VERSION, Object=, BEGIN ... END, the designer tree, module attributes. Bad input
// throws as Parse does.
Header ReadHeader(const std::string& bytes, const std::string& path, bool loneCr) {
    std::string ext = Extension(path);
    ComponentType type = TypeOf(ext, path);
    size_t bom = bytes.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    RawLines raw(bytes, bom, loneCr);
    auto view = [&](size_t k) {
        const RawLine& r = raw[k];
        return std::string_view(bytes).substr(r.begin, r.len);
    };

    std::unique_ptr<DesignerTree> designer;
    std::string name;
    size_t i = 0;
    if (raw.Has(i) && StartsWithWord(TrimBlanks(view(i)), "VERSION")) {
        ++i;
    }
    std::vector<std::string_view> views; // filled only when a designer tree needs them
    while (raw.Has(i)) {
        std::string_view t = TrimBlanks(view(i));
        std::string_view rest = t;
        std::string_view w = NextWord(rest);
        if (t.size() > 6 && SameWord(t.substr(0, 6), "Object") &&
            TrimBlanks(t.substr(6)).starts_with("=")) {
            ++i;
        } else if (SameWord(t, "BEGIN") && t == "BEGIN") {
            size_t j = i + 1;
            while (raw.Has(j) && !SameWord(TrimBlanks(view(j)), "END")) {
                ++j;
            }
            if (!raw.Has(j)) {
                BadModule(path, i + 1, "el bloque BEGIN no se cierra (falta END)");
            }
            i = j + 1;
        } else if (SameWord(w, "Begin") && !rest.empty()) {
            if (designer) {
                BadModule(path, i + 1, "el archivo tiene un segundo bloque Begin de diseñador");
            }
            if (views.empty()) {
                size_t n = raw.Count();
                views.reserve(n);
                for (size_t k = 0; k < n; ++k) {
                    views.push_back(view(k));
                }
            }
            designer = std::make_unique<DesignerTree>();
            i = designer->Parse(views, i, 1, path) + 1;
        } else if (StartsWithWord(t, "Attribute")) {
            std::string_view r = t.substr(9);
            if (SameWord(NextWord(r), "VB_Name") && r.starts_with("=")) {
                r = TrimBlanks(r.substr(1));
                if (r.size() >= 2 && r.front() == '"' && r.back() == '"') {
                    r = r.substr(1, r.size() - 2);
                }
                name = std::string(r);
            }
            ++i;
        } else {
            break;
        }
    }
    if (HasDesigner(ext) && !designer) {
        BadModule(path, std::min(i + 1, std::max<size_t>(raw.Count(), 1)),
                  bytes.size() == bom ? "el archivo está vacío: falta el bloque Begin del diseñador"
                                      : "falta el bloque Begin del diseñador");
    }
    if (designer && type == ComponentType::VBForm &&
        SameWord(designer->RootClass(), "VB.MDIForm")) {
        type = ComponentType::VBMDIForm;
    }
    if (name.empty()) {
        name = Stem(path); // a module without VB_Name: named after its file
    }

    std::string eol = "\r\n";
    if (raw.Has(0) && raw[0].eol == 1) {
        eol = "\n";
    } else if (raw.Has(0) && raw[0].eol == 3) {
        eol = "\r";
    }
    return {std::move(designer),
            std::move(name),
            type,
            std::move(eol),
            raw.Has(i) ? raw[i].begin : bytes.size(),
            i};
}

} // namespace

std::optional<ModuleHead> ModuleFile::Peek(std::string head, const std::string& path, bool whole) {
    if (whole) {
        CheckText(head, path);
        Header h = ReadHeader(head, path, LoneCrs(head) > 0);
        return ModuleHead{std::move(h.name), h.type};
    }
    // Whole lines only: a line cut short could pass for the first line after the header.
    const size_t end = head.rfind('\n');
    if (end == std::string::npos) {
        return std::nullopt;
    }
    head.resize(end + 1);
    // The header is known only if it ends before the head does. What is wrong with the file is
    // for the whole file to tell, here or when its code is read.
    try {
        Header h = ReadHeader(head, path, LoneCrs(head) > 0);
        if (h.codeBegin < head.size()) {
            return ModuleHead{std::move(h.name), h.type};
        }
    } catch (const ErrorVB&) {
    }
    return std::nullopt;
}

std::unique_ptr<ModuleFile> ModuleFile::Parse(std::string bytes, const std::string& path,
                                              int codepage) {
    CheckText(bytes, path);
    const size_t loneCrs = LoneCrs(bytes);
    Header h = ReadHeader(bytes, path, loneCrs > 0);
    const size_t codeBegin = h.codeBegin;
    size_t i = h.headerLines;
    auto file = std::make_unique<ModuleFileMem>(std::move(h.name), h.type, h.eol, codepage);
    file->header_ = bytes.substr(0, codeBegin);
    file->headerLines_ = h.headerLines;
    file->designer_ = std::move(h.designer);

    // The code: each line points into the file's bytes, kept whole by the buffer.
    LinesBuffer& lines = file->code_.Buffer();
    if (bytes.size() > UINT32_MAX) {
        BadModule(path, 1, "el archivo pasa de 4 GiB: no es un archivo de código VB6");
    }
    lines.Adopt(std::move(bytes));
    const std::string& data = lines.FileBytes();
    // The records are written in place, their room sized once.
    lines.StartLoad(CountBreaks(std::string_view(data).substr(codeBegin)) + loneCrs + 1);
    unsigned char above = 0;
    for (size_t begin = codeBegin; begin < data.size(); ++i) {
        RawLine r = Split(data, begin, loneCrs > 0);
        begin = r.Next();
        std::string_view text(data.data() + r.begin, r.len);
        if (lines.Size() != 0 && IsAttributeLine(text)) {
            lines.Hidden(lines.LastLoaded()).append(data, r.begin, r.Next() - r.begin);
            continue;
        }
        Line l;
        l.at = static_cast<uint32_t>(r.begin); // the file is under 4 GiB: so are its lines
        l.len = static_cast<uint32_t>(r.len);
        l.eol = r.eol;
        l.tag = TagOf(text, above);
        above = l.tag;
        lines.LoadNext(l);
    }
    file->code_.Loaded();
    return file;
}

} // namespace files
