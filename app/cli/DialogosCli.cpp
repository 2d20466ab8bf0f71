#include "app/cli/DialogosCli.h"

namespace cli {

int DialogosCli::Muestra(engine::Mensaje id, const std::string&, int) {
    if (id == engine::Mensaje::ConfirmaInsertarTodos || id == engine::Mensaje::ConfirmaQuitarTodos)
        return vb::vbYes;
    return vb::vbOK;
}

int DialogosCli::MsgBox(const std::string& prompt, int buttons, const std::string&) {
    return Guarda(prompt, buttons);
}

int DialogosCli::Guarda(const std::string& texto, int botones) {
    Mensaje m;
    m.botones = botones;
    m.texto.reserve(texto.size());
    for (char c : texto)
        if (c != '\r')
            m.texto += c;
    mensajes_.push_back(std::move(m));
    // Nobody can answer: every choice takes its safe button.
    switch (botones & 7) {
    case vb::vbOKCancel:
    case vb::vbYesNoCancel:
        return vb::vbCancel;
    case vb::vbYesNo:
        return vb::vbNo;
    default:
        return vb::vbOK;
    }
}

DialogosInstalados::DialogosInstalados() {
    vb::FijaDialogos(&dialogos_);
}

DialogosInstalados::~DialogosInstalados() {
    vb::FijaDialogos(nullptr);
}

} // namespace cli
