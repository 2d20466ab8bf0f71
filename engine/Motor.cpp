#include "engine/Motor.h"

#include "ClsErrores/Convencion.h"
#include "ClsErrores/ErrorVB.h"
#include "engine/Bloques.h"
#include "engine/ExisteOnError.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace engine {
namespace {

constexpr auto Proc = vbide::ProcKind::Proc;

// Lines that neither mode touches: comments, continued lines, declarations, error statements,
// Select Case blocks, labels and directives.
bool SePasaPorAlto(std::string_view t, std::string_view anterior, const Tabla& tabla) {
    return EsComentario(t) || TerminaEn(anterior, '_') || EmpiezaPor(t, "Dim", tabla) ||
           EmpiezaPor(t, "On Error", tabla) || EmpiezaPor(t, "Select Case", tabla) ||
           EmpiezaPor(t, "Case", tabla) || EmpiezaPor(t, "end select", tabla) ||
           TerminaEn(t, ':') || EmpiezaPor(t, "#", tabla);
}

} // namespace

Motor::Motor(EstadoSeleccion& estado, Progreso& progreso, Instalacion* instalacion)
    : estado_(estado), progreso_(progreso), instalacion_(instalacion),
      tabla_(codepage::TablaMinusculas(estado.paginaCodigos)) {}

const std::string& Motor::NombreEn(int index) const {
    if (index < 0 || index >= static_cast<int>(estado_.procedimientos.size())) {
        throw ErrorVB(vberr::SubscriptOutOfRange, "Lintrap",
                      "El subíndice está fuera del intervalo (procedimiento " +
                          std::to_string(index) + ")");
    }
    return estado_.procedimientos[static_cast<std::size_t>(index)].nombre;
}

bool Motor::MismoNombre(std::string_view a, std::string_view b) const {
    if (a.size() != b.size()) {
        return false;
    }
    return EmpiezaPor(a, b, tabla_);
}

bool Motor::ExisteOnError(vbide::CodeModule& m, vbide::Member& miembro) {
    return engine::ExisteOnError(m, miembro, tabla_);
}

// The procedure's lines run from its start line for its count of lines. The walk keeps that
// range up to date with the lines each step adds or deletes, instead of asking the module who
// owns every line: the answer is the same and the module is not rescanned line by line.
void Motor::Recorre(vbide::CodeModule& m, const std::string& nombre,
                    const std::function<void(long&)>& paso) {
    long L = m.ProcStartLine(nombre, Proc);
    if (!MismoNombre(m.ProcOfLine(L), nombre)) {
        return;
    }
    long fin = L + m.ProcCountLines(nombre, Proc) - 1;
    long total = m.CountOfLines();
    while (true) {
        paso(L);
        const long ahora = m.CountOfLines();
        fin += ahora - total;
        total = ahora;
        ++L;
        if (L > total || L > fin) {
            return;
        }
    }
}

