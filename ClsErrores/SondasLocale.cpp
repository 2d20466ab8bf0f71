#include "ClsErrores/Sondas.h"
#include "ClsErrores/SondasLinux.h"
#include "ClsErrores/TextosFecha.h"

#include <cerrno>
#include <ctime>
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

namespace infosistema {

namespace {

// The user's locale as the environment sets it, without touching the program's own.
class LocaleUsuario {
public:
    LocaleUsuario() : m_loc(newlocale(LC_ALL_MASK, "", nullptr)) {}
    ~LocaleUsuario() {
        if (m_loc) {
            freelocale(m_loc);
        }
    }
    LocaleUsuario(const LocaleUsuario&) = delete;
    LocaleUsuario& operator=(const LocaleUsuario&) = delete;

    explicit operator bool() const { return m_loc != nullptr; }
    locale_t get() const { return m_loc; }

    // Text of the locale's code set in UTF-8; bytes that do not convert are dropped.
    std::string Utf8(const std::string& texto) const {
        const std::string cs = nl_langinfo_l(CODESET, m_loc);
        if (cs == "UTF-8" || cs == "ANSI_X3.4-1968" || texto.empty()) {
            return texto;
        }
        iconv_t cd = iconv_open("UTF-8", cs.c_str());
        if (cd == reinterpret_cast<iconv_t>(-1)) {
            return texto;
        }
        std::string salida(texto.size() * 4 + 4, '\0');
        char* in = const_cast<char*>(texto.data());
        std::size_t quedan = texto.size();
        char* out = salida.data();
        std::size_t libres = salida.size();
        while (quedan > 0) {
            if (iconv(cd, &in, &quedan, &out, &libres) == static_cast<std::size_t>(-1)) {
                if (errno != EILSEQ && errno != EINVAL) {
                    break;
                }
                ++in;
                --quedan;
            }
        }
        iconv_close(cd);
        salida.resize(salida.size() - libres);
        return salida;
    }

    std::string Item(nl_item item) const { return Utf8(nl_langinfo_l(item, m_loc)); }

    std::string Fecha(const std::string& formato, std::time_t t) const {
        std::tm partes{};
        if (!localtime_r(&t, &partes)) {
            return {};
        }
        char buf[256];
        const std::size_t n = strftime_l(buf, sizeof buf, formato.c_str(), &partes, m_loc);
        return Utf8(std::string(buf, n));
    }

private:
    locale_t m_loc;
};

template <class F> std::string ConLocale(F&& f) {
    return Sonda([&] {
        const LocaleUsuario loc;
        return loc ? f(loc) : std::string();
    });
}

std::string Item(nl_item item) {
    return ConLocale([&](const LocaleUsuario& l) { return l.Item(item); });
}

std::string SiIdioma(std::initializer_list<std::string_view> idiomas) {
    return ConLocale([&](const LocaleUsuario& l) {
        const std::string idioma = nl_langinfo_l(_NL_ADDRESS_LANG_AB, l.get());
        for (auto i : idiomas) {
            if (idioma == i) {
                return std::string("Yes");
            }
        }
        return std::string("No");
    });
}

} // namespace

std::string NombreLenguaje() {
    return Item(_NL_ADDRESS_LANG_NAME);
}
std::string NombrePais() {
    return Item(_NL_ADDRESS_COUNTRY_NAME);
}

std::string SeparadorFecha() {
    return ConLocale([](const LocaleUsuario& l) {
        return l.Utf8(SeparadorPatron(nl_langinfo_l(D_FMT, l.get())));
    });
}
std::string SeparadorTiempo() {
    return ConLocale([](const LocaleUsuario& l) {
        return l.Utf8(SeparadorPatron(nl_langinfo_l(T_FMT, l.get())));
    });
}

// The locale data has no long date pattern of its own.
std::string FormatoFechaLarga() {
    return {};
}

std::string FormatoFechaCorta() {
    return ConLocale(
        [](const LocaleUsuario& l) { return l.Utf8(PatronFecha(nl_langinfo_l(D_FMT, l.get()))); });
}
std::string FormatoTiempo() {
    return ConLocale(
        [](const LocaleUsuario& l) { return l.Utf8(PatronFecha(nl_langinfo_l(T_FMT, l.get()))); });
}

std::string SeparadorDecimal() {
    return Item(RADIXCHAR);
}
std::string SeparadorMiles() {
    return Item(THOUSEP);
}

std::string HayDBCS() {
    return SiIdioma({"zh", "ja", "ko"});
}
std::string HayMidEast() {
    return SiIdioma({"ar", "he", "fa", "ur", "yi"});
}

std::string FechaCorta() {
    return ConLocale([](const LocaleUsuario& l) {
        return l.Fecha(nl_langinfo_l(D_FMT, l.get()), std::time(nullptr));
    });
}

std::string FechaGeneral(long long segundosEpoch) {
    return ConLocale([&](const LocaleUsuario& l) {
        return l.Fecha(std::string(nl_langinfo_l(D_FMT, l.get())) + " " +
                           nl_langinfo_l(T_FMT, l.get()),
                       static_cast<std::time_t>(segundosEpoch));
    });
}

} // namespace infosistema
