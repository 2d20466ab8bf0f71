#pragma once
// Message boxes answered from a script: each box takes the next answer (OK once the script has
// run out), and what was shown is kept. The runtime's boxes (an error glbErr shows, on this
// thread) come by themselves; the engine's and the installation's are handed in.

#include "ClsErrores/MsgBox.h"
#include "ClsErrores/clsErrores.h"
#include "engine/Entorno.h"

#include <deque>
#include <string>
#include <vector>

namespace soporte {

class Guion : public vb::Dialogos, public engine::Dialogos {
public:
    struct Caja {
        std::string prompt;
        int buttons;
        std::string title;
    };
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
    int Muestra(engine::Mensaje, const std::string& texto, int botones) override {
        return MsgBox(texto, botones, std::string(engine::TituloDialogos));
    }
    std::deque<int> respuestas;
    std::vector<Caja> cajas;
};

// An error reported by glbErr shows a box (caught by a script) and writes no log nor mail.
inline void SilenciaGlbErr() {
    glbErr().MsgOnError("normal");
    glbErr().LogOnError(false);
    glbErr().MandaEmailOnError(false);
}

} // namespace soporte
