#include "base/plataforma/CarpetasUsuario.h"

#include <windows.h>

#include <shlobj.h>

namespace plataforma {

std::filesystem::path CarpetaConfiguracion() {
    // The user's roaming application data (%APPDATA%), where Windows programs keep settings.
    wchar_t* ruta = nullptr;
    std::filesystem::path carpeta = ".config";
    if (::SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &ruta) == S_OK) {
        carpeta = ruta;
    }
    ::CoTaskMemFree(ruta);
    return carpeta;
}

} // namespace plataforma
