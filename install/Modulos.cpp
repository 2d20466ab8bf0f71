#include "install/Modulos.h"

#include "ClsErrores/Convencion.h"
#include "install/LineasAjuste.h"

namespace install {
namespace {

// The folder with exactly one separator at its end, then the shipped file.
std::string EnCarpeta(const std::string& carpeta, std::string_view archivo) {
    std::string ruta = carpeta;
    if (ruta.empty() || (ruta.back() != '/' && ruta.back() != '\\')) {
        ruta += '/';
    }
    ruta += "ClsErrores/";
    ruta += archivo;
    return ruta;
}

} // namespace

std::string RutaClase(const std::string& carpetaAddIn) {
    return EnCarpeta(carpetaAddIn, "clsErrores.cls");
}

std::string RutaInfoSistema(const std::string& carpetaAddIn) {
    return EnCarpeta(carpetaAddIn, "InfoSistema.bas");
}

bool YaExisteCls(vbide::VBProject& proyecto) {
    bool existe = false;
    Procedimiento("frmAddIn \\ YaExisteCls", [&] {
        auto& componentes = proyecto.VBComponents();
        for (long i = 1; i <= componentes.Count(); ++i) {
            auto& c = componentes.Item(i);
            if (c.Type() == vbide::ComponentType::ClassModule && c.Name() == "clsErrores") {
                existe = true;
                return;
            }
        }
    });
    return existe;
}

void AddModulos(vbide::VBProject& proyecto, engine::EstadoSeleccion& estado,
                const std::string& carpetaAddIn, engine::Dialogos& dialogos) {
    Procedimiento("frmAddIn \\ AddModulos", [&] {
        const LineasAjuste lineas = NuevasLineas(estado.ajustes, estado.paginaCodigos);
        auto& componentes = proyecto.VBComponents();
        componentes.Import(RutaClase(carpetaAddIn));
        componentes.Import(RutaInfoSistema(carpetaAddIn));
        componentes.Item("InfoSistema").CodeModule().AddFromString(std::string(DeclaracionGlbErr));
        EscribeAjustes(componentes.Item("clsErrores").CodeModule(), lineas, ClavesAddModulos,
                       estado.paginaCodigos);
        engine::Muestra(dialogos, engine::Mensaje::ModulosAnadidos);
        estado.modulosAnadidos = true;
    });
}

} // namespace install
