#pragma once
// The code module of a module file held in memory: the lines the environment shows, the
// procedure index and the members, kept in step with every edit.

#include "host/files/LinesBuffer.h"
#include "host/files/MembersList.h"
#include "host/files/Observador.h"
#include "host/files/ProcIndex.h"
#include "host/vbide/CodeModule.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace files {

// There is no window here: showing the code pane does nothing.
class CodePaneMem : public vbide::CodePane {
public:
    void Show() override {}
};

class CodeModuleMem final : public vbide::CodeModule {
public:
    // `name` is the module file's name, read on every call (it may be renamed). `eol` is the
    // line end of lines added by edits (the file's own).
    CodeModuleMem(const std::string& name, int codepage, std::string eol);

    // Loading: the file's lines are appended to Buffer(), each with its tag computed from the
    // one above; Loaded() builds the index once.
    LinesBuffer& Buffer() { return lines_; }
    void Loaded();

    // Whether the lines differ from those last saved (or loaded): an undo back to them is no
    // change.
    bool Modified() const { return version_ != savedVersion_; }

    // The one observer told of every edit (nullptr: nobody).
    void Observa(ObservadorCodigo* observador) { observador_ = observador; }
    // The host's code window for this module; nullptr gives back the window-less pane.
    void FijaCodePane(vbide::CodePane* pane) { hostPane_ = pane; }

    // The module's lines as they are now, hidden attribute lines and all, to be put back
    // later exactly (undo of a whole command). Cheap to keep: a copy of the line records and
    // of the texts.
    struct Instantanea {
        LinesBuffer lines;
        std::vector<std::string> orphans;
        std::uint64_t version = 0;
    };
    Instantanea Toma() const { return {lines_, orphans_, version_}; }
    // Puts the lines of `foto` back, and with them whether they are the saved ones.
    void Restaura(const Instantanea& foto);
    void MarkSaved() { savedVersion_ = version_; }
    // The code lines as they go into the file, hidden attribute lines in place.
    void AppendTo(std::string& out) const;

    std::string Name() const override { return name_; }
    std::string Lines(long start, long count) const override;
    std::string_view Line(long line) const override;
    long CountOfLines() const override { return static_cast<long>(lines_.Size()); }
    long CountOfDeclarationLines() const override { return index_.DeclarationLines(); }
    void InsertLines(long line, const std::string& text) override;
    void DeleteLines(long start, long count = 1) override;
    void ReplaceLine(long line, const std::string& text) override;
    void AddFromString(const std::string& text) override;
    long ProcStartLine(const std::string& name, vbide::ProcKind kind) const override;
    long ProcCountLines(const std::string& name, vbide::ProcKind kind) const override;
    long ProcBodyLine(const std::string& name, vbide::ProcKind kind) const override;
    std::string ProcOfLine(long line, vbide::ProcKind* kind = nullptr) const override;
    // Columns are 1-based; a match lies within one line. `endCol` is the column just past the
    // searched range, and on success `endCol` receives the column just past the match (the
    // values select the match as a code pane's selection does). patternSearch takes the
    // wildcards of VB's Like: * any run, ? one character, # one digit, [abc] [a-z] [!abc] one
    // character of (or not of) a list; the longest match at the leftmost place is reported.
    bool Find(const std::string& target, long& startLine, long& startCol, long& endLine,
              long& endCol, bool wholeWord = false, bool matchCase = false,
              bool patternSearch = false) override;
    vbide::Members& Members() override { return members_; }
    vbide::CodePane& CodePane() override { return hostPane_ ? *hostPane_ : pane_; }

private:
    size_t Proc(const std::string& name, vbide::ProcKind kind, const char* op) const;
    [[noreturn]] void OutOfRange(const char* op, long line) const;
    // The lines of `text` into added_, tagged down from the flags `above` them.
    void MakeLines(std::string_view text, unsigned char above);
    unsigned char TagOfCached(std::string_view text, unsigned char above);
    bool StatementStartMaybe(long line) const;
    long Retag(long from);
    // Lines `first`..`last` (after the edit) changed; `delta` lines were added (or removed)
    // in front of line `at` as counted before the edit; the declarations section had
    // `declBefore` lines.
    void AfterEdit(long first, long last, long at, long delta, bool structural, long declBefore);
    void Reattach();
    void Antes() {
        if (observador_) {
            observador_->AntesDeCambiar(*this);
        }
    }
    void Despues(long primera, long quitadas, long puestas) {
        if (observador_) {
            observador_->Cambiado(*this, primera, quitadas, puestas);
        }
    }

    const std::string& name_;
    int codepage_;
    std::string eol_;
    unsigned char eolCode_;
    LinesBuffer lines_;
    ProcIndex index_;
    MembersList members_;
    CodePaneMem pane_;
    vbide::CodePane* hostPane_ = nullptr;
    ObservadorCodigo* observador_ = nullptr;
    std::vector<files::Line> added_; // the lines being inserted, kept for the next insertion
    // Lines inserted again and again (the engine's blocks) are tagged once: a line's flags
    // follow from its text and from what the line above passes down to it. A few slots, each
    // checked against its whole text.
    struct Tagged {
        std::string text;
        unsigned char above = 0xFF; // no flags of a line above: an empty slot
        unsigned char tag = 0;
    };
    std::array<Tagged, 32> tagged_;
    // Attribute lines whose line was deleted, waiting for their procedure's header again.
    std::vector<std::string> orphans_;
    // The last procedure looked up by name: the engine asks about one procedure several times
    // in a row (its start line, its count of lines), and folding the name and hashing it each
    // time is most of the cost. Good while the index's generation stays.
    struct Buscado {
        std::string name;
        vbide::ProcKind kind = vbide::ProcKind::Proc;
        size_t entry = ProcIndex::npos;
        unsigned long generation = 0;
    };
    mutable Buscado last_;
    // Each edit gives the lines a number this module never used before, so that two states of
    // it with one number hold the same lines.
    std::uint64_t version_ = 0;
    std::uint64_t lastVersion_ = 0;
    std::uint64_t savedVersion_ = 0;
};

} // namespace files
