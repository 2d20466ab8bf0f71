#pragma once
// What the commands ask of the window around them: the viewer to refresh, whether the
// procedure list is seen, and the reload after the runtime modules were added.

#include <string>

namespace engine {

class Ventana {
public:
    virtual ~Ventana() = default;
    // Shows the selected code again in the viewer, if there is one.
    virtual void RefrescarCodigo() {}
    // False where nobody sees the procedure list: after a command its statuses are not
    // looked up again (a walk over every procedure of the module).
    virtual bool MuestraLista() const { return true; }
    // Lists the project's modules again after the runtime modules were added, and selects
    // `modulo` again (the options and the pending settings go back to their defaults).
    virtual void Recarga(const std::string& modulo) = 0;
};

} // namespace engine
