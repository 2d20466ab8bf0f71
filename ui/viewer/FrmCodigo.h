#pragma once
// The code viewer's behaviour: the selected procedure or module shown with colours, keywords
// blue, error-handling terms purple and bold, comments green. "Resaltar" paints every
// occurrence of a term red and bold; "Dependencias" opens the list of the procedure's callers.
// It only shows text: nothing here changes the user's code.
//
// Its view has the rich-text box "TxtCodigo" and the menu commands "mnuDep" and "mnuResaltar".
// The main window shows each selection with Muestra().

#include "ui/Vista.h"
#include "ui/viewer/ColoresCodigo.h"
#include "ui/viewer/VistaCodigo.h"

#include <memory>
#include <string>
#include <vector>

namespace ui {

class FrmCodigo {
public:
    explicit FrmCodigo(Vista& vista);

    // The viewer refresh of the main window, from hiding the text to showing it again: the
    // text (kept when the view has none), caption, procedure tag and "Dependencias", the
    // colours, and the caret at position 1. The text is hidden meanwhile, so a whole module is
    // loaded and coloured without repaints in between. Each step runs even if one before failed.
    void Muestra(const VistaCodigo& vista);

    // The procedure tag: the procedure's name in the project's code page, or "Todos". The
    // callers list reads it, with the code page the text came in.
    const std::string& Tag() const { return tag_; }
    int PaginaCodigos() const { return paginaCodigos_; }

    // Colours the text now held and shows it so, with nothing selected.
    void formateaCodigo();
    // The menu command "Resaltar": asks for a term and paints it red and bold.
    void mnuResaltar_Click();
    // The menu command "Dependencias": opens the callers window, not modal.
    void mnuDep_Click();

    // The colour of every character of the text now shown (offsets with CR LF as two).
    const viewer::ColoresCodigo& Colores() const { return *colores_; }

private:
    // Shows the text with its colours; `cursor` as PonTextoColoreado takes it.
    void PintaTexto(long cursor);

    Vista& vista_;
    std::unique_ptr<viewer::ColoresCodigo> colores_;
    std::vector<viewer::Tramo> tramos_; // the last shown, its block kept for the next
    std::string tag_;
    int paginaCodigos_ = codepage::Predeterminada;
};

} // namespace ui
