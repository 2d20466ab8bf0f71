#pragma once
// The runtime's message boxes go through an interface: the Qt windows implement it, the command
// line answers on the terminal and tests script it. Texts are UTF-8; line breaks may be CR LF.

#include <string>

namespace vb {

// Button sets and icons (added together) and the answers, with the values VB6 gives them.
enum : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64
};
enum : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

class Dialogos {
public:
    virtual ~Dialogos() = default;
    // Shows a modal box and returns the button pressed.
    virtual int MsgBox(const std::string& prompt, int buttons, const std::string& title) = 0;
};

// Writes the box on standard error and reads the answer from standard input. When standard
// input is not a terminal nobody can answer: an OK-only box is taken as seen, and any box with
// a choice answers its safe button (Cancel, or No when there is no Cancel).
class DialogosTerminal : public Dialogos {
public:
    int MsgBox(const std::string& prompt, int buttons, const std::string& title) override;
};

// The runtime's own boxes (an error shown by clsErrores, a report that could not be mailed) on
// the calling thread, which are per thread as vb::Err() and glbErr() are: a terminal one by
// default. The add-in's engine and installation do not come here: they are handed theirs.
Dialogos& DialogosActuales();
// Installs `d` (not owned) for the calling thread; nullptr restores the default.
void FijaDialogos(Dialogos* d);

int MsgBox(const std::string& prompt, int buttons = vbOKOnly, const std::string& title = "Lintrap");

} // namespace vb
