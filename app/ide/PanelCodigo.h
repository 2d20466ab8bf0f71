#pragma once
// A module's code window: the module's lines, coloured as the add-in's viewer colours them, with
// their numbers in the margin. The model holds the code; the pane shows it, follows every edit
// made to it through the object model, and turns what the user types into edits of the model.

#include "host/files/CodeModuleMem.h"

#include <QPlainTextEdit>

#include <functional>
#include <string>
#include <vector>

namespace ide {

// One typed change: `antes` lines from `primera` became `despues`.
struct Escritura {
    long primera = 1;
    std::vector<std::string> antes, despues;
};

class PanelCodigo : public QPlainTextEdit {
    Q_OBJECT

public:
    PanelCodigo(files::CodeModuleMem& modulo, int codepage, QWidget* parent = nullptr);

    files::CodeModuleMem& Modulo() { return modulo_; }
    // The model changed (not by typing here): the lines shown follow.
    void Cambiado(long primera, long quitadas, long puestas);
    // Shows the model's lines again from scratch.
    void Recarga();
    // True while what the user typed is being put into the model.
    bool Escribiendo() const { return escribiendo_; }

    int AnchoMargen() const;
    void PintaMargen(QPaintEvent* e);

signals:
    // The user typed: the model has the change already.
    void escrito(PanelCodigo* panel, const Escritura& cambio);
    // What was typed cannot be held by the project's code page: it was taken back.
    void rechazado(const QString& motivo);

protected:
    bool event(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void AlEscribir(int pos, int quitados, int puestos);
    // Shows the model's lines again once the event loop runs (what was typed is refused).
    void RecargaLuego();
    QString Texto(long primera, long cuantas) const;
    std::string Bytes(const QString& linea, bool& bien) const;

    files::CodeModuleMem& modulo_;
    int codepage_;
    QWidget* margen_;
    bool aplicando_ = false;   // the pane is being set from the model
    bool escribiendo_ = false; // the model is being set from the pane
    bool recargando_ = false;  // a reload is due: what the pane shows now is not the model's
};

} // namespace ide
