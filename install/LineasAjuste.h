#pragma once
// The setting lines of the IniVal procedure of an installed clsErrores. The installation and
// the configuration dialog both rewrite them; they differ only in their search keys.

#include "engine/EstadoSeleccion.h"
#include "host/vbide/CodeModule.h"

#include <string>
#include <string_view>

namespace install {

// A line is a setting's line when it holds the key anywhere, case ignored.
struct ClavesAjuste {
    std::string_view mandaEmail;
    std::string_view emailDir;
    std::string_view msgOnError;
    std::string_view logOnError;
};

inline constexpr ClavesAjuste ClavesAddModulos{
    "m_fSendEmailOnError = ", "c_EMailDir = ", "c_MsgOnError =", "m_fLogOnError ="};
inline constexpr ClavesAjuste ClavesDialogo{
    "m_fSendEmailOnError = ", "c_EMailDir = ", "c_MsgOnError = ", "m_fLogOnError = "};

// The four new lines, in the project's code page.
struct LineasAjuste {
    std::string mandaEmail;
    std::string emailDir;
    std::string msgOnError;
    std::string logOnError;
};

// A string literal of the language: the text between double quotes, each quote inside doubled
// so that the line stays valid code and the program sees the text as typed.
std::string Literal(std::string_view texto);

// The new lines for the pending settings (UTF-8), converted to the code page. A value the class
// cannot hold (ValorAjuste.h) or a text the code page cannot hold raises ErrorVB 5 naming the
// setting: nothing is written then.
LineasAjuste NuevasLineas(const engine::AjustesPendientes& ajustes, int paginaCodigos);

// The lines of IniVal itself: its header line and its end line (End Sub). Procedures after it
// are the user's own, whatever they assign.
struct Tramo {
    long primera;
    long ultima;
};
Tramo LineasIniVal(vbide::CodeModule& cls, int paginaCodigos);

// Within IniVal, each line holding a key (tested in order, each on the line's current text) is
// replaced whole by its new line.
void EscribeAjustes(vbide::CodeModule& cls, const LineasAjuste& lineas, const ClavesAjuste& claves,
                    int paginaCodigos);

// The settings IniVal holds now (UTF-8), read back from its last line of each setting (comment
// lines aside): a flag True or False, a text as one string literal with its quotes undoubled. A
// setting without such a line raises ErrorVB 5 naming the line, or the setting when IniVal
// has no line for it.
engine::AjustesPendientes LeeAjustes(vbide::CodeModule& cls, int paginaCodigos);

} // namespace install
