#pragma once
// The per-user settings store of VB programs (GetSetting, SaveSetting): values REG_SZ under
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>. UTF-8 texts.

#include <string>

namespace dll {

// `omision` when the value is missing or is no text.
std::string GetSetting(const std::string& appName, const std::string& section,
                       const std::string& key, const std::string& omision = {});
// Throws ErrorVB when the store cannot be written, saying which value and why.
void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                 const std::string& value);

} // namespace dll
