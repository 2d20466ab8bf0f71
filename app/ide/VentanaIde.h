#pragma once
// lintrap-ide's main window: the open project's components in a tree, each module's code in a
// pane, the menus (with the "Add-Ins" menu where add-ins put their entries), saving, undo,
// and watching the files for changes made by other programs.

#include "app/ide/Complementos.h"
#include "app/ide/PanelCodigo.h"
#include "app/ide/Seguimiento.h"
#include "app/ide/VbeIde.h"

#include <QFileSystemWatcher>
#include <QMainWindow>
#include <QTimer>
#include <QUndoStack>

#include <map>
#include <memory>
#include <set>

class QMenu;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace ide {

class VentanaIde;

// The host's code window of one module, as the object model hands it out: Show opens the
// module's pane (if it is not open) and brings it to the front.
class CodePaneIde : public vbide::CodePane {
public:
    CodePaneIde(VentanaIde& ventana, files::CodeModuleMem& modulo)
        : ventana_(ventana), modulo_(modulo) {}
    void Show() override;

private:
    VentanaIde& ventana_;
    files::CodeModuleMem& modulo_;
};

struct OpcionesIde {
    bool menuComplementos = true; // the "Add-Ins" menu (a host may have none)
};

class VentanaIde : public QMainWindow {
    Q_OBJECT

public:
    explicit VentanaIde(OpcionesIde opciones = {}, QWidget* parent = nullptr);
    ~VentanaIde() override;

    // Opens a .vbp or .vbg in place of what is open (asking first to save unsaved changes).
    // A save an earlier run left pending is completed first, and the status bar says so; a
    // journal that is not the project's is refused, and the user asked whether to drop it.
    // False when it was not opened; the user has been told why.
    bool Abre(const QString& ruta);
    // Saves every changed file; false when nothing was saved (the user has been told why).
    bool Guarda();
    // Asks whether to save unsaved changes: false when the user cancels or the save fails.
    bool PreguntaGuardar();
    // Looks at the open files on disk and offers to reload when another program changed one.
    void CompruebaDisco();

    PanelCodigo* MuestraPanel(files::CodeModuleMem& modulo);
    PanelCodigo* Panel(files::CodeModuleMem& modulo) const;
    // The module of the component with this name in the active project, or null.
    files::CodeModuleMem* Modulo(const QString& componente);

    VbeIde& Vbe() { return vbe_; }
    Complementos& Componentes() { return complementos_; }
    QUndoStack& Pila() { return pila_; }
    Seguimiento& Cambios() { return seguimiento_; }
    QTreeWidget* Arbol() const { return arbol_; }
    QTabWidget* Paneles() const { return paneles_; }
    QMenu* MenuComplementos() const { return menuComplementos_; }
    // The project or group file open now (empty when none).
    QString Ruta() const { return ruta_; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void CreaMenus(const OpcionesIde& opciones);
    void Cierra();
    void LlenaArbol();
    void ActualizaMarcas();
    void MarcasLuego();
    void Vigila();
    void AnadeReciente(const QString& ruta);
    void LlenaRecientes();
    bool HayCambios() const;
    // Opens without asking to save first; `descartaDiario` drops a pending save's journal that
    // cannot be completed, once the user has agreed.
    bool AbreYa(const QString& ruta, bool descartaDiario);
    void AbreDialogo();
    void AbreAdministrador();

    VbeIde vbe_;
    QUndoStack pila_;
    Seguimiento seguimiento_;
    Complementos complementos_{vbe_};
    QString ruta_;
    std::map<files::CodeModuleMem*, std::unique_ptr<CodePaneIde>> codePanes_;
    std::map<files::CodeModuleMem*, PanelCodigo*> panelDe_;
    QTreeWidget* arbol_;
    QTabWidget* paneles_;
    QMenu* menuComplementos_ = nullptr;
    QMenu* menuRecientes_ = nullptr;
    QFileSystemWatcher vigia_;
    QTimer comprobacion_;
    bool marcasPendientes_ = false;
    bool preguntando_ = false;
    // Files whose change on disk the user chose to keep: not asked again for that version.
    std::set<std::pair<std::string, std::int64_t>> ignorados_;
};

} // namespace ide
