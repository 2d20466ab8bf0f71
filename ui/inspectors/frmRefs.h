#pragma once
// The references viewer's behaviour: the references of the active project, and the details of
// the one clicked. It reads the environment it is given and changes nothing.

#include "host/vbide/VBE.h"
#include "ui/Vista.h"

#include <string>
#include <vector>

namespace ui {

class frmRefs {
public:
    // `vbe`: the main window's VBInstance; `paginaCodigos`: the project's code page.
    frmRefs(Vista& vista, vbide::VBE& vbe, int paginaCodigos)
        : vista_(vista), vbe_(vbe), cp_(paginaCodigos) {}

    void Form_Load();
    // `fila`: the entry now selected in List1, -1 for none.
    void List1_Click(int fila);
    void OKButton_Click();

private:
    Vista& vista_;
    vbide::VBE& vbe_;
    int cp_;
    std::vector<std::string> nombres_; // List1's entries
};

} // namespace ui
