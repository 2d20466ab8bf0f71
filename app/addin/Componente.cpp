// The component's entry point and class factory. DllGetClassObject only hands the factory
// over; the connection class does the work.

#include "app/addin/Connect.h"
#include "app/addin/Registro.h"
#include "base/plataforma/Biblioteca.h"

#include <atomic>
#include <filesystem>

namespace addin {

namespace {

std::atomic<int> vivos{0}; // connection objects alive

// The folder of this library: the help file and ClsErrores/ lie beside it.
std::string CarpetaComponente() {
    const auto archivo =
        plataforma::ArchivoQueContiene(reinterpret_cast<const void*>(&CarpetaComponente));
    if (archivo.empty()) {
        return ".";
    }
    std::error_code ec;
    auto ruta = std::filesystem::canonical(archivo, ec);
    return (ec ? archivo : ruta).parent_path().string();
}

class ConnectContado : public Connect {
public:
    ConnectContado() : Connect(CarpetaComponente()) { ++vivos; }
    ~ConnectContado() override { --vivos; }
};

class Fabrica : public vbide::ClassFactory {
public:
    vbide::AddInRegistration Registration() const override { return Registro(); }
    std::unique_ptr<vbide::AddinInstance> CreateInstance() override {
        return std::make_unique<ConnectContado>();
    }
    bool CanUnloadNow() const override { return vivos == 0; }
};

} // namespace

} // namespace addin

extern "C" __attribute__((visibility("default"))) vbide::ClassFactory* DllGetClassObject() {
    static addin::Fabrica fabrica;
    return &fabrica;
}
