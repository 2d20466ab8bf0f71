#pragma once
// The controls inspector without widgets: the chain projects -> forms and designers -> controls
// -> properties that frmControles walks, and the report its copy command puts on the clipboard.
// Every text is UTF-8; each list entry carries its item data, the 1-based position of its
// object in the collection it came from.

#include "host/vbide/VBE.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace inspectors {

struct Elemento {
    std::string texto;
    long dato = 0;
};

// What an unreadable property value shows.
inline constexpr std::string_view NoDisponible = "No disponible";
// The product's web address at the foot of the report.
inline constexpr std::string_view WebProducto = "https://lintrap.quovant.example/";

// What selecting a control shows.
struct VistaControl {
    std::optional<std::string> label4; // nothing when it could not be read: Label4 keeps its text
    std::vector<std::string> propiedades; // List2, cleared and refilled
    std::string label3;
};

class Controles {
public:
    Controles(vbide::VBE& vbe, int paginaCodigos) : vbe_(vbe), cp_(paginaCodigos) {}

    // List3: every project of the environment.
    std::vector<Elemento> Proyectos();
    // List0: the forms and designers of the project at `proyecto` (every component with a name
    // that is not a standard or class module, resource file or related document).
    std::vector<Elemento> Formularios(long proyecto);
    // Selecting a form or designer: the component `nombre` (List0's text) of the project at
    // `proyecto` gives the current designer, whose controls are returned (List1, by their
    // "Name"). A designer whose controls cannot be read lists none.
    std::vector<Elemento> SeleccionaFormulario(long proyecto, const std::string& nombre);
    // Selecting a control: the current designer's control at `posicion`, whose List1 text is
    // `texto`. A step that fails is skipped; an unreadable value shows as "No disponible".
    VistaControl SeleccionaControl(long posicion, const std::string& texto);

    // The clipboard report (CR LF line breaks, none at the end) for the control selected in
    // List1 (`control`, `posicion`) of the form or designer selected in List0 (`formulario`,
    // empty when none), with List2's lines. Nothing when no control is selected.
    std::optional<std::string> Informe(const std::string& control, long posicion,
                                       const std::string& formulario,
                                       const std::vector<std::string>& propiedades);

    bool HayDisenador() const { return actual_ != nullptr; }

private:
    std::string Texto(std::string_view bytes) const;
    std::string Bytes(const std::string& utf8) const;

    vbide::VBE& vbe_;
    int cp_;
    vbide::Designer* actual_ = nullptr; // the designer of the form last selected in List0
};

// A property line of List2: name, " =  " and the value.
std::string LineaPropiedad(std::string_view nombre, std::string_view valor);

} // namespace inspectors
