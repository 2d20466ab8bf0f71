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

// Case-insensitive order of a sorted list box; an equal name goes after the ones there.
bool Antes(std::string_view a, std::string_view b, const Tabla& tabla) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) {
            return tabla[static_cast<unsigned char>(x)] < tabla[static_cast<unsigned char>(y)];
        });
}

bool Iguales(std::string_view a, std::string_view b, const Tabla& tabla) {
    return a.size() == b.size() && EmpiezaPor(a, b, tabla);
}

} // namespace

std::vector<std::string> ListaModulos(vbide::VBProject& proyecto, int paginaCodigos) {
    const Tabla& tabla = codepage::TablaMinusculas(paginaCodigos);
    std::vector<std::string> lista;
    auto& componentes = proyecto.VBComponents();
    for (long i = 1; i <= componentes.Count(); ++i) {
        auto& c = componentes.Item(i);
        if (Listable(c.Type())) {
            lista.push_back(c.Name());
        }
    }
    std::stable_sort(lista.begin(), lista.end(), [&](const std::string& a, const std::string& b) {
        return Antes(a, b, tabla);
    });
    return lista;
}

std::vector<EntradaProcedimiento> ListaProcedimientos(vbide::CodeModule& m, int paginaCodigos,
                                                      Progreso& progreso, Estados estados) {
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
                    fila.estado =
                        std::string(ExisteOnError(m, miembro, tabla) ? ConManejo : SinManejo);
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
    // list gives, without moving the rows for every one added. Each name is folded once, and
    // the folded bytes compare as Antes compares the names (unsigned, shorter first on a tie).
    std::vector<std::pair<std::string, std::size_t>> claves;
    claves.reserve(lista.size());
    for (std::size_t k = 0; k < lista.size(); ++k) {
        std::string plegado(lista[k].nombre);
        for (char& c : plegado) {
            c = static_cast<char>(tabla[static_cast<unsigned char>(c)]);
        }
        claves.emplace_back(std::move(plegado), k);
    }
    std::stable_sort(claves.begin(), claves.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<EntradaProcedimiento> ordenada;
    ordenada.reserve(lista.size());
    for (const auto& clave : claves) {
        ordenada.push_back(std::move(lista[clave.second]));
    }
    return ordenada;
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
        estado.procedimientos = ListaProcedimientos(*m, estado.paginaCodigos, progreso, estados);
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
            fila.estado.clear();
        }
        for (auto& fila : estado.procedimientos) {
            vbide::Member& miembro = m.Members().Item(fila.nombre);
            fila.estado =
                std::string(ExisteOnError(m, miembro, tabla) ? ConManejoSinAcento : SinManejo);
        }
    });
}

std::vector<std::string> CargaEstado(vbide::VBProject& proyecto, EstadoSeleccion& estado,
                                     Progreso& progreso, const std::string& modulo) {
    const Tabla& tabla = codepage::TablaMinusculas(estado.paginaCodigos);
    estado.modo = Modo::Option1;
    estado.variante = Variante::OptExit;
    std::vector<std::string> modulos = ListaModulos(proyecto, estado.paginaCodigos);
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
