#pragma once
// The Qt skin of the code viewer (ui::FrmCodigo): a window with the rich-text box TxtCodigo
// and the menu commands "Dependencias" and "Resaltar". It opens the callers window
// (qt::Dependencias) itself.
//
// The main window creates one, shows each selection with Muestra(), shows, hides and raises
// it, and hears Cerrando() when the user closes it.

#include "engine/EstadoSeleccion.h"
#include "host/vbide/VBE.h"
#include "ui/Vista.h"
#include "ui/viewer/FrmCodigo.h"

#include <QMainWindow>

class QAction;
class QTextEdit;

namespace qt {

class FrmCodigo : public QMainWindow, public ui::Vista {
    Q_OBJECT

public:
    // `vbe` and `seleccion`: the main window's VBInstance and selection state, which the callers
    // window reads when it is opened; both outlive this window.
    FrmCodigo(vbide::VBE& vbe, const engine::EstadoSeleccion& seleccion, QWidget* parent = nullptr);

    // The main window's refresh: show this code.
    void Muestra(const ui::VistaCodigo& vista) { comportamiento_.Muestra(vista); }

    // For the tests and the screenshots.
    const ui::FrmCodigo& Comportamiento() const { return comportamiento_; }
    const std::string& Tag() const { return comportamiento_.Tag(); }
    QTextEdit* TxtCodigo() const { return txtCodigo_; }
    QAction* mnuDep() const { return mnuDep_; }
    QAction* mnuResaltar() const { return mnuResaltar_; }

    // The view's primitives this window has a use for; the others do nothing.
    void PonTexto(std::string_view control, std::string_view texto) override;
    void Muestra(std::string_view control, bool visible) override;
    int Mensaje(const std::string& texto, int botones, const std::string& titulo) override;
    void Cierra(bool aceptada) override;
    void PonTextoColoreado(std::string_view control, std::u32string_view texto,
                           const std::vector<viewer::Tramo>& tramos, long cursor) override;
    std::string PideTexto(const std::string& texto, const std::string& titulo) override;
    void MuestraVentana(std::string_view ventana, bool visible) override;
    void Rellena(std::string_view, const std::vector<std::string>&) override {}
    void Selecciona(std::string_view, int) override {}
    void Marca(std::string_view, bool) override {}
    void PonFondo(std::string_view, ui::Color) override {}
    void Portapapeles(const std::string&) override {}
    void Abre(std::string_view) override {}

signals:
    // The user closed the window.
    void Cerrando();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    vbide::VBE& vbe_;
    const engine::EstadoSeleccion& seleccion_;
    QTextEdit* txtCodigo_;
    QAction* mnuDep_;
    QAction* mnuResaltar_;
    ui::FrmCodigo comportamiento_;
};

} // namespace qt
