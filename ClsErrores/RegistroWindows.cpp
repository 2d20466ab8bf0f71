// The registry functions over the Windows registry. A failing registry call is no error: a key
// or value that cannot be read gives the empty value, a write that cannot be made is passed by,
// silently. Only a value that cannot be converted to the type asked for is reported.

#include "ClsErrores/Registro.h"
#include "ClsErrores/RegistroDato.h"

#include "ClsErrores/MsgBox.h"
#include "base/ErrorVB.h"
#include "base/plataforma/win32/Win32.h"

namespace registro {
namespace {

using plataforma::win32::Utf16;
using plataforma::win32::Utf8;

// The predefined root keys only: any other number would be taken for an open key of ours.
HKEY Raiz(std::uint32_t root) {
    if (root < 0x80000000u || root > 0x80000006u) {
        return nullptr;
    }
    // The predefined handles are 32-bit values sign-extended to the pointer's width.
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

class Clave {
public:
    ~Clave() {
        if (clave_) {
            ::RegCloseKey(clave_);
        }
    }
    HKEY* operator&() { return &clave_; }
    operator HKEY() const { return clave_; }
    explicit operator bool() const { return clave_ != nullptr; }

private:
    HKEY clave_ = nullptr;
};

Valor Lee(HKEY clave, const std::wstring& nombre) {
    DWORD tipo = 0, tam = 0;
    if (::RegQueryValueExW(clave, nombre.c_str(), nullptr, &tipo, nullptr, &tam) != ERROR_SUCCESS) {
        return {};
    }
    const auto datos = [&](void* destino) {
        return ::RegQueryValueExW(clave, nombre.c_str(), nullptr, nullptr,
                                  static_cast<BYTE*>(destino), &tam) == ERROR_SUCCESS;
    };
    switch (tipo) {
    case REG_SZ: {
        if (tam == 0) {
            return std::string(); // a text, not empty
        }
        std::wstring texto((tam + 1) / sizeof(wchar_t), L'\0');
        if (!datos(texto.data())) {
            return {};
        }
        texto.resize(tam / sizeof(wchar_t));
        return Utf8(texto.substr(0, texto.find(L'\0')));
    }
    case REG_BINARY: {
        std::vector<unsigned char> bytes(tam);
        if (tam > 0 && !datos(bytes.data())) {
            return {};
        }
        bytes.resize(tam);
        return bytes;
    }
    case REG_DWORD: {
        std::int32_t n = 0;
        tam = sizeof n;
        if (!datos(&n)) {
            return {};
        }
        return n;
    }
    default:
        return {};
    }
}

// Creates the key when missing and writes the value; false when either cannot be done.
bool Escribe(std::uint32_t root, const std::string& keyPath, const std::string& valueName,
             const Valor& valor) {
    const HKEY raiz = Raiz(root);
    Clave clave;
    if (!raiz ||
        ::RegCreateKeyExW(raiz, Utf16(keyPath).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_SET_VALUE, nullptr, &clave, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const std::wstring nombre = Utf16(valueName);
    const auto pon = [&](DWORD tipo, const void* datos, std::size_t tam) {
        return ::RegSetValueExW(clave, nombre.c_str(), 0, tipo, static_cast<const BYTE*>(datos),
                                static_cast<DWORD>(tam)) == ERROR_SUCCESS;
    };
    if (const auto* texto = std::get_if<std::string>(&valor)) {
        const std::wstring w = Utf16(*texto);
        return pon(REG_SZ, w.c_str(), (w.size() + 1) * sizeof(wchar_t)); // with its NUL
    }
    if (const auto* b = std::get_if<std::vector<unsigned char>>(&valor)) {
        static const unsigned char nada = 0; // no bytes still need an address to come from
        return pon(REG_BINARY, b->empty() ? &nada : b->data(), b->size());
    }
    if (const auto* n = std::get_if<std::int32_t>(&valor)) {
        return pon(REG_DWORD, n, sizeof *n);
    }
    return true; // another type: the key is there, nothing is written
}

} // namespace

Valor RegistryGetKeyValue(std::uint32_t root, const std::string& keyPath,
                          const std::string& valueName) {
    try {
        const HKEY raiz = Raiz(root);
        Clave clave;
        if (!raiz || ::RegOpenKeyExW(raiz, Utf16(keyPath).c_str(), 0, KEY_QUERY_VALUE, &clave) !=
                         ERROR_SUCCESS) {
            return {};
        }
        return Lee(clave, Utf16(valueName));
    } catch (...) {
        return {};
    }
}

void RegistrySetKeyValue(std::uint32_t root, const std::string& keyPath,
                         const std::string& valueName, const Valor& value, long type) {
    try {
        Escribe(root, keyPath, valueName, ValorParaTipo(value, type));
    } catch (const ErrorVB& e) {
        try {
            vb::MsgBox("Error: " + std::to_string(e.Number) + ". " + e.Description, vb::vbOKOnly,
                       "RegistrySetKeyValue");
        } catch (...) {
        }
    } catch (...) {
    }
}

bool RegistryTrySetKeyValue(std::uint32_t root, const std::string& keyPath,
                            const std::string& valueName, const Valor& value, long type) noexcept {
    try {
        return Escribe(root, keyPath, valueName, ValorParaTipo(value, type));
    } catch (...) {
        return false;
    }
}

} // namespace registro
