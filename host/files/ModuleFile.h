#pragma once
#include "host/vbide/CodeModule.h"
#include "host/vbide/Designer.h"
#include "host/vbide/Types.h"

#include <memory>
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
    // nothing is kept. Bytes Peek has already accepted (`peeked`) are not searched for binary
    // content again.
    static std::unique_ptr<ModuleFile> Parse(std::string bytes, const std::string& path,
                                             int codepage, bool peeked = false);

    // The name and kind Parse would give, from the header alone; the same bad input throws the
    // same errors, except what only the code lines can show (a line over 4 GiB).
    static ModuleHead Peek(const std::string& bytes, const std::string& path);

    virtual std::string Serialize() const = 0; // unchanged since Parse: exactly the same bytes
    virtual std::string Name() const = 0;      // Attribute VB_Name
    virtual vbide::ComponentType Type() const = 0;
    virtual bool Modified() const = 0; // any edit since Parse or since MarkSaved()
    virtual void MarkSaved() = 0;
    virtual vbide::CodeModule& Code() = 0;
    virtual vbide::Designer* Designer() = 0; // nullptr for .bas/.cls
};

} // namespace files
