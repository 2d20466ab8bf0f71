#pragma once
// Codes of the environment's object model. Text is always the file's own bytes in the
// project's single-byte code page (one byte, one character); conversion happens at the edges.

namespace vbide {

enum class ComponentType : int {
    StdModule = 1,
    ClassModule = 2,
    MSForm = 3,
    ResFile = 4,
    VBForm = 5,
    VBMDIForm = 6,
    PropPage = 7,
    UserControl = 8,
    DocObject = 9,
    RelatedDocument = 10,
    ActiveXDesigner = 11,
};

enum class MemberType : int {
    Method = 1,
    Property = 2,
    Variable = 3,
    Event = 4,
    Const = 5,
};

enum class ProcKind : int {
    Proc = 0,
    Let = 1,
    Set = 2,
    Get = 3,
};

} // namespace vbide
