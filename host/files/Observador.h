#pragma once
// Who is told when a module's code changes: the desktop host keeps its code panes, its
// modified marks and its undo steps in step with the edits an add-in makes through the object
// model. The model knows nothing of windows; it only calls these.

namespace files {

class CodeModuleMem;
class Component;
class Project;

class ObservadorCodigo {
public:
    virtual ~ObservadorCodigo() = default;
    // The module is about to change and still holds its lines as they were.
    virtual void AntesDeCambiar(CodeModuleMem& modulo) = 0;
    // `quitadas` lines starting at `primera` have been replaced by `puestas` lines there.
    virtual void Cambiado(CodeModuleMem& modulo, long primera, long quitadas, long puestas) = 0;
    // A component was imported into the project (its module is observed from now on).
    virtual void ComponenteAnadido(Project&, Component&) {}
};

} // namespace files
