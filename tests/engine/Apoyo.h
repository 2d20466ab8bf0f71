#pragma once
// What the engine and installation tests share: modules parsed from text, golden files, message
// boxes answered from a script, progress recorded, and glbErr kept quiet.

#include "ClsErrores/MsgBox.h"
#include "ClsErrores/clsErrores.h"
#include "engine/Entorno.h"
#include "engine/Progreso.h"
#include "host/files/ModuleFile.h"
#include "host/files/Project.h"
#include "tests/support/Carpeta.h"

#include <cstdlib>

#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace apoyo {

inline std::filesystem::path Datos(const std::string& nombre) {
    return std::filesystem::path(LINTRAP_SOURCE_DIR) / "tests" / "data" / nombre;
}

inline std::string Lee(const std::filesystem::path& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

inline void Escribe(const std::filesystem::path& ruta, const std::string& bytes) {
    std::ofstream f(ruta, std::ios::binary);
    f << bytes;
}

// A folder of its own under the system's temporary folder, removed at the end.
class CarpetaTemporal {
    soporte::Carpeta carpeta_;

public:
    const std::filesystem::path ruta = carpeta_.Ruta();
};

// Lines written with LF in the test, as a VB6 file has them: CR LF.
inline std::string Crlf(std::string_view texto) {
    std::string r;
    for (char c : texto) {
        if (c == '\n') {
            r += '\r';
        }
        r += c;
    }
    return r;
}

// A standard module named Modulo1 whose code is `codigo` (LF line ends in the test).
inline std::unique_ptr<files::ModuleFile> Modulo(std::string_view codigo) {
    return files::ModuleFile::Parse(Crlf("Attribute VB_Name = \"Modulo1\"\n") + Crlf(codigo),
                                    "Modulo1.bas", 1252);
}

// The module's code lines without the header, LF line ends.
inline std::string Codigo(files::ModuleFile& f) {
    auto& m = f.Code();
    std::string r;
    for (long l = 1; l <= m.CountOfLines(); ++l) {
        r += m.Lines(l, 1);
        r += '\n';
    }
    return r;
}

// A project "Proyecto1" in `carpeta`: each file given as (name of the file, its text with LF
// line ends), listed in the project file by `lineas` (LF line ends too).
inline std::unique_ptr<files::Project>
Proyecto(const std::filesystem::path& carpeta,
         const std::vector<std::pair<std::string, std::string>>& archivos,
         std::string_view lineas) {
    for (const auto& [nombre, texto] : archivos) {
        Escribe(carpeta / nombre, Crlf(texto));
    }
    Escribe(carpeta / "Proyecto1.vbp",
            Crlf("Type=Exe\n" + std::string(lineas) + "Name=\"Proyecto1\"\n"));
    return files::Project::Load(carpeta / "Proyecto1.vbp");
}

// Message boxes answered in order (OK when the script runs out); every box is kept: the
// engine's and the installation's, handed in, and the runtime's (an error glbErr shows) on
// this thread.
class DialogosGuion : public engine::Dialogos, public vb::Dialogos {
public:
    struct Caja {
        std::string texto;
        int botones;
        std::string titulo;
    };
    DialogosGuion() { vb::FijaDialogos(this); }
    ~DialogosGuion() override { vb::FijaDialogos(nullptr); }
    int Muestra(engine::Mensaje id, const std::string& texto, int botones) override {
        ids.push_back(id);
        return MsgBox(texto, botones, std::string(engine::TituloDialogos));
    }
    int MsgBox(const std::string& prompt, int buttons, const std::string& title) override {
        cajas.push_back({prompt, buttons, title});
        if (respuestas.empty()) {
            return vb::vbOK;
        }
        const int r = respuestas.front();
        respuestas.pop_front();
        return r;
    }
    std::vector<Caja> cajas;
    std::vector<engine::Mensaje> ids; // the engine's and the installation's, by name
    std::deque<int> respuestas;
};

class ProgresoAnotado : public engine::Progreso {
public:
    void Muestra(bool v) override { visible = v; }
    void Valor(double p) override { valores.push_back(p); }
    void RelojArena(bool a) override { reloj = a; }
    bool visible = false;
    bool reloj = false;
    std::vector<double> valores;
};

// An error reported by glbErr shows a box (caught by the script) and writes no log file.
inline void SilenciaGlbErr() {
    glbErr().MsgOnError("normal");
    glbErr().LogOnError(false);
    glbErr().MandaEmailOnError(false);
}

} // namespace apoyo
