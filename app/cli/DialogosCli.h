#pragma once
// The message boxes of the add-in when nobody sits in front of a window, one set per module's
// command. The all-procedures questions are the command's own: they are answered yes. The
// engine's other boxes (a refusal, the installation notice) are passed by: the command's result
// says the same. The runtime's boxes, the errors glbErr reports, are kept for the command to
// report as failures.

#include "ClsErrores/MsgBox.h"
#include "engine/Entorno.h"

#include <string>
#include <vector>

namespace cli {

struct Mensaje {
    std::string texto; // UTF-8, line breaks as LF
    int botones = 0;
};

class DialogosCli : public engine::Dialogos, public vb::Dialogos {
public:
    // The engine's and the installation's boxes, known by their name.
    int Muestra(engine::Mensaje id, const std::string&, int) override;
    // The runtime's boxes: an error glbErr reports.
    int MsgBox(const std::string& prompt, int buttons, const std::string& title) override;

    // The boxes shown since the last call, oldest first.
    std::vector<Mensaje> Toma() { return std::move(mensajes_); }

private:
    int Guarda(const std::string& texto, int botones);

    std::vector<Mensaje> mensajes_;
};

// A DialogosCli that is also the runtime's boxes on the calling thread for as long as it lives.
class DialogosInstalados {
public:
    DialogosInstalados();
    ~DialogosInstalados();
    DialogosInstalados(const DialogosInstalados&) = delete;
    DialogosInstalados& operator=(const DialogosInstalados&) = delete;
    DialogosCli& operator*() { return dialogos_; }
    DialogosCli* operator->() { return &dialogos_; }

private:
    DialogosCli dialogos_;
};

} // namespace cli
