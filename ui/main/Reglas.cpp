#include "ui/main/Reglas.h"

namespace ui {

bool DobleClicAbreVisor(bool visorMostrado, int filas, int actual) {
    return !visorMostrado && filas > 0 && actual >= 0;
}

std::string RutaAyuda(std::string carpeta) {
    if (carpeta.empty() || (carpeta.back() != '/' && carpeta.back() != '\\')) {
        carpeta += '/';
    }
    return carpeta + std::string(ArchivoAyuda);
}

std::string CaptionAcercaDe(std::string_view titulo) {
    return "Ayuda " + std::string(titulo);
}

std::string TituloAcercaDe(std::string_view titulo, int mayor, int menor, int revision) {
    return std::string(titulo) + " " + std::to_string(mayor) + "." + std::to_string(menor) + "." +
           std::to_string(revision);
}

std::string ResumenAcercaDe() {
    static constexpr std::string_view lineas[] = {
        "Lista los procedimientos en un proyecto.",
        "",
        "Lista los controles y sus propiedades para cada formulario.",
        "",
        "Inserta y quita números de linea.",
        "",
        "Inserta y quita una completa gestion de errores basada en ",
        "una clase configurable llamada clsErrores (que también se ",
        "puede utilizar aparte)",
        "",
        "Inserta y quita sentencias On Error Resume Next",
        "",
        "Es posible aplicar los cambios a todos los procedimientos ",
        "de un módulo o aplicar los cambios solamente a los ",
        "procedimientos seleccionados.",
        "",
        "Aclara un poco el código quitando, por ejemplo, líneas ",
        "adicionales en blanco (no permitirá dos líneas en blanco ",
        "seguidas)",
        "",
        "Muestra las referencias del proyecto con el path de su ",
        "fichero y su GUID",
        "",
        "Además,es posible ver el código en un formulario aparte ",
        "antes de ejecutar los cambios y conocer qué ",
        "procedimientos llaman a cada uno.",
    };
    std::string texto;
    for (std::string_view linea : lineas) {
        texto += linea;
        texto += "\r\n";
    }
    return texto;
}

} // namespace ui
