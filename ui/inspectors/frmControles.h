#pragma once
// The controls inspector's behaviour: projects -> forms and designers -> controls -> properties,
// each selection filling the next list and selecting its first entry, and a report of the
// selected control copied to the clipboard. It changes nothing.

#include "host/vbide/VBE.h"
#include "ui/Vista.h"
#include "ui/inspectors/Controles.h"

#include <string>
#include <vector>

namespace ui {

class frmControles {
public:
    // `vbe`: the environment (VBInstance); `paginaCodigos`: the projects' code page.
    frmControles(Vista& vista, vbide::VBE& vbe, int paginaCodigos)
        : vista_(vista), controles_(vbe, paginaCodigos) {}

    void Form_Load();
    // `fila`: the entry now selected in the list, -1 for none (nothing else changes then).
    void List3_Click(int fila);
    void List0_Click(int fila);
    void List1_Click(int fila);
    void Command1_Click();
    void CancelButton_Click() { vista_.Cierra(true); }

private:
    // A list with its entries (and their item data) and its selected row.
    struct Lista {
        const char* nombre;
        std::vector<inspectors::Elemento> filas;
        int fila = -1;
        const inspectors::Elemento* Actual() const;
    };
    // Fills `lista`; when it is not empty, selects its first entry, which runs `clic`.
    void Rellena(Lista& lista, std::vector<inspectors::Elemento> filas,
                 void (frmControles::*clic)(int));
    // These handlers report their own failures; none goes to glbErr.
    template <class F> void Maneja(F&& paso);

    Vista& vista_;
    inspectors::Controles controles_;
    Lista list3_{"List3", {}, -1}, list0_{"List0", {}, -1}, list1_{"List1", {}, -1};
    std::vector<std::string> list2_; // the selected control's property lines
};

} // namespace ui
