#pragma once
// The message boxes of the add-in when nobody sits in front of a window. The all-procedures
// question is the command's own: it is answered yes. Every other box is kept, per thread, for
// the command to report: the installation notice as information, anything else as a failure.

#include "ClsErrores/MsgBox.h"

#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace cli {

struct Mensaje {
    std::string texto; // UTF-8, line breaks as LF
    int botones = 0;
};

class DialogosCli : public vb::Dialogos {
public:
    int MsgBox(const std::string& prompt, int buttons, const std::string& title) override;

    // The boxes shown on the calling thread since the last call, oldest first.
    std::vector<Mensaje> Toma();

    // The two confirmations of the insert and remove commands over all procedures.
    static bool EsConfirmacionTodos(const std::string& texto);

private:
    std::mutex cerrojo_;
    std::map<std::thread::id, std::vector<Mensaje>> mensajes_;
};

// Installs a DialogosCli for as long as it lives.
class DialogosInstalados {
public:
    DialogosInstalados();
    ~DialogosInstalados();
    DialogosCli& operator*() { return dialogos_; }
    DialogosCli* operator->() { return &dialogos_; }

private:
    DialogosCli dialogos_;
};

} // namespace cli
