#include "ui/main/DialogosQt.h"

#include "qt/CajaMensaje.h"

#include <QApplication>
#include <QInputDialog>
#include <QProgressBar>

namespace ui {

std::optional<QString> CajaEntrada(QWidget* padre, const QString& pregunta, const QString& titulo,
                                   const QString& inicial) {
    QInputDialog caja(padre);
    caja.setObjectName("InputBox");
    caja.setWindowTitle(titulo);
    caja.setLabelText(pregunta);
    caja.setTextValue(inicial);
    caja.setOkButtonText("Aceptar");
    caja.setCancelButtonText("Cancelar");
    if (caja.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return caja.textValue();
}

int DialogosQt::Muestra(engine::Mensaje, const std::string& texto, int botones) {
    return qt::CajaMensaje(padre_, texto, botones, std::string(engine::TituloDialogos));
}

int MsgBoxQt::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    return qt::CajaMensaje(padre_, prompt, buttons, title.empty() ? std::string("Lintrap") : title);
}

void ProgresoQt::Muestra(bool visible) {
    barra_.setVisible(visible);
}

void ProgresoQt::Valor(double porcentaje) {
    // Called for every line of a module: the bar is touched only when its value moves.
    const int valor = static_cast<int>(porcentaje);
    if (valor != barra_.value()) {
        barra_.setValue(valor);
    }
}

void ProgresoQt::RelojArena(bool activo) {
    // One override at most: Qt stacks them, and a command's end restores the pointer once.
    if (activo && !reloj_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (!activo && reloj_) {
        QApplication::restoreOverrideCursor();
    }
    reloj_ = activo;
}

} // namespace ui
