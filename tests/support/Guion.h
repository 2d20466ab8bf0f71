#pragma once
// The runtime's message boxes answered from a script: each box takes the next answer (OK once
// the script has run out), and what was shown is kept.

#include "ClsErrores/MsgBox.h"
#include "ClsErrores/clsErrores.h"

#include <deque>
#include <string>
#include <vector>

namespace soporte {

class Guion : public vb::Dialogos {
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
