#pragma once
#include "host/vbide/Members.h"
#include "host/vbide/Types.h"

#include <string>
#include <string_view>

namespace vbide {

class CodePane {
public:
    virtual ~CodePane() = default;
    // Brings the module's code window up in the host (no-op where there is no window).
    virtual void Show() = 0;
};

// The code of one component as the environment shows it: 1-based line indexes over the whole
// module; the file's header and the procedures' attribute lines are not among the lines.
// Every failure raises ErrorVB with the environment's number and a clear description.
class CodeModule {
public:
    virtual ~CodeModule() = default;

    virtual std::string Name() const = 0;

    // The lines joined by CR LF, no final break. Reading past the end raises error 9.
    virtual std::string Lines(long start, long count) const = 0;
    // One line's text without copying it: what Lines(line, 1) gives, and the same error past
    // the end. The view is valid until the next edit of the module.
    virtual std::string_view Line(long line) const = 0;
    virtual long CountOfLines() const = 0;
    virtual long CountOfDeclarationLines() const = 0;

    // Inserts in front of the line now at `line` (CountOfLines + 1 appends), split at every
    // CR LF; a final CR LF yields one more, empty, line.
    virtual void InsertLines(long line, const std::string& text) = 0;
    virtual void DeleteLines(long start, long count = 1) = 0;
    virtual void ReplaceLine(long line, const std::string& text) = 0;
    // Adds the text at the end of the declarations section.
    virtual void AddFromString(const std::string& text) = 0;

    // Raise error 35 when the module has no such procedure.
    virtual long ProcStartLine(const std::string& name, ProcKind kind) const = 0;
    virtual long ProcCountLines(const std::string& name, ProcKind kind) const = 0;
    virtual long ProcBodyLine(const std::string& name, ProcKind kind) const = 0;
    // The procedure owning the line, empty in the declarations section; `kind` receives its
    // kind when given.
    virtual std::string ProcOfLine(long line, ProcKind* kind = nullptr) const = 0;

    // Searches [startLine:startCol, endLine:endCol] (1-based columns; endLine or endCol -1
    // mean the module's end). On success the four positions receive the match's place.
    virtual bool Find(const std::string& target, long& startLine, long& startCol, long& endLine,
                      long& endCol, bool wholeWord = false, bool matchCase = false,
                      bool patternSearch = false) = 0;

    virtual vbide::Members& Members() = 0;
    virtual vbide::CodePane& CodePane() = 0;
};

} // namespace vbide
