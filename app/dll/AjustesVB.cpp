#include "app/dll/AjustesVB.h"

#include "base/ErrorVB.h"
#include "base/plataforma/win32/Win32.h"

namespace dll {

namespace {

using plataforma::win32::Utf16;
using plataforma::win32::Utf8;

std::wstring Clave(const std::string& appName, const std::string& section) {
    return L"Software\\VB and VBA Program Settings\\" + Utf16(appName) + L"\\" + Utf16(section);
}

} // namespace

std::string GetSetting(const std::string& appName, const std::string& section,
                       const std::string& key, const std::string& omision) {
    const std::wstring clave = Clave(appName, section), nombre = Utf16(key);
    DWORD bytes = 0;
    if (::RegGetValueW(HKEY_CURRENT_USER, clave.c_str(), nombre.c_str(), RRF_RT_REG_SZ, nullptr,
                       nullptr, &bytes) != ERROR_SUCCESS) {
        return omision;
    }
    std::wstring texto(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = DWORD(texto.size() * sizeof(wchar_t));
    if (::RegGetValueW(HKEY_CURRENT_USER, clave.c_str(), nombre.c_str(), RRF_RT_REG_SZ, nullptr,
                       texto.data(), &bytes) != ERROR_SUCCESS) {
        return omision;
    }
    texto.resize(wcsnlen(texto.c_str(), texto.size()));
    return Utf8(texto);
}

void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                 const std::string& value) {
    const std::wstring clave = Clave(appName, section), nombre = Utf16(key), dato = Utf16(value);
    const LSTATUS s = ::RegSetKeyValueW(HKEY_CURRENT_USER, clave.c_str(), nombre.c_str(), REG_SZ,
                                        dato.c_str(), DWORD((dato.size() + 1) * sizeof(wchar_t)));
    if (s != ERROR_SUCCESS) {
        throw ErrorVB(vberr::PathFileAccessError, "SaveSetting",
                      "No se puede guardar el ajuste " + key + " en HKEY_CURRENT_USER\\" +
                          Utf8(clave) + ": " + plataforma::win32::TextoDeError(DWORD(s)));
    }
}

} // namespace dll
