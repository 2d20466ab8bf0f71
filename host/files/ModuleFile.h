#pragma once
#include "host/vbide/CodeModule.h"
#include "host/vbide/Designer.h"
#include "host/vbide/Types.h"

#include <memory>
#include <optional>
#include <string>

namespace files {

// What a module file's header says of it.
struct ModuleHead {
    std::string name;
    vbide::ComponentType type;
};

// One module file (.bas .cls .frm .ctl .pag .dob .dsr) held in memory.
class ModuleFile {
public:
    virtual ~ModuleFile() = default;

    // Parses the file's bytes. `path` names the file in error messages (its extension gives the
    // kind: .bas StdModule, .cls ClassModule, .frm VBForm or VBMDIForm (Begin VB.MDIForm), .ctl
    // UserControl, .pag PropPage, .dob DocObject, .dsr ActiveXDesigner). `codepage` folds case in
    // name lookups. Bad input throws ErrorVB(321, path, "<path>, línea N: what is wrong") and
    // nothing is kept.
    static std::unique_ptr<ModuleFile> Parse(std::string bytes, const std::string& path,
                                             int codepage);

    // The name and kind Parse would give, from the header alone. When `head` is the `whole` file,
    // the same bad input throws the same errors, except what only the code lines can show (a
    // line over 4 GiB). Otherwise `head` is the file's first bytes: nothing is thrown, and
    // nullopt says they do not hold the whole header (the caller reads the whole file).
    static std::optional<ModuleHead> Peek(std::string head, const std::string& path, bool whole);

    virtual std::string Serialize() const = 0; // unchanged since Parse: exactly the same bytes
    virtual std::string Name() const = 0;      // Attribute VB_Name
    virtual vbide::ComponentType Type() const = 0;
    virtual bool Modified() const = 0; // any edit since Parse or since MarkSaved()
    virtual void MarkSaved() = 0;
    virtual vbide::CodeModule& Code() = 0;
    virtual vbide::Designer* Designer() = 0; // nullptr for .bas/.cls
    // The line of the file (from 1) that holds the code line `line` as long as the code is
    // unedited: the header's lines and the hidden attribute lines above it come first. Tools
    // that point into the file (build logs, code scanning) need it, not the code's own number.
    virtual long FileLine(long line) = 0;
};

} // namespace files
