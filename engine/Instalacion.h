#pragma once
// What the insertion needs from the installation of the runtime modules: after the first
// error-handling block, the project gets clsErrores and InfoSistema if it lacks them.

namespace engine {

class Instalacion {
public:
    virtual ~Instalacion() = default;
    // The project holds a class module named exactly "clsErrores".
    virtual bool YaExisteCls() = 0;
    // Adds both modules, writes the pending settings, tells the user, sets the modules-added flag.
    virtual void AddModulos() = 0;
};

} // namespace engine
