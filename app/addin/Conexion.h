#pragma once
// The connection's behaviour, the same for every host: the "Quovant Lintrap" entry on the
// host's "Add-Ins" menu, the main window opened from it, and whether the main window was open,
// remembered from one connection to the next. A toolkit shows the windows and a system keeps
// the setting: each component derives from this class and says how.

#include "host/vbide/VBE.h"

#include <string>

namespace addin {

inline constexpr const char* kMenuCaption = "Quovant Lintrap";

class Conexion {
public:
    virtual ~Conexion() = default;

    vbide::VBE* VBInstance = nullptr;
    // True once Show has shown the main window; false after Hide and once saved at
    // disconnection.
    bool FormDisplayed = false;
    // The host's events whose command-bar Click opens the main window.
    vbide::Events* MenuHandler = nullptr;
    // The entry added to the "Add-Ins" menu; deleted at disconnection.
    vbide::CommandBarControl* MenuEntry = nullptr;

    void AddinInstance_OnConnection(vbide::VBE& Application, int ConnectMode);
    void AddinInstance_OnDisconnection(int RemoveMode);
    void MenuHandler_Click();
    // Hands the host's object to the windows and shows the main window modeless.
    void Show();
    // Clears FormDisplayed and hides the main window.
    void Hide();
    // The new entry at the end of the "Add-Ins" menu, or nothing when the host has no such
    // menu or the entry cannot be added.
    vbide::CommandBarControl* AddToAddInCommandBar(const std::string& sCaption);

protected:
    // The main window over VBInstance, loaded when it is not (its load runs Form_Load).
    virtual void CargaVentana() = 0;
    // Shows the loaded main window modeless, in front.
    virtual void MuestraVentana() = 0;
    virtual void OcultaVentana() = 0;
    // Unloads the main window, and with it every other window of the add-in.
    virtual void DescargaVentana() = 0;
    // A message box with the application's title and an OK button.
    virtual void Avisa(const std::string& texto) = 0;
    // The per-user settings store of VB programs, application = the component's title,
    // section "Settings" (UTF-8 texts). A missing value reads as `omision`.
    virtual std::string LeeAjuste(const std::string& clave, const std::string& omision) = 0;
    virtual void GuardaAjuste(const std::string& clave, const std::string& valor) = 0;
};

} // namespace addin
