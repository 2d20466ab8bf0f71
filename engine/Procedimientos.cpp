#include "engine/Procedimientos.h"

#include "ClsErrores/Convencion.h"
#include "engine/ExisteOnError.h"

#include <algorithm>

namespace engine {
namespace {

bool Listable(vbide::ComponentType tipo) {
    using T = vbide::ComponentType;
    return tipo == T::StdModule || tipo == T::ClassModule || tipo == T::MSForm ||
           tipo == T::VBForm || tipo == T::VBMDIForm;
}

bool Iguales(std::string_view a, std::string_view b, const Tabla& tabla) {
    return a.size() == b.size() && EmpiezaPor(a, b, tabla);
}

// `lista` in alphabetical order by the name `nombre(x)` of each entry.
template <class T, class Nombre>
std::vector<T> Ordena(std::vector<T> lista, int paginaCodigos, std::string_view idioma,
                      Nombre nombre) {
    std::vector<std::string_view> nombres;
    nombres.reserve(lista.size());
    for (const T& x : lista) {
        nombres.push_back(nombre(x));
    }
    std::vector<T> ordenada;
    ordenada.reserve(lista.size());
    for (std::size_t k : OrdenAlfabetico(nombres, paginaCodigos, idioma)) {
        ordenada.push_back(std::move(lista[k]));
    }
    return ordenada;
}

} // namespace

std::vector<std::string> ListaModulos(vbide::VBProject& proyecto, int paginaCodigos,
                                      std::string_view idioma) {
    std::vector<std::string> lista;
    auto& componentes = proyecto.VBComponents();
    for (long i = 1; i <= componentes.Count(); ++i) {
        auto& c = componentes.Item(i);
        if (Listable(c.Type())) {
            lista.push_back(c.Name());
        }
    }
    return Ordena(std::move(lista), paginaCodigos, idioma,
                  [](const std::string& n) { return std::string_view(n); });
}

std::vector<EntradaProcedimiento> ListaProcedimientos(vbide::CodeModule& m, int paginaCodigos,
                                                      Progreso& progreso, Estados estados,
                                                      std::string_view idioma) {
    const Tabla& tabla = codepage::TablaMinusculas(paginaCodigos);
    std::vector<EntradaProcedimiento> lista;
    long lineas = 0;
    PasoSinError([&] { lineas = m.CountOfLines(); });
    // A procedure begins where the owner of a line changes. Line 0 stands for the declarations,
    // so that a procedure on the module's first line is listed too.
    std::string este;
    for (long i = 0; i < lineas; ++i) {
        std::string siguiente;
        auto tipo = vbide::ProcKind::Proc;
        // A failed lookup leaves the owner as it was: no change.
        if (PasoSinError([&] { siguiente = m.ProcOfLine(i + 1, &tipo); }) &&
            !Iguales(siguiente, este, tabla)) {
            PasoSinError([&] {
                vbide::Member& miembro = m.Members().Item(siguiente);
                const auto tipoMiembro = miembro.Type();
                if (tipoMiembro != vbide::MemberType::Event &&
                    tipoMiembro != vbide::MemberType::Method) {
                    return;
                }
                EntradaProcedimiento fila;
                fila.nombre = siguiente;
                if (estados == Estados::Buscados) {
                    fila.manejo = ExisteOnError(m, miembro, tabla) ? Manejo::Con : Manejo::Sin;
                }
                lista.push_back(std::move(fila));
            });
            // Every line through the procedure's last has the same owner, so the owner cannot
            // change before the next procedure: its lines are passed by without asking. (Only
            // when the module places this very line in that range: a name given twice may
            // point at the other procedure.)
            long primera = 0;
            long cuantas = 0;
            if (PasoSinError([&] {
                    primera = m.ProcStartLine(siguiente, tipo);
                    cuantas = m.ProcCountLines(siguiente, tipo);
                }) &&
                primera <= i + 1 && i + 1 < primera + cuantas) {
                for (const long ultima = std::min(primera + cuantas - 1, lineas); i + 1 < ultima;
                     ++i) {
                    progreso.Valor(static_cast<double>(i) * 100.0 /
                                   static_cast<double>(lineas + 1));
                }
            }
            este = std::move(siguiente);
        }
        progreso.Valor(static_cast<double>(i) * 100.0 / static_cast<double>(lineas + 1));
    }
    // Sorted once at the end, equal names in the order found: what adding each row to a sorted
    // list gives, without moving the rows for every one added.
    return Ordena(std::move(lista), paginaCodigos, idioma,
                  [](const EntradaProcedimiento& e) { return std::string_view(e.nombre); });
}

ResultadoSeleccion SeleccionaModulo(vbide::VBProject& proyecto, EstadoSeleccion& estado,
                                    Progreso& progreso, Estados estados) {
    ResultadoSeleccion r;
    progreso.Muestra(true);
    progreso.RelojArena(true);
    estado.vistaModulo = true;
    estado.procedimientos.clear();
    estado.actual = -1;
    vbide::CodeModule* m = nullptr;
    if (PasoSinError([&] { m = &proyecto.VBComponents().Item(estado.modulo).CodeModule(); })) {
        r.encontrado = true;
        PasoSinError([&] { r.lineas = m->CountOfLines(); });
        estado.procedimientos =
            ListaProcedimientos(*m, estado.paginaCodigos, progreso, estados, estado.idioma);
    }
    progreso.Muestra(false);
    progreso.RelojArena(false);
    return r;
}

void ActualizaList3(vbide::VBProject& proyecto, EstadoSeleccion& estado) {
    Procedimiento("frmAddIn \\ ActualizaList3", [&] {
        const Tabla& tabla = codepage::TablaMinusculas(estado.paginaCodigos);
        vbide::CodeModule& m = proyecto.VBComponents().Item(estado.modulo).CodeModule();
        for (auto& fila : estado.procedimientos) {
            fila.manejo = Manejo::SinBuscar;
            fila.rehecho = true;
        }
        for (auto& fila : estado.procedimientos) {
            vbide::Member& miembro = m.Members().Item(fila.nombre);
            fila.manejo = ExisteOnError(m, miembro, tabla) ? Manejo::Con : Manejo::Sin;
        }
    });
}

std::vector<std::string> CargaEstado(vbide::VBProject& proyecto, EstadoSeleccion& estado,
                                     Progreso& progreso, const std::string& modulo) {
    const Tabla& tabla = codepage::TablaMinusculas(estado.paginaCodigos);
    estado.modo = Modo::Option1;
    estado.variante = Variante::OptExit;
    std::vector<std::string> modulos = ListaModulos(proyecto, estado.paginaCodigos, estado.idioma);
    if (!modulos.empty()) {
        estado.modulo = modulos.front();
        for (const auto& nombre : modulos) {
            if (!modulo.empty() && Iguales(nombre, modulo, tabla)) {
                estado.modulo = nombre;
                break;
            }
        }
        SeleccionaModulo(proyecto, estado, progreso);
    }
    estado.ajustes.Restablece();
    return modulos;
}

} // namespace engine
