#include "base/plataforma/Colacion.h"

#include "base/plataforma/win32/Win32.h"

namespace plataforma {

namespace {

// The system's name of the language's order: the user's own locale when it speaks the
// language ("es-MX" for a Mexican user asking for "es"), else the language's main country.
std::wstring Localidad(std::string_view idioma) {
    if (idioma.empty()) {
        return LOCALE_NAME_INVARIANT;
    }
    const std::wstring pedido = win32::Utf16(idioma);
    wchar_t usuario[LOCALE_NAME_MAX_LENGTH] = {};
    if (::GetUserDefaultLocaleName(usuario, LOCALE_NAME_MAX_LENGTH) > 0) {
        const std::wstring suyo = usuario;
        if (suyo == pedido || suyo.rfind(pedido + L"-", 0) == 0) {
            return suyo;
        }
    }
    return pedido;
}

} // namespace

std::optional<std::string> ClaveDeOrden(std::string_view texto, std::string_view idioma) {
    const std::wstring localidad = Localidad(idioma);
    if (!idioma.empty() && !::IsValidLocaleName(localidad.c_str())) {
        return std::nullopt;
    }
    const std::wstring w = win32::Utf16(texto);
    // Letters and accents count, case does not, as in the POSIX order.
    const DWORD modo = LCMAP_SORTKEY | LINGUISTIC_IGNORECASE;
    const int n = ::LCMapStringEx(localidad.c_str(), modo, w.c_str(), int(w.size()), nullptr, 0,
                                  nullptr, nullptr, 0);
    if (n <= 0) {
        return w.empty() ? std::optional<std::string>(std::string()) : std::nullopt;
    }
    std::string clave(std::size_t(n), '\0');
    ::LCMapStringEx(localidad.c_str(), modo, w.c_str(), int(w.size()),
                    reinterpret_cast<wchar_t*>(clave.data()), n, nullptr, nullptr, 0);
    // The key ends in a zero byte, which would only lengthen every comparison.
    while (!clave.empty() && clave.back() == '\0') {
        clave.pop_back();
    }
    return clave;
}

} // namespace plataforma
