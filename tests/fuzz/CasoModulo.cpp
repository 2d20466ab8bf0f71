#include "base/ErrorVB.h"
#include "host/files/ModuleFile.h"
#include "tests/fuzz/Casos.h"
#include "tests/fuzz/Invariantes.h"

#include <string>

namespace fuzz {

void CasoModulo(std::string_view datos) {
    if (datos.empty()) {
        return;
    }
    static const char* const kExtensiones[] = {".bas", ".cls", ".frm", ".ctl",
                                               ".pag", ".dob", ".dsr"};
    const std::string ruta = std::string("dir/Fuzz") + kExtensiones[std::uint8_t(datos[0]) % 7];
    const std::string bytes(datos.substr(1));

    std::unique_ptr<files::ModuleFile> modulo;
    try {
        modulo = files::ModuleFile::Parse(bytes, ruta, 1252);
    } catch (const ErrorVB& e) {
        Exige(e.Number == vberr::InvalidFileFormat,
              "refused with error " + std::to_string(e.Number) + ": " + e.Description);
        Exige(e.Description.find(ruta) != std::string::npos,
              "the refusal does not name the file: " + e.Description);
        return;
    }
    Exige(modulo->Serialize() == bytes, "loading then saving changed the bytes");
    Exige(!modulo->Modified(), "a module just loaded says it was modified");
    CompruebaIndice(modulo->Code());

    if (vbide::Designer* d = modulo->Designer()) {
        vbide::VBControls& controles = d->VBControls();
        for (long i = 1; i <= controles.Count(); ++i) {
            vbide::Properties& p = controles.Item(i).Properties();
            Exige(p.Count() >= 1 && p.Item(1).Name() == "Name",
                  "control " + std::to_string(i) + " does not list Name first");
            for (long k = 1; k <= p.Count(); ++k) {
                p.Item(k).Value();
            }
        }
    }
}

} // namespace fuzz
