#include "qt/capturas/Guarda.h"

#include <QApplication>

#include <cstdio>

namespace capturas {

bool Guarda(QWidget& ventana, const QDir& carpeta, const char* archivo) {
    ventana.show();
    QApplication::processEvents();
    const QString ruta = carpeta.filePath(archivo);
    if (!ventana.grab().save(ruta)) {
        std::fprintf(stderr, "No se pudo escribir %s\n", qPrintable(ruta));
        return false;
    }
    std::printf("%s\n", qPrintable(ruta));
    return true;
}

} // namespace capturas
