#pragma once
// The code viewer window: the selected procedure or module in a fixed-pitch rich-text view,
// keywords blue, error-handling terms purple and bold, comments green. "Resaltar" paints every
// occurrence of a term red and bold; "Dependencias" opens the list of the procedure's callers.
// It only shows text: nothing here changes the user's code.
//
// The main window creates one, hands it the action that toggles it (setMnuCodigo) and the
// opener of the callers window (abreDependencias), and shows each selection with Muestra().

#include "ui/viewer/ColoresCodigo.h"
#include "ui/viewer/VistaCodigo.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <string>

class QAction;
class QTextEdit;

namespace ui {

class FrmCodigo : public QMainWindow {
    Q_OBJECT

public:
    explicit FrmCodigo(QWidget* parent = nullptr);
    ~FrmCodigo() override;

    // The rich-text view. Each colouring puts a new document into it: ask it for document()
    // again after formateaCodigo or a highlight.
    QTextEdit* TxtCodigo() const { return txtCodigo_; }
    QAction* mnuDep() const { return mnuDep_; }
    QAction* mnuResaltar() const { return mnuResaltar_; }

    // The viewer refresh of the main window, from hiding the text to showing it again: the
    // text (kept when the view has none), caption, procedure tag and "Dependencias", the
    // colours, and the caret at position 1. The text is hidden meanwhile, so a whole module is
    // loaded and coloured without repaints in between.
    void Muestra(const VistaCodigo& vista);

    // The procedure tag: the procedure's name in the project's code page, or "Todos". The
    // callers list reads it, with the code page the text came in.
    const std::string& Tag() const { return tag_; }
    void setTag(const std::string& tag) { tag_ = tag; }
    int PaginaCodigos() const { return paginaCodigos_; }

    // Replaces the text (code-page bytes, CR LF between lines), all black.
    void PonTexto(const std::string& bytes, int paginaCodigos);
    // Colours the text now in the view, in one pass over the document.
    void formateaCodigo();
    // The menu command "Resaltar": asks for a term and paints it red and bold.
    void mnuResaltar_Click();
    // The menu command "Dependencias": shows the callers window, not modal.
    void mnuDep_Click();

    // The colour of every character of the text now shown (offsets with CR LF as two).
    const viewer::ColoresCodigo& Colores() const { return *colores_; }

    // Opens the callers window (Dependencias) for this viewer, not modal; it reads Tag(). Set by
    // whoever builds the windows. While it is unset, "Dependencias" reports that the window is
    // not there through the add-in's error handler.
    std::function<void(FrmCodigo&)> abreDependencias;

    // The main window's menu entry that shows this window: when this window closes, its
    // caption goes back to "&Ver Codigo".
    void setMnuCodigo(QAction* mnuCodigo) { mnuCodigo_ = mnuCodigo; }

signals:
    // The window is closing (after the menu entry's caption was set back).
    void Cerrando();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    // Puts the text and its colours into a new document, run by run, and that into the view.
    void AplicaFormatos();
    void PonCursor(long offset);

    QTextEdit* txtCodigo_;
    QAction* mnuDep_;
    QAction* mnuResaltar_;
    QPointer<QAction> mnuCodigo_;
    std::unique_ptr<viewer::ColoresCodigo> colores_;
    std::string tag_;
    int paginaCodigos_ = codepage::Predeterminada;
};

} // namespace ui
