// The probes on Windows: each asks the system call that holds its fact, in the wide form, and
// turns the answer into UTF-8. A call that fails gives the empty text.

#include "ClsErrores/Sondas.h"
#include "ClsErrores/SondasEscritorio.h"
#include "ClsErrores/SondasLinux.h"
#include "ClsErrores/TextosDrives.h"
#include "ClsErrores/TextosSistema.h"
#include "base/plataforma/Sistema.h"
#include "base/plataforma/win32/Win32.h"

#include <shlobj.h>

namespace infosistema {

namespace {

using plataforma::win32::Utf8;

// The text a call wrote into `buf`, cut at `n` characters; empty when it wrote none or the
// buffer was too small.
std::string Cortado(const wchar_t* buf, UINT n, UINT tam) {
    return n > 0 && n < tam ? Utf8(std::wstring_view(buf, n)) : std::string();
}

std::string Carpeta(int csidl) {
    return Sonda([&] {
        wchar_t buf[MAX_PATH + 1] = {};
        if (FAILED(::SHGetFolderPathW(nullptr, csidl, nullptr, 0, buf))) {
            return std::string();
        }
        return Utf8(buf);
    });
}

// One item of the user's locale; its count includes the terminating NUL.
std::string Locale(LCTYPE item) {
    return Sonda([&] {
        const LCID lcid = ::GetUserDefaultLCID();
        wchar_t buf[100] = {};
        const int n = lcid == 0 ? 0 : ::GetLocaleInfoW(lcid, item, buf, 100);
        return n > 0 ? Utf8(std::wstring_view(buf, std::size_t(n - 1))) : std::string();
    });
}

std::string SiNo(int metrica) {
    return ::GetSystemMetrics(metrica) != 0 ? "Yes" : "No";
}

// A date and a time in the user's formats: the short date, and the time when asked for.
std::string Fecha(const SYSTEMTIME& t, bool conHora) {
    wchar_t fecha[100] = {}, hora[100] = {};
    const int nf = ::GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, fecha, 100);
    if (nf <= 0) {
        return {};
    }
    std::wstring r(fecha, std::size_t(nf - 1));
    if (conHora) {
        const int nh = ::GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &t, nullptr, hora, 100);
        if (nh <= 0) {
            return {};
        }
        r += L' ';
        r.append(hora, std::size_t(nh - 1));
    }
    return Utf8(r);
}

// The desktop's device context, released when done.
class DcEscritorio {
public:
    DcEscritorio() : ventana_(::GetDesktopWindow()), dc_(ventana_ ? ::GetDC(ventana_) : nullptr) {}
    ~DcEscritorio() {
        if (dc_) {
            ::ReleaseDC(ventana_, dc_);
        }
    }
    DcEscritorio(const DcEscritorio&) = delete;
    DcEscritorio& operator=(const DcEscritorio&) = delete;
    HDC get() const { return dc_; }

private:
    HWND ventana_;
    HDC dc_;
};

// The window system's facts straight from user32 and gdi32, for when no windows of ours have
// installed a source of their own.
class EscritorioWin32 : public FuenteEscritorio {
public:
    std::optional<int> BitsColor() const override {
        const DcEscritorio dc;
        if (!dc.get()) {
            return std::nullopt;
        }
        return ::GetDeviceCaps(dc.get(), BITSPIXEL) * ::GetDeviceCaps(dc.get(), PLANES);
    }
    std::optional<std::pair<int, int>> Resolucion() const override {
        const DcEscritorio dc;
        if (!dc.get()) {
            return std::nullopt;
        }
        return std::pair{::GetDeviceCaps(dc.get(), HORZRES), ::GetDeviceCaps(dc.get(), VERTRES)};
    }
    std::optional<int> Monitores() const override { return ::GetSystemMetrics(SM_CMONITORS); }
    std::optional<bool> HayRaton() const override {
        return ::GetSystemMetrics(SM_MOUSEPRESENT) != 0;
    }
    std::optional<int> BotonesRaton() const override {
        return ::GetSystemMetrics(SM_CMOUSEBUTTONS);
    }
    std::optional<bool> HayRueda() const override {
        return ::GetSystemMetrics(SM_MOUSEWHEELPRESENT) != 0;
    }
};

} // namespace

FuenteEscritorio* EscritorioDelSistema() {
    static EscritorioWin32 escritorio;
    return &escritorio;
}

std::string NombreOrdenador() {
    return Sonda([] { return plataforma::NombreOrdenador(); });
}

std::string VersionWindows() {
    return Sonda([] {
        OSVERSIONINFOW v{};
        v.dwOSVersionInfoSize = sizeof v;
        // A service-pack field the call leaves without a NUL is shown whole.
        std::fill(std::begin(v.szCSDVersion), std::end(v.szCSDVersion), L'*');
        if (!::GetVersionExW(&v)) {
            return std::string();
        }
        const std::wstring_view campo(v.szCSDVersion, std::size(v.szCSDVersion));
        return TextoVersionWindows(long(v.dwPlatformId), long(v.dwMajorVersion),
                                   long(v.dwMinorVersion), long(v.dwBuildNumber),
                                   Utf8(campo.substr(0, campo.find(L'\0'))));
    });
}

