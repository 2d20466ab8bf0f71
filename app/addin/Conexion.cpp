#include "app/addin/Conexion.h"

#include "ClsErrores/Convencion.h"
#include "base/ErrorVB.h"
#include "host/vbide/AddIn.h"

#include <utility>

namespace addin {

void Conexion::AddinInstance_OnConnection(vbide::VBE& Application, int ConnectMode) {
    try {
        VBInstance = &Application;
        if (ConnectMode == vbide::ext_cm_External) {
            Show();
        } else {
            MenuEntry = AddToAddInCommandBar(kMenuCaption);
            MenuHandler = VBInstance->Events();
            if (MenuEntry && MenuHandler) {
                MenuHandler->CommandBarEvents(*MenuEntry, [this] { MenuHandler_Click(); });
            }
            if (ConnectMode == vbide::ext_cm_AfterStartup &&
                LeeAjuste("DisplayOnConnect", "0") == "1") {
                Show();
            }
        }
    } catch (const ErrorVB& e) {
        Avisa(e.Description);
    } catch (const std::exception&) {
        Avisa("Error interno al conectar el complemento");
    }
}

vbide::CommandBarControl* Conexion::AddToAddInCommandBar(const std::string& sCaption) {
    try {
        vbide::CommandBars* bars = VBInstance ? VBInstance->CommandBars() : nullptr;
        vbide::CommandBar* menu = bars ? bars->Item("Add-Ins") : nullptr;
        if (!menu) {
            return nullptr;
        }
        vbide::CommandBarControl& entry = menu->AddControl(1);
        entry.SetCaption(sCaption);
        return &entry;
    } catch (...) {
        return nullptr;
    }
}

void Conexion::Show() {
    PasoSinError([&] { CargaVentana(); });
    FormDisplayed = true;
    PasoSinError([&] { MuestraVentana(); });
}

void Conexion::Hide() {
    FormDisplayed = false;
    PasoSinError([&] { OcultaVentana(); });
}

void Conexion::MenuHandler_Click() {
    PasoSinError([&] { Show(); });
}

void Conexion::AddinInstance_OnDisconnection(int) {
    PasoSinError([&] {
        if (MenuEntry) {
            std::exchange(MenuEntry, nullptr)->Delete();
        }
    });
    PasoSinError([&] {
        GuardaAjuste("DisplayOnConnect", FormDisplayed ? "1" : "0");
        FormDisplayed = false;
    });
    PasoSinError([&] { DescargaVentana(); });
}

} // namespace addin
