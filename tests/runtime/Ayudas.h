#pragma once
// What the runtime tests share: a temporary folder, a message-box script and the registry
// store redirected into the temporary folder.

#include "ClsErrores/MsgBox.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Entorno.h"

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace prueba {

class Carpeta {
public:
    std::string operator/(const std::string& nombre) const { return (carpeta_ / nombre).string(); }
    const std::filesystem::path& ruta() const { return carpeta_.Ruta(); }

private:
    soporte::Carpeta carpeta_{"lintrap-runtime"};
};

// prefijo followed by n in decimal.
inline std::string Con(std::string_view prefijo, int n) {
    std::string s(prefijo);
    s += std::to_string(n);
    return s;
}

inline std::string Lee(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    std::ostringstream o;
    o << f.rdbuf();
    return o.str();
}

struct Caja {
    std::string prompt;
    int buttons;
    std::string title;
};

// Answers each box with the next scripted answer (OK when the script has run out) and keeps
// what was shown.
class Guion : public vb::Dialogos {
public:
    Guion() { vb::FijaDialogos(this); }
    ~Guion() override { vb::FijaDialogos(nullptr); }
    int MsgBox(const std::string& prompt, int buttons, const std::string& title) override {
        cajas.push_back({prompt, buttons, title});
        if (respuestas.empty()) {
            return vb::vbOK;
        }
        const int r = respuestas.front();
        respuestas.pop_front();
        return r;
    }
    std::deque<int> respuestas;
    std::vector<Caja> cajas;
};

// Points the registry store at a file of the temporary folder for the life of the object.
class AlmacenTemporal {
public:
    explicit AlmacenTemporal(const Carpeta& c) : ruta(c / "registro.json") {
        soporte::PonVariable("LINTRAP_REGISTRY", ruta);
    }
    ~AlmacenTemporal() { soporte::QuitaVariable("LINTRAP_REGISTRY"); }
    std::string ruta;
};

} // namespace prueba
