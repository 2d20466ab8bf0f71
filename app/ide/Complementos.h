#pragma once
// The add-ins the host knows: components registered by the path of their library, loaded when
// first needed, connected and disconnected by the add-in manager, at startup or on request.

#include "host/vbide/AddIn.h"

#include <QLibrary>
#include <QString>

#include <memory>
#include <vector>

namespace ide {

// A component loaded from its library.
struct Componente {
    QString ruta;
    std::unique_ptr<QLibrary> biblioteca;
    vbide::ClassFactory* fabrica = nullptr;
    vbide::AddInRegistration registro;
    std::unique_ptr<vbide::AddinInstance> conexion; // while connected
    bool alInicio = false;                          // connected when the host starts
};

class Complementos {
public:
    explicit Complementos(vbide::VBE& vbe) : vbe_(vbe) {}
    ~Complementos();

    // Loads the library at `ruta` and reads its registration; the same path twice is one
    // component. A missing file, a library that does not load or that is no add-in of this host
    // raise ErrorVB with a message naming the path and what went wrong.
    Componente& Carga(const QString& ruta);
    // The components registered in the host's settings, loaded; the ones that fail to load
    // are left out and their messages kept in *problemas.
    void CargaRegistrados(QStringList* problemas = nullptr);
    // Keeps the list and each one's load-at-startup choice in the host's settings.
    void GuardaRegistro() const;

    const std::vector<std::unique_ptr<Componente>>& Lista() const { return lista_; }
    Componente* Busca(const QString& ruta);

    // Connects (OnConnection with `modo`); nothing when already connected.
    void Conecta(Componente& c, vbide::ConnectMode modo);
    void Desconecta(Componente& c, vbide::DisconnectMode modo);
    // Every connected component, as the host closes.
    void DesconectaTodos();
    // Those marked load at startup, with mode 1.
    void ConectaAlInicio();

private:
    vbide::VBE& vbe_;
    std::vector<std::unique_ptr<Componente>> lista_;
};

// Where the host looks for the add-in built or installed beside it.
QString RutaComplementoPropio();

} // namespace ide
