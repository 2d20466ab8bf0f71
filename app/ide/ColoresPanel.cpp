#include "app/ide/ColoresPanel.h"

#include "ui/viewer/ColoresCodigo.h"

#include <QColor>
#include <QTextCharFormat>

#include <vector>

namespace ide {

void ColoresPanel::highlightBlock(const QString& linea) {
    // The viewer's passes over the line as the viewer holds it, with its line break.
    std::u32string texto = linea.toStdU32String();
    const long largo = long(texto.size());
    texto += U"\r\n";
    viewer::ColoresCodigo colores(std::move(texto));
    colores.formateaCodigo();
    // Offsets are characters there and UTF-16 units here: they differ past a character outside
    // the basic plane.
    std::vector<int> unidad;
    if (linea.size() != largo) {
        unidad.reserve(std::size_t(largo) + 1);
        int u = 0;
        for (char32_t c : colores.Texto().substr(0, std::size_t(largo))) {
            unidad.push_back(u);
            u += c > 0xFFFF ? 2 : 1;
        }
        unidad.push_back(u);
    }
    const auto En = [&](long i) { return unidad.empty() ? int(i) : unidad[std::size_t(i)]; };
    for (const viewer::Tramo& t : colores.Tramos()) {
        const long fin = std::min(t.inicio + t.largo, largo);
        if (t.inicio >= fin) {
            continue; // the line break's own colour
        }
        QTextCharFormat formato;
        formato.setForeground(QColor::fromRgb(QRgb(t.formato.color)));
        if (t.formato.negrita) {
            formato.setFontWeight(QFont::Bold);
        }
        setFormat(En(t.inicio), En(fin) - En(t.inicio), formato);
    }
}

} // namespace ide