std::vector<int> Motor::OrdenEnModulo(vbide::CodeModule& m) const {
    const int cuantos = static_cast<int>(estado_.procedimientos.size());
    std::vector<std::pair<long, int>> claves;
    claves.reserve(static_cast<std::size_t>(cuantos));
    for (int i = 0; i < cuantos; ++i) {
        long inicio = std::numeric_limits<long>::max();
        ResumeNext([&] {
            inicio =
                m.ProcStartLine(estado_.procedimientos[static_cast<std::size_t>(i)].nombre, Proc);
        });
        claves.emplace_back(inicio, i);
    }
    std::stable_sort(claves.begin(), claves.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<int> orden;
    orden.reserve(claves.size());
    for (const auto& c : claves) {
        orden.push_back(c.second);
    }
    return orden;
}

void Motor::Insertar(vbide::CodeModule& m, int& index) {
    Procedimiento("frmAddIn \\ Insertar", [&] {
        if (estado_.modo == Modo::Option3) {
            AddResumeNext(m, index);
            return;
        }
        const std::string nombre = NombreEn(index);
        vbide::Member& miembro = m.Members().Item(nombre);
        if (estado_.modo == Modo::Option1 || !ExisteOnError(m, miembro)) {
            Recorre(m, nombre, [&](long& L) { InsertaLinea(m, L); });
            // Once the project has the class it keeps it for the rest of the command: asking
            // again after every procedure would go through all the components each time.
            if (estado_.modo == Modo::Option2 && instalacion_ != nullptr && !conClase_ &&
                !(conClase_ = instalacion_->YaExisteCls())) {
                instalacion_->AddModulos();
            }
        }
    });
}

// Every line is read as a view into the module: no copy per line. A view dies at the module's
// next edit, so each step builds its new text before making the edit.
void Motor::InsertaLinea(vbide::CodeModule& m, long& L) {
    std::string_view linea;
    std::string_view encima;
    ResumeNext([&] { linea = m.Line(L); });
    if (L > 1) {
        ResumeNext([&] { encima = m.Line(L - 1); });
    }
    const std::string_view t = Recorta(linea);
    const std::string_view p = Recorta(encima);

    // A run of blank lines collapses to one. Only a line really deleted moves L back: a failed
    // deletion would otherwise bring the walk back to the same line for ever.
    if (t.empty()) {
        if (p.empty() && ResumeNext([&] { m.DeleteLines(L, 1); })) {
            --L;
        }
        return;
    }
    if (SePasaPorAlto(t, p, tabla_)) {
        return;
    }

    if (estado_.modo == Modo::Option2) {
        if (EsCabecera(t, tabla_)) {
            std::string modulo;
            std::string procedimiento;
            ResumeNext([&] { modulo = m.Name(); });
            ResumeNext([&] { procedimiento = m.ProcOfLine(L); });
            // The block goes after the header's last continuation line. A header still
            // continued on the module's last line has no body to guard: nothing is inserted.
            const long total = m.CountOfLines();
            std::string_view cabecera = linea;
            while (TerminaEn(Recorta(cabecera), '_')) {
                if (L >= total) {
                    return;
                }
                ++L;
                ResumeNext([&] { cabecera = m.Line(L); });
            }
            ++L;
            if (ResumeNext([&] { m.InsertLines(L, BloqueOnError(modulo, procedimiento)); })) {
                L += 4;
            } else {
                --L;
            }
            return;
        }
        std::string_view salida;
        if (EmpiezaPor(t, "End Sub", tabla_)) {
            salida = "EXIT SUB";
        } else if (EmpiezaPor(t, "End Function", tabla_)) {
            salida = "EXIT FUNCTION";
        } else if (EmpiezaPor(t, "End Property", tabla_)) {
            salida = "EXIT PROPERTY";
        }
        if (!salida.empty()) {
            const Variante variante = estado_.variante;
            if (ResumeNext([&] { m.InsertLines(L, BloqueManejoError(variante, salida)); })) {
                L += LineasManejoError(variante);
            }
            return;
        }
        const std::string_view sentencia = SinNumeroDeLinea(t);
        for (std::string_view salir : {"Exit Sub", "Exit Function", "Exit Property"}) {
            if (EmpiezaPor(sentencia, salir, tabla_)) {
                const std::string nueva = ReemplazaTodo(linea, salir, "GOTO Salir", tabla_);
                ResumeNext([&] { m.ReplaceLine(L, nueva); });
                break;
            }
        }
        return;
    }

    if (estado_.modo == Modo::Option1) {
        // A line numbered before is numbered again, without its old number nor indentation.
        std::string_view cuerpo = linea;
        if (EsDigito(t.front())) {
            cuerpo = SinNumeroDeLinea(cuerpo);
        }
        if (SinNumero(t, tabla_)) {
            return;
        }
        // "570 " and the line, built in a buffer kept from line to line
        char numero[24];
        const auto fin = std::to_chars(numero, numero + sizeof numero, L * 10).ptr;
        nueva_.assign(numero, fin);
        nueva_ += ' ';
        nueva_ += cuerpo;
        ResumeNext([&] { m.ReplaceLine(L, nueva_); });
    }
}

} // namespace engine
