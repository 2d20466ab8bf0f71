#pragma once
// Follows every edit of the open projects' modules: the code panes show it, the modified
// marks follow it, and the host's undo stack gets one step for each add-in command (all the
// modules one user action changed) and one for each stretch of typing. A module whose lines
// come back to the saved ones (an undo, or typing undone by hand) is no longer modified.

#include "app/ide/PanelCodigo.h"
#include "host/files/Observador.h"

#include <QObject>
#include <QUndoCommand>
#include <QUndoStack>

#include <functional>
#include <map>

namespace ide {

class Seguimiento : public QObject, public files::ObservadorCodigo {
    Q_OBJECT

public:
    // `panelDe` gives the open pane of a module, or null.
    Seguimiento(QUndoStack& pila, std::function<PanelCodigo*(files::CodeModuleMem&)> panelDe);

    void AntesDeCambiar(files::CodeModuleMem& modulo) override;
    void Cambiado(files::CodeModuleMem& modulo, long primera, long quitadas, long puestas) override;
    void ComponenteAnadido(files::Project&, files::Component&) override;

    // The edits since the action began become one undo step.
    void CierraPaso();
    // The user typed in a pane.
    void Escrito(PanelCodigo* panel, const Escritura& cambio);
    // While an undo step is applied its edits are not recorded again.
    void Aplica(const std::function<void()>& cambio);
    // The modules are gone (project closed or reloaded): so are the steps.
    void Olvida();
    // Every changed module whose bytes are the saved ones again is marked saved: a save leaves
    // its file alone.
    void ComparaConGuardado();

signals:
    void modificado(files::CodeModuleMem* modulo);
    void componentesCambiados();
    // Something the user should know about an undo or redo just applied.
    void aviso(const QString& texto);

private:
    void AbrePaso();

    QUndoStack& pila_;
    std::function<PanelCodigo*(files::CodeModuleMem&)> panelDe_;
    std::map<files::CodeModuleMem*, files::CodeModuleMem::Instantanea> antes_;
    // The components the open step imported (the runtime's modules), by name.
    QStringList anadidos_;
    // A hash of each module's bytes as last saved, taken when it first changes after that.
    std::map<files::CodeModuleMem*, std::size_t> guardado_;
    bool abierto_ = false;
    bool aplicando_ = false;
};

// One add-in command: every module it changed, before and after.
class PasoComplemento : public QUndoCommand {
public:
    struct Modulo {
        files::CodeModuleMem* modulo;
        files::CodeModuleMem::Instantanea antes, despues;
    };
    PasoComplemento(Seguimiento& seg, std::vector<Modulo> modulos, QStringList anadidos,
                    const QString& texto);
    void undo() override;
    void redo() override;

private:
    Seguimiento& seg_;
    std::vector<Modulo> modulos_;
    QStringList anadidos_;
    bool hecho_ = true; // made by the command itself: the first redo has nothing to do
};

// Typing in one pane; successive typing on one line is one step.
class PasoEscritura : public QUndoCommand {
public:
    PasoEscritura(Seguimiento& seg, files::CodeModuleMem& modulo, Escritura cambio);
    void undo() override;
    void redo() override;
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* otro) override;

private:
    Seguimiento& seg_;
    files::CodeModuleMem& modulo_;
    Escritura cambio_;
    bool hecho_ = true;
};

} // namespace ide