std::string DirectorioWindows() {
    return Sonda([] {
        wchar_t buf[MAX_PATH] = {};
        return Cortado(buf, ::GetWindowsDirectoryW(buf, MAX_PATH), MAX_PATH);
    });
}
std::string DirectorioSystem() {
    return Sonda([] {
        wchar_t buf[MAX_PATH] = {};
        return Cortado(buf, ::GetSystemDirectoryW(buf, MAX_PATH), MAX_PATH);
    });
}
std::string DirectorioProgramFiles() {
    return Carpeta(CSIDL_PROGRAM_FILES);
}
std::string DirectorioCommonFiles() {
    return Carpeta(CSIDL_PROGRAM_FILES_COMMON);
}

std::string NombreLenguaje() {
    return Locale(LOCALE_SNATIVELANGNAME);
}
std::string NombrePais() {
    return Locale(LOCALE_SNATIVECTRYNAME);
}
std::string SeparadorFecha() {
    return Locale(LOCALE_SDATE);
}
std::string SeparadorTiempo() {
    return Locale(LOCALE_STIME);
}
std::string FormatoFechaLarga() {
    return Locale(LOCALE_SLONGDATE);
}
std::string FormatoFechaCorta() {
    return Locale(LOCALE_SSHORTDATE);
}
std::string FormatoTiempo() {
    return Locale(LOCALE_STIMEFORMAT);
}
std::string SeparadorDecimal() {
    return Locale(LOCALE_SDECIMAL);
}
std::string SeparadorMiles() {
    return Locale(LOCALE_STHOUSAND);
}
std::string HayDBCS() {
    return Sonda([] { return SiNo(SM_DBCSENABLED); });
}
std::string HayMidEast() {
    return Sonda([] { return SiNo(SM_MIDEASTENABLED); });
}

std::string FechaCorta() {
    return Sonda([] {
        SYSTEMTIME hoy{};
        ::GetLocalTime(&hoy);
        return Fecha(hoy, false);
    });
}

std::string FechaGeneral(long long segundosEpoch) {
    return Sonda([&] {
        // Seconds since 1970 as 100 ns steps since 1601, then the local time of that moment.
        const long long pasos = (segundosEpoch + 11644473600LL) * 10000000LL;
        const FILETIME ft{DWORD(pasos & 0xFFFFFFFF), DWORD(pasos >> 32)};
        SYSTEMTIME utc{}, local{};
        if (pasos < 0 || !::FileTimeToSystemTime(&ft, &utc) ||
            !::SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) {
            return std::string();
        }
        return Fecha(local, true);
    });
}

std::string NumeroCPUs() {
    return Sonda([] {
        SYSTEM_INFO si{};
        ::GetSystemInfo(&si);
        return std::to_string(si.dwNumberOfProcessors);
    });
}

std::string TipoProcesador() {
    return Sonda([] {
        SYSTEM_INFO si{};
        ::GetSystemInfo(&si);
        return TextoProcesador(long(si.dwProcessorType), si.wProcessorLevel, si.wProcessorRevision);
    });
}

std::array<std::string, 4> InfoMemoria() {
    try {
        // The extended form: the plain one stops at 4 GiB in a 32-bit program.
        MEMORYSTATUSEX m{};
        m.dwLength = sizeof m;
        if (!::GlobalMemoryStatusEx(&m)) {
            return {};
        }
        return TextosMemoria(m.ullTotalPhys, m.ullAvailPhys, m.ullTotalVirtual, m.ullAvailVirtual,
                             SeparadorMiles());
    } catch (...) {
        return {};
    }
}

void InfoDrives(std::string& informe) {
    int disqueteras = 0;
    double entradas = 0;
    std::vector<Drive> drives;
    try {
        wchar_t lista[128] = {};
        const DWORD n = ::GetLogicalDriveStringsW(128, lista);
        const DWORD cuenta = n < 128 ? n : 0; // a list too long for the buffer is not written
        disqueteras = ContarDisqueteras(Utf8(std::wstring_view(lista, cuenta)));
        entradas = cuenta / 4.0;
        for (wchar_t letra = L'A'; letra <= L'Z'; ++letra) {
            const wchar_t raiz[] = {letra, L':', L'\\', 0};
            Drive d{Utf8(std::wstring_view(raiz, 2)), int(::GetDriveTypeW(raiz)), 0};
            if (d.tipo == DriveFijo) {
                const auto libres = plataforma::EspacioLibre(std::wstring(raiz, 2));
                if (!libres) {
                    continue; // its line cannot be built
                }
                d.bytesLibres = *libres;
            }
            drives.push_back(std::move(d));
        }
    } catch (...) {
        // Whatever was gathered is still listed.
    }
    informe += LineasDrives(disqueteras, entradas, drives, SeparadorMiles(), SeparadorDecimal());
}

} // namespace infosistema
