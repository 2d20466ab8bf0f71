#pragma once
// A stand-in for the VB6 environment as a COM server, for the tests of the add-in over
// IDispatch: a VBE object over a project loaded with host/files (ActiveVBProject, VBProjects,
// components, code modules with every member the add-in calls, members, references, designers
// with their controls and properties), an "Add-Ins" command bar that records the controls added
// to it, command-bar event sources with a connection point, and MainWindow.hWnd. Errors come
// back as DISP_E_EXCEPTION with scode 0x800A0000 + the error's number. Windows only.
//
//     falso::Entorno entorno(carpeta / "Demo.vbp");
//     auto vbe = hostcom::AbreVBE(entorno.VBE(), 1252);
//     ...                            // the add-in adds its menu entry and asks for its clicks
//     entorno.Clic(0);               // the user chooses the first control added
//     vbe.reset();                   // the add-in lets go: Sumideros() == 0
//     // once the Entorno is gone too, falso::ObjetosVivos() == 0

#include "host/files/Vbe.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

struct IDispatch;

namespace falso {

struct Mundo;

// How many stand-in COM objects are alive (every kind, every environment).
long ObjetosVivos();

class Entorno {
public:
    // The handle that MainWindow.hWnd gives unless PonVentana changes it.
    static constexpr long kVentana = 0x10DE;

    // Opens the project or group at `ruta` with host/files in code page `cp`.
    explicit Entorno(const std::filesystem::path& ruta, int cp = 1252);
    // Nothing open: ActiveVBProject is Nothing, VBProjects is empty.
    Entorno();
    ~Entorno(); // lets go of the VBE object
    Entorno(const Entorno&) = delete;
    Entorno& operator=(const Entorno&) = delete;

    // The VBE object, borrowed: whoever keeps it adds a reference.
    IDispatch* VBE() const { return vbe_; }
    // The bytes a component's file would have if saved now (header and code).
    std::string Codigo(const std::string& componente);

    struct ControlMenu {
        std::string caption; // UTF-16 turned into the code page
        bool borrado = false;
    };
    // Every control added to the "Add-Ins" bar, in order, deleted ones included.
    std::vector<ControlMenu> Menu() const;
    // Fires Click on the sinks advised for the `indice`-th control added (0-based), with the
    // arguments (control, handled, CancelDefault); gives how many sinks it reached.
    int Clic(std::size_t indice);
    // Sinks advised now, over every event source.
    int Sumideros() const;
    // From now on CommandBars has no "Add-Ins" bar, as a host without that menu.
    void QuitaBarraAddIns();
    // From now on MainWindow.hWnd gives `ventana` (0: none, as a host without a main window).
    void PonVentana(long ventana);

private:
    std::shared_ptr<Mundo> mundo_;
    IDispatch* vbe_ = nullptr;
};

} // namespace falso
