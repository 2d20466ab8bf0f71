// Versions of the data-access libraries: the registry value and the version resources of the
// library files.

#include "ClsErrores/Registro.h"
#include "ClsErrores/Sondas.h"
#include "ClsErrores/SondasLinux.h"
#include "ClsErrores/TextosSistema.h"

#include <algorithm>
#include <filesystem>

namespace infosistema {

namespace {

// A file of `carpeta` given with "/" between its parts, written with the system's separator.
std::string Une(const std::string& carpeta, std::string resto) {
    if (std::filesystem::path::preferred_separator == '\\') {
        std::replace(resto.begin(), resto.end(), '/', '\\');
    }
    return carpeta.empty() ? std::string() : carpeta + resto;
}

} // namespace

std::string VersionMDAC() {
    return Sonda([] {
        const auto valor = registro::RegistryGetKeyValue(
            registro::HKEY_LOCAL_MACHINE, "Software\\Microsoft\\DataAccess", "FullInstallVer");
        const auto* texto = std::get_if<std::string>(&valor);
        return texto ? *texto : std::string();
    });
}

std::string VersionADO() {
    return Sonda([] {
        const std::string comunes = DirectorioCommonFiles();
        return TextoVersionADO(VersionFichero(Une(comunes, "/System/ado/msado15.dll")),
                               VersionFichero(Une(comunes, "/System/ado/msadox.dll")),
                               VersionFichero(Une(comunes, "/System/ado/msjro.dll")));
    });
}

std::string VersionJet() {
    return Sonda([] {
        const std::string sistema = DirectorioSystem();
        return TextoVersionJet(VersionFichero(Une(sistema, "/msjet40.dll")),
                               VersionFichero(Une(sistema, "/msjetoledb40.dll")));
    });
}

} // namespace infosistema
