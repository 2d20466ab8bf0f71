#include "tests/support/Archivos.h"

#include "base/plataforma/Estado.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace soporte {

std::string Lee(const fs::path& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

void Escribe(const fs::path& ruta, std::string_view bytes) {
    std::ofstream f(ruta, std::ios::binary);
    f << bytes;
    if (!f) {
        throw std::runtime_error("cannot write test file " + ruta.string());
    }
}

std::string Crlf(std::string_view texto) {
    std::string r;
    for (char c : texto) {
        if (c == '\n') {
            r += '\r';
        }
        r += c;
    }
    return r;
}

fs::path Datos(const std::string& nombre) {
    return fs::path(LINTRAP_SOURCE_DIR) / "tests" / "data" / nombre;
}

std::string Esperado(const std::string& nombre, std::string_view obtenido) {
    if (!fs::exists(Datos(nombre)) && std::getenv("LINTRAP_ESCRIBE_ESPERADOS")) {
        Escribe(Datos(nombre), obtenido);
    }
    return Lee(Datos(nombre));
}

fs::path Ejemplo() {
    return fs::path(LINTRAP_SOURCE_DIR) / "examples" / "Demo";
}

fs::path Copia(const fs::path& origen, const fs::path& destino) {
    fs::create_directories(destino);
    fs::copy(origen, destino, fs::copy_options::recursive);
    return destino;
}

std::map<std::string, Archivo> Foto(const fs::path& carpeta) {
    std::map<std::string, Archivo> foto;
    for (const auto& e : fs::recursive_directory_iterator(carpeta)) {
        plataforma::Estado estado;
        plataforma::LeeEstadoEnlace(e.path(), estado);
        Archivo a;
        if (estado.tipo == plataforma::Tipo::Archivo) {
            a.bytes = Lee(e.path());
            a.mtimeNs = estado.modificacionNs;
        }
        foto[e.path().lexically_relative(carpeta).generic_string()] = a;
    }
    return foto;
}

std::map<std::string, std::string> Contenido(const fs::path& carpeta) {
    std::map<std::string, std::string> r;
    for (const auto& e : fs::recursive_directory_iterator(carpeta)) {
        if (e.is_regular_file()) {
            r[e.path().lexically_relative(carpeta).generic_string()] = Lee(e.path());
        }
    }
    return r;
}

fs::path Proyecto(const fs::path& carpeta, int modulos, int procs) {
    fs::create_directories(carpeta);
    std::string vbp = "Type=Exe\n";
    for (int i = 0; i < modulos; ++i) {
        const std::string nombre = "Mod" + std::to_string(i);
        std::string s = "Attribute VB_Name = \"" + nombre + "\"\nOption Explicit\n";
        for (int p = 0; p < procs; ++p) {
            s += "\nPublic Sub Paso" + std::to_string(p) + "()\n    x = x + " + std::to_string(p) +
                 "\n    Debug.Print \"" + std::string(40, char('a' + p % 26)) + "\"\nEnd Sub\n";
        }
        Escribe(carpeta / (nombre + ".bas"), Crlf(s));
        vbp += "Module=" + nombre + "; " + nombre + ".bas\n";
    }
    Escribe(carpeta / "P.vbp", Crlf(vbp + "Name=\"P\"\n"));
    return carpeta / "P.vbp";
}

} // namespace soporte
