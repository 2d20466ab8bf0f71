#pragma once
// The Qt skin of the add-in's working window (ui::frmAddIn): the lists, the options, the
// buttons, the menus and the progress bar, each signal forwarded to its handler. It owns every
// other window of the add-in that it opens (the code viewer, the help, the references and the
// controls inspector): they are its children, and closing it unloads them all.

#include "base/CodePage.h"
#include "qt/VistaQt.h"
#include "qt/viewer/FrmCodigo.h"
#include "ui/main/frmAddIn.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <string>

class QListWidget;
class QTextBrowser;

namespace qt {

class frmAddIn : public QMainWindow, public VistaQt {
    Q_OBJECT

public:
    // `vbe`: the host's root object; `carpetaAddIn`: the folder of the add-in's component;
    // `paginaCodigos`: the code page of the projects' files. The window loads at once.
    frmAddIn(vbide::VBE& vbe, std::string carpetaAddIn,
             int paginaCodigos = codepage::Predeterminada, QWidget* parent = nullptr);
    ~frmAddIn() override;

    ui::frmAddIn& Comportamiento() { return comportamiento_; }
    // The code viewer while it is loaded (hidden or shown), else null.
    FrmCodigo* Visor() const { return visor_.data(); }

    void Abre(std::string_view ventana) override;
    void Cierra(bool aceptada) override;
    void MuestraVentana(std::string_view ventana, bool visible) override;
    void MuestraCodigo(const ui::VistaCodigo& codigo) override;
    void MuestraAyuda(const std::string& ruta) override;
    // The lists' primitives, whose scrolls are not the user's.
    void Rellena(std::string_view control, const std::vector<std::string>& filas) override;
    void Selecciona(std::string_view control, int fila) override;
    void PonArriba(std::string_view control, int fila) override;

signals:
    // The window is being unloaded: whoever keeps it lets it go.
    void descargado();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    void CreaControles();
    void CreaMenus();
    // What List2 shows selected, for its click.
    void List2_Click();
    // Unloads every window this one owns.
    void DescargaVentanas();

    ui::frmAddIn comportamiento_;
    QListWidget* List2 = nullptr;
    QListWidget* List3 = nullptr;
    bool primitiva_ = false;         // a list primitive is running: its scrolls are not reported
    bool pulsando_ = false;          // a mouse press on List2 or List3 is being handled
    bool cambioEnPulsacion_ = false; // that press changed the selection (Click already ran)
    QPointer<FrmCodigo> visor_;
    QPointer<QTextBrowser> ayuda_;
};

} // namespace qt
