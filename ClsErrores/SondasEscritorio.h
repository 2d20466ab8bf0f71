#pragma once
// Facts that only the window system knows: screen, colours, mouse and the default printer.
// Windows tells them to any program; on Linux the Qt windows install a source when they are
// up, the command line has none, and then these facts are the empty text.

#include <cstdint>
#include <optional>
#include <string>

namespace infosistema {

// The default printer's properties as the report lists them.
struct DatosImpresora {
    std::string DeviceName, DriverName;
    std::int16_t PaperSize = 0, Orientation = 0, ColorMode = 0, Duplex = 0;
    std::int32_t Zoom = 0;
    std::string FontName;
    float FontSize = 0;
    std::int32_t Height = 0;
    float ScaleHeight = 0;
    std::int32_t Width = 0;
    float ScaleWidth = 0;
    std::int16_t ScaleMode = 0;
    float TextWidthHola = 0; // TextWidth("Hola")
    float TextHeightX = 0;   // TextHeight("X")
};

class FuenteEscritorio {
public:
    virtual ~FuenteEscritorio() = default;
    // Bits per pixel times colour planes of the desktop.
    virtual std::optional<int> BitsColor() const { return std::nullopt; }
    // Desktop width and height in pixels.
    virtual std::optional<std::pair<int, int>> Resolucion() const { return std::nullopt; }
    virtual std::optional<int> Monitores() const { return std::nullopt; }
    virtual std::optional<bool> HayRaton() const { return std::nullopt; }
    virtual std::optional<int> BotonesRaton() const { return std::nullopt; }
    virtual std::optional<bool> HayRueda() const { return std::nullopt; }
    // Nothing when there is no default printer.
    virtual std::optional<DatosImpresora> Impresora() const { return std::nullopt; }
    // The busy pointer while a report is built; false puts the default pointer back.
    virtual void Ocupado(bool) {}
};

// The source in use: the one installed, else the system's own; nullptr when there is neither.
// Not owned.
FuenteEscritorio* EscritorioActual();
// The window system's own facts where the system has them at hand (Windows); nullptr elsewhere,
// where only windows that are up know them.
FuenteEscritorio* EscritorioDelSistema();
void FijaEscritorio(FuenteEscritorio* fuente);

} // namespace infosistema
