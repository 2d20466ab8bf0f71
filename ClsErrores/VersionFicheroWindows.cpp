// The version resource of a file through the system's version library.

#include "ClsErrores/Sondas.h"
#include "ClsErrores/SondasLinux.h"
#include "ClsErrores/Textos.h"
#include "base/plataforma/win32/Win32.h"

#include <cstring>
#include <vector>

namespace infosistema {

std::string VersionFichero(const std::string& ruta) {
    return Sonda([&] {
        const std::wstring archivo = plataforma::win32::Utf16(ruta);
        DWORD asa = 0;
        const DWORD tam = ::GetFileVersionInfoSizeW(archivo.c_str(), &asa);
        if (tam == 0) {
            return std::string();
        }
        std::vector<unsigned char> datos(tam);
        void* bloque = nullptr;
        UINT largo = 0;
        if (!::GetFileVersionInfoW(archivo.c_str(), 0, tam, datos.data()) ||
            !::VerQueryValueW(datos.data(), L"\\", &bloque, &largo) ||
            largo < sizeof(VS_FIXEDFILEINFO)) {
            return std::string();
        }
        VS_FIXEDFILEINFO fijo;
        std::memcpy(&fijo, bloque, sizeof fijo);
        return std::to_string(HiWord(fijo.dwFileVersionMS)) + "." +
               std::to_string(LoWord(fijo.dwFileVersionMS)) + "." +
               std::to_string(HiWord(fijo.dwFileVersionLS)) + "." +
               std::to_string(LoWord(fijo.dwFileVersionLS));
    });
}

} // namespace infosistema
