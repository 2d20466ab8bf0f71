#pragma once
// The add-in manager: the registered add-ins with their display names and descriptions, each
// loaded or not and loaded at startup or not; changes apply when the user accepts.

#include "app/ide/Complementos.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QTableWidget;

namespace ide {

class Administrador : public QDialog {
    Q_OBJECT

public:
    Administrador(Complementos& complementos, QWidget* parent = nullptr);

    // Connects and disconnects as the rows say, and keeps the startup choices.
    void accept() override;

private:
    void Llena();
    void Fila(int fila);
    void Anade();

    Complementos& complementos_;
    std::vector<Componente*> filas_;
    std::vector<bool> cargado_, alInicio_;
    QTableWidget* lista_;
    QLabel* descripcion_;
    QCheckBox* cargadoCasilla_;
    QCheckBox* alInicioCasilla_;
};

} // namespace ide
