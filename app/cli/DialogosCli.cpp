#include "app/cli/DialogosCli.h"

namespace cli {

bool DialogosCli::EsConfirmacionTodos(const std::string& texto) {
    return texto == "¿Seguro que quiere insertar en todos los procedimientos en este módulo?" ||
           texto == "¿Seguro que quiere quitar en todos los procedimientos en este módulo?";
}

int DialogosCli::MsgBox(const std::string& prompt, int buttons, const std::string&) {
    const int juego = buttons & 7;
    if (juego == vb::vbYesNo && EsConfirmacionTodos(prompt))
        return vb::vbYes;

    Mensaje m;
    m.botones = buttons;
    m.texto.reserve(prompt.size());
    for (char c : prompt)
        if (c != '\r')
            m.texto += c;
    {
        std::lock_guard<std::mutex> guarda(cerrojo_);
        mensajes_[std::this_thread::get_id()].push_back(std::move(m));
    }
    // Nobody can answer: every choice takes its safe button.
    switch (juego) {
    case vb::vbOKCancel:
    case vb::vbYesNoCancel:
        return vb::vbCancel;
    case vb::vbYesNo:
        return vb::vbNo;
    default:
        return vb::vbOK;
    }
}

std::vector<Mensaje> DialogosCli::Toma() {
    std::lock_guard<std::mutex> guarda(cerrojo_);
    auto it = mensajes_.find(std::this_thread::get_id());
    if (it == mensajes_.end())
        return {};
    std::vector<Mensaje> r = std::move(it->second);
    mensajes_.erase(it);
    return r;
}

DialogosInstalados::DialogosInstalados() {
    vb::FijaDialogos(&dialogos_);
}

DialogosInstalados::~DialogosInstalados() {
    vb::FijaDialogos(nullptr);
}

} // namespace cli
