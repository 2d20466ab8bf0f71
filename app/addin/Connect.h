#pragma once
// The add-in's connection class in lintrap-ide: the host's connection events reach the shared
// behaviour (Conexion); the main window is the Qt one and the settings live in QSettings.

#include "app/addin/Conexion.h"
#include "host/vbide/AddIn.h"
#include "qt/main/frmAddIn.h"

#include <QPointer>

#include <string>

namespace addin {

class Connect : public vbide::AddinInstance, public Conexion {
public:
    // `carpetaAddIn`: the folder of the add-in's component (help file, ClsErrores/).
    explicit Connect(std::string carpetaAddIn);
    ~Connect() override;

    void OnConnection(vbide::VBE& application, vbide::ConnectMode mode, void*) override {
        AddinInstance_OnConnection(application, mode);
    }
    void OnDisconnection(vbide::DisconnectMode mode, void*) override {
        AddinInstance_OnDisconnection(mode);
    }

    // The main window while it is loaded, else null.
    qt::frmAddIn* frmAddIn() const { return frm_.data(); }

protected:
    void CargaVentana() override;
    void MuestraVentana() override;
    void OcultaVentana() override;
    void DescargaVentana() override;
    void Avisa(const std::string& texto) override;
    std::string LeeAjuste(const std::string& clave, const std::string& omision) override;
    void GuardaAjuste(const std::string& clave, const std::string& valor) override;

private:
    std::string carpeta_;
    QPointer<qt::frmAddIn> frm_;
};

} // namespace addin
