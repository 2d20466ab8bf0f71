#include "ClsErrores/TextosDrives.h"

#include "ClsErrores/Textos.h"

#include <cctype>

namespace infosistema {

namespace {
bool EsRaiz(std::string_view lista, std::size_t desde, char letra) {
    if (lista.size() < desde + 3) {
        return false;
    }
    return std::toupper(static_cast<unsigned char>(lista[desde])) == letra &&
           lista[desde + 1] == ':' && lista[desde + 2] == '\\';
}
} // namespace

int ContarDisqueteras(std::string_view lista) {
    // B is looked for only as the second entry: a list without A counts no floppy at all
    // unless B happens to sit there.
    return (EsRaiz(lista, 0, 'A') ? 1 : 0) + (EsRaiz(lista, 4, 'B') ? 1 : 0);
}

std::optional<std::string> LineaDrive(const Drive& drive, std::string_view separadorMiles) {
    const std::string inicio = "   Drive " + drive.texto + "...........";
    switch (drive.tipo) {
    case DriveDesconocido:
        return inicio + "Unknown   \r\n";
    case DriveExtraible:
        return inicio + "Floppy    \r\n";
    case DriveFijo:
        return inicio + "Fixed     " +
               FormatoNumero(static_cast<double>(drive.bytesLibres) / 1000.0, separadorMiles) +
               " KB Free\r\n";
    case DriveRemoto:
        return inicio + "Network   \r\n";
    case DriveCD:
        return inicio + "CD        \r\n";
    default:
        return std::nullopt;
    }
}

std::string LineasDrives(int disqueteras, double entradas, const std::vector<Drive>& drives,
                         std::string_view separadorMiles, std::string_view separadorDecimal) {
    std::string texto = "   Floppies............" + std::to_string(disqueteras) + "\r\n";
    texto +=
        "   Disks..............." + TextoDecimal(entradas - disqueteras, separadorDecimal) + "\r\n";
    for (const Drive& drive : drives) {
        if (auto linea = LineaDrive(drive, separadorMiles)) {
            texto += *linea;
        }
    }
    return texto;
}

} // namespace infosistema
