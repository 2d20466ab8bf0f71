#pragma once
// The add-in's connection class: receives the host's connection events, adds the "Quovant
// Lintrap" entry to the host's "Add-Ins" menu, opens the main window from it, and remembers
// from one connection to the next whether the main window was open.

#include "host/vbide/AddIn.h"
#include "host/vbide/VBE.h"
#include "qt/main/frmAddIn.h"

#include <QPointer>

#include <string>

namespace addin {

inline constexpr const char* kMenuCaption = "Quovant Lintrap";

class Connect : public vbide::AddinInstance {
public:
    // `carpetaAddIn`: the folder of the add-in's component (help file, ClsErrores/).
    explicit Connect(std::string carpetaAddIn);
    ~Connect() override;

    vbide::VBE* VBInstance = nullptr;
    // True once Show has shown the main window; false after Hide and once saved at
    // disconnection.
    bool FormDisplayed = false;
    // The host's events whose command-bar Click opens the main window.
    vbide::Events* MenuHandler = nullptr;
    // The entry added to the "Add-Ins" menu; deleted at disconnection.
    vbide::CommandBarControl* MenuEntry = nullptr;

    void OnConnection(vbide::VBE& application, vbide::ConnectMode mode, void* custom) override {
        AddinInstance_OnConnection(application, mode, custom);
    }
    void OnDisconnection(vbide::DisconnectMode mode, void* custom) override {
        AddinInstance_OnDisconnection(mode, custom);
    }

    void AddinInstance_OnConnection(vbide::VBE& Application, int ConnectMode, void* custom);
    void AddinInstance_OnDisconnection(int RemoveMode, void* custom);
    void MenuHandler_Click();
    // Hands the host's object to the windows and shows the main window modeless.
    void Show();
    // Clears FormDisplayed and hides the main window.
    void Hide();
    // The new entry at the end of the "Add-Ins" menu, or nothing when the host has no such
    // menu or the entry cannot be added.
    vbide::CommandBarControl* AddToAddInCommandBar(const std::string& sCaption);

    // The main window while it is loaded, else null.
    qt::frmAddIn* frmAddIn() const { return frm_.data(); }

private:
    std::string carpeta_;
    QPointer<qt::frmAddIn> frm_;
};

// The per-user settings store, as VB's GetSetting and SaveSetting see it (UTF-8 texts).
std::string GetSetting(const std::string& appName, const std::string& section,
                       const std::string& key, const std::string& def = {});
void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                 const std::string& value);

} // namespace addin
