#include "ClsErrores/TextosSistema.h"

#include "ClsErrores/Textos.h"

#include <cmath>
#include <cstdio>

namespace infosistema {

namespace {

std::string NombreWindows(long plataforma, long mayor, long menor, std::string_view sp) {
    if (plataforma == 2) {
        switch (mayor) {
        case 3:
            return "Windows NT 3.51 ";
        case 4:
            return "Windows NT 4.0 ";
        case 5:
            if (menor == 0) {
                return "Windows 2000";
            }
            if (menor == 1) {
                return "Windows XP";
            }
            return "Windows NT, versión desconocida";
        default:
            return "Windows NT, versión desconocida";
        }
    }
    if (plataforma == 1) {
        if (mayor == 6) {
            return "Windows Longhorn";
        }
        if (mayor == 5) {
            return "Windows ME";
        }
        if (mayor == 4) {
            switch (menor) {
            case 0:
                return "Windows 95";
            case 10:
                // Second Edition marks itself with an "A" in the service-pack field.
                return sp.find('A') != std::string_view::npos &&
                               sp.find_first_not_of(" A") == std::string_view::npos
                           ? "Windows 98 SE"
                           : "Windows 98";
            case 90:
                return "Windows ME";
            default:
                return "Windows, versión desconocida";
            }
        }
        if (mayor < 4) {
            return "Windows 95 o menor";
        }
    }
    return "Windows, versión desconocida";
}

} // namespace

std::string TextoVersionWindows(long plataforma, long mayor, long menor, long build,
                                std::string_view servicePack) {
    return NombreWindows(plataforma, mayor, menor, servicePack) + " (" +
           std::to_string(plataforma) + "." + std::to_string(mayor) + "." + std::to_string(menor) +
           " Build: " + std::to_string(build) + ") -" + std::string(servicePack);
}

std::string TextoProcesador(long tipo, int nivel, std::uint16_t revision) {
    switch (tipo) {
    case 386:
    case 486:
        return "Intel 386";
    case 4000:
        return "MIPS R4000";
    case 21064:
        return "Alpha 21064";
    case 586:
        break;
    default:
        return "Unknown";
    }
    if (nivel != 6) {
        return "Pentium";
    }
    char hex[8];
    std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(revision));
    const std::string texto = hex;
    const std::string modelo = texto.substr(0, 2);
    const std::string paso = texto.substr(2, 2);
    // The model number is the model text read as a decimal up to its first non-digit.
    int numero = 0;
    for (char c : modelo) {
        if (c < '0' || c > '9') {
            break;
        }
        numero = numero * 10 + (c - '0');
    }
    switch (numero) {
    case 1:
        return "Intel Pentium Pro, Model " + modelo + ", Stepping " + paso;
    case 3:
        return "Intel Pentium II, Model 3 Stepping " + paso;
    case 5:
        return "Intel Pentium II Model 5, Pentium II Xeon Model 5, or Celeron Model 5, Stepping " +
               paso;
    case 6:
        return "Intel Celeron Model 6 Stepping, " + paso;
    case 7:
    case 8:
        return "Intel Pentium III or Pentium III Xeon Model, " + modelo + " Stepping " + paso;
    default:
        return "Unable to determine processor type";
    }
}

std::string TextoColores(int bits) {
    if (bits == 24) {
        return "True Color";
    }
    if (bits < 0 || bits > 1023) {
        return {};
    }
    // Powers of two are exact in a double and printed digit for digit.
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.0f", std::ldexp(1.0, bits));
    return buf;
}

std::string TextoMonitores(int cuenta) {
    return std::to_string(cuenta < 1 ? 1 : cuenta);
}

std::array<std::string, 4> TextosMemoria(std::uint64_t fisicaTotal, std::uint64_t fisicaLibre,
                                         std::uint64_t virtualTotal, std::uint64_t virtualLibre,
                                         std::string_view separadorMiles) {
    auto kilos = [&](std::uint64_t bytes) {
        return FormatoNumero(static_cast<double>(bytes / 1024), separadorMiles) + "K";
    };
    std::array<std::string, 4> figuras;
    figuras[0] = kilos(fisicaTotal);
    const double libre = std::nearbyint(static_cast<double>(fisicaLibre) / 1024.0); // to even
    figuras[1] = libre < 1 ? "Ninguna" : FormatoNumero(libre, separadorMiles) + "K";
    figuras[2] = kilos(virtualTotal);
    figuras[3] = kilos(virtualLibre);
    return figuras;
}

std::string TextoVersionADO(std::string_view ado15, std::string_view adox, std::string_view jro) {
    if (ado15.empty() && adox.empty() && jro.empty()) {
        return {};
    }
    auto parte = [](std::string_view version, const char* fichero) {
        return version.empty() ? std::string() : CorteMayorMenor(version) + fichero;
    };
    return parte(ado15, " (msado15.dll) ; ") + parte(adox, " (msadox.dll) ; ") +
           parte(jro, " (msjro.dll)");
}

std::string TextoVersionJet(std::string_view jet, std::string_view oledb) {
    if (jet.empty() || oledb.empty()) {
        return {};
    }
    if (CorteMayorMenor(jet) == CorteMayorMenor(oledb)) {
        return std::string(jet);
    }
    return std::string(jet) + "(msjet40.dll) ; " + std::string(oledb) + "(msjetoledb40.dll)";
}

} // namespace infosistema
