#pragma once
// What the main window and the about box decide without widgets: the view-code entry's
// captions, the double-click rule, where the help file is, and the about box's texts.

#include <string>
#include <string_view>

namespace ui {

inline constexpr std::string_view VerCodigo = "&Ver Codigo";        // the viewer is hidden
inline constexpr std::string_view OcultarCodigo = "Ocultar Codigo"; // the viewer is shown

// A double click on a list opens the viewer when it is hidden and the list has a current row.
bool DobleClicAbreVisor(bool visorMostrado, int filas, int actual);

// The help file: compiled for the HTML Help viewer where Windows has one, the page itself
// elsewhere (the host shows it).
#ifdef _WIN32
inline constexpr std::string_view ArchivoAyuda = "Lintrap.chm";
#else
inline constexpr std::string_view ArchivoAyuda = "Lintrap.html";
#endif

// The help file beside the add-in's component: `carpeta` with a separator added when it lacks
// one (either separator counts), then ArchivoAyuda.
std::string RutaAyuda(std::string carpeta);

// "Ayuda " and the application's title.
std::string CaptionAcercaDe(std::string_view titulo);
// The title, a space and major.minor.revision in decimal.
std::string TituloAcercaDe(std::string_view titulo, int mayor, int menor, int revision);
// What the add-in does, line by line, each line ending in CR LF.
std::string ResumenAcercaDe();

} // namespace ui
