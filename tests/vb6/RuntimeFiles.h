#pragma once
// The two VB6 files shipped for developers' projects, read as bytes.

#include "tests/support/Archivos.h"
#include "tests/vb6/Vb6Checker.h"

#include <string>

namespace vb6check {

inline std::string RutaRuntime(const std::string& fichero) {
    return std::string(LINTRAP_SOURCE_DIR) + "/ClsErrores/" + fichero;
}

inline const std::string& BytesClase() {
    static const std::string bytes = soporte::Lee(RutaRuntime("clsErrores.cls"));
    return bytes;
}

inline const std::string& BytesModulo() {
    static const std::string bytes = soporte::Lee(RutaRuntime("InfoSistema.bas"));
    return bytes;
}

// The search keys with which the add-in finds the setting lines of IniVal when it installs
// the class, and those of its configuration dialog, in the order of the lines.
inline constexpr const char* ClavesInstalacion[] = {
    "m_fSendEmailOnError = ", "c_EMailDir = ", "c_MsgOnError =", "m_fLogOnError ="};
inline constexpr const char* ClavesDialogo[] = {
    "m_fSendEmailOnError = ", "c_EMailDir = ", "c_MsgOnError = ", "m_fLogOnError = "};

} // namespace vb6check
