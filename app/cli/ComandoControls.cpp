// lintrap controls: the controls inspector's chain, down to the report its copy command makes.
#include "app/cli/Codigos.h"
#include "app/cli/Comandos.h"
#include "app/cli/Proyecto.h"
#include "app/cli/Salida.h"
#include "base/CodePage.h"
#include "ui/inspectors/Controles.h"

namespace cli {
namespace {

// The environment as the inspector sees it: the projects opened from the command line.
class EntornoGrupo : public vbide::VBE, vbide::VBProjects {
public:
    explicit EntornoGrupo(files::Group& g) : g_(g) {}
    vbide::VBProject* ActiveVBProject() override { return &g_.Active(); }
    vbide::VBProjects& VBProjects() override { return *this; }
    vbide::CommandBars* CommandBars() override { return nullptr; }
    vbide::Events* Events() override { return nullptr; }
    long Count() const override { return long(g_.Count()); }
    vbide::VBProject& Item(long i) override {
        if (i < 1 || i > Count())
            throw ErrorVB(vberr::SubscriptOutOfRange, "VBProjects",
                          "No existe el proyecto número " + std::to_string(i));
        return g_.At(std::size_t(i - 1));
    }
    long PosicionActivo() const {
        for (std::size_t i = 0; i < g_.Count(); ++i)
            if (&g_.At(i) == &g_.Active())
                return long(i + 1);
        return 1;
    }

private:
    files::Group& g_;
};

// Names typed on the command line match the listed ones ignoring case, in the project's code
// page.
bool Iguales(const std::string& listado, const std::string& pedido, int cp) {
    auto a = codepage::DesdeUtf8(listado, cp);
    auto b = codepage::DesdeUtf8(pedido, cp);
    return a && b ? codepage::IgualesSinCaso(*a, *b, cp) : listado == pedido;
}

const inspectors::Elemento* Busca(const std::vector<inspectors::Elemento>& lista,
                                  const std::string& texto, int cp) {
    for (const auto& e : lista)
        if (Iguales(e.texto, texto, cp))
            return &e;
    return nullptr;
}

// "Nombre" or, for a member of a control array, "Nombre(Indice)".
const inspectors::Elemento* BuscaControl(inspectors::Controles& inspector,
                                         const std::vector<inspectors::Elemento>& lista,
                                         const std::string& pedido, int cp) {
    std::string nombre = pedido;
    std::string indice;
    if (auto abre = pedido.find('('); abre != std::string::npos && pedido.back() == ')') {
        nombre = pedido.substr(0, abre);
        indice = pedido.substr(abre + 1, pedido.size() - abre - 2);
    }
    for (const auto& e : lista) {
        if (!Iguales(e.texto, nombre, cp))
            continue;
        if (indice.empty())
            return &e;
        for (const std::string& linea : inspector.SeleccionaControl(e.dato, e.texto).propiedades)
            if (linea == inspectors::LineaPropiedad("Index", indice))
                return &e;
    }
    return nullptr;
}

std::string UnoPorLinea(const std::vector<inspectors::Elemento>& lista) {
    std::string texto;
    for (const auto& e : lista)
        texto += e.texto + "\n";
    return texto;
}

} // namespace

int ComandoControls(const Opciones& o) {
    auto grupo = AbreProyecto(o);
    EntornoGrupo entorno(*grupo);
    const int cp = grupo->Active().CodePage();
    inspectors::Controles inspector(entorno, cp);
    const long proyecto = entorno.PosicionActivo();
    const auto formularios = inspector.Formularios(proyecto);
    if (!o.formulario) {
        Salida::Out(Salida::Visible(UnoPorLinea(formularios)));
        return Hecho;
    }
    const inspectors::Elemento* f = Busca(formularios, *o.formulario, cp);
    if (!f)
        throw ErrorVB(vberr::SubscriptOutOfRange, "lintrap",
                      o.proyecto + ": no hay ningún formulario ni diseñador \"" + *o.formulario +
                          "\"");
    const auto controles = inspector.SeleccionaFormulario(proyecto, f->texto);
    if (!o.control) {
        Salida::Out(Salida::Visible(UnoPorLinea(controles)));
        return Hecho;
    }
    const inspectors::Elemento* c = BuscaControl(inspector, controles, *o.control, cp);
    if (!c)
        throw ErrorVB(vberr::SubscriptOutOfRange, "lintrap",
                      o.proyecto + ": " + f->texto + " no tiene ningún control \"" + *o.control +
                          "\"");
    const auto vista = inspector.SeleccionaControl(c->dato, c->texto);
    Salida::Out(
        Salida::Visible(*inspector.Informe(c->texto, c->dato, f->texto, vista.propiedades)));
    return Hecho;
}

} // namespace cli
