#include "engine/Motor.h"

#include "ClsErrores/Convencion.h"
#include "base/ErrorVB.h"
#include "engine/Bloques.h"
#include "engine/Etiquetas.h"
#include "engine/ExisteOnError.h"
#include "engine/Recorrido.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace engine {
namespace {

constexpr auto Proc = vbide::ProcKind::Proc;

} // namespace

Motor::Motor(EstadoSeleccion& estado, Progreso& progreso, Dialogos& dialogos,
             Instalacion* instalacion)
    : estado_(estado), progreso_(progreso), dialogos_(dialogos), instalacion_(instalacion),
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

void Motor::Prepara(vbide::CodeModule& m, const std::string& nombre, long inicio, long cuantas) {
    actual_ = Analiza(m, inicio, inicio + cuantas - 1, tabla_, Lectura());
    nombreActual_ = nombre;
}

bool Motor::PreparaSinOnError(vbide::CodeModule& m, const std::string& nombre, long& inicio) {
    vbide::Member& miembro = m.Members().Item(nombre);
    std::string comoMiembro;
    long primera = 0;
    long cuantas = 0;
    const bool mira = LineasDeOnError(m, miembro, comoMiembro, primera, cuantas);
    if (mira && comoMiembro == nombre) {
        // The module asked the same questions gives the same answers: the lines just read are
        // the procedure's, and the reading for the walk looks for "On Error" as it goes, where
        // a pass of its own would read every line once more.
        inicio = primera;
        Prepara(m, nombre, inicio, cuantas);
        if (actual_.conOnError) {
            actual_ = {};
            return false;
        }
        return true;
    }
    if (mira && OnErrorEntre(m, primera, cuantas, tabla_)) {
        return false;
    }
    inicio = m.ProcStartLine(nombre, Proc);
    Prepara(m, nombre, inicio, m.ProcCountLines(nombre, Proc));
    return true;
}

Lectura Motor::Lectura() const {
    return estado_.modo == Modo::Option1 ? engine::Lectura::Numeros : engine::Lectura::Bloques;
}

bool Motor::SeDeja(vbide::CodeModule& m) {
    if (actual_.unaLinea != 0) {
        Avisa(Motivo::UnaLinea, actual_.unaLinea);
        return true;
    }
    if (estado_.modo != Modo::Option2) {
        return false;
    }
    // Its removal would stop at that marker: a new block must not go in that it could not take
    // out again.
    if (actual_.marcaSinFin != 0) {
        Avisa(Motivo::MarcaSinFin, actual_.marcaSinFin);
        return true;
    }
    // A procedure that holds our ManejoError block already has its handler, even where no
    // OnError block goes with it (a header the rules do not know): a second would define its
    // labels again.
    if (actual_.conManejo) {
        return true;
    }
    // The ManejoError block goes in front of the end line, and defines Salir: and lblError:
    if (!actual_.conFin) {
        if (actual_.finEnLinea != 0) {
            Avisa(Motivo::FinEnLinea, actual_.finEnLinea);
        } else {
            Avisa(Motivo::SinFin, actual_.cabecera);
        }
        return true;
    }
    if (actual_.etiquetaPropia != 0) {
        Avisa(Motivo::EtiquetaPropia, actual_.etiquetaPropia, actual_.nombreEtiqueta);
        return true;
    }
    // The Push line names the module and the procedure: it must stay one statement.
    std::string modulo;
    long cabecera = 0;
    PasoSinError([&] { modulo = m.Name(); });
    PasoSinError([&] { cabecera = m.ProcBodyLine(nombreActual_, vbide::ProcKind::Proc); });
    if (auto aviso = NombresDelBloque(modulo, nombreActual_, cabecera)) {
        avisos_.push_back(std::move(*aviso));
        return true;
    }
    return false;
}

void Motor::Avisa(Motivo motivo, long linea, std::string detalle) {
    avisos_.push_back({nombreActual_, motivo, linea, std::move(detalle)});
}

bool Motor::ExisteOnError(vbide::CodeModule& m, vbide::Member& miembro) {
    return engine::ExisteOnError(m, miembro, tabla_);
}

std::vector<int> Motor::OrdenEnModulo(vbide::CodeModule& m) const {
    const int cuantos = static_cast<int>(estado_.procedimientos.size());
    std::vector<std::pair<long, int>> claves;
    claves.reserve(static_cast<std::size_t>(cuantos));
    for (int i = 0; i < cuantos; ++i) {
        long inicio = std::numeric_limits<long>::max();
        PasoSinError([&] {
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

void Motor::Insertar(vbide::CodeModule& m, int index) {
    Procedimiento("frmAddIn \\ Insertar", [&] {
        if (estado_.modo == Modo::Option3) {
            AddResumeNext(m, index);
            return;
        }
        // A reference into the list: nothing below changes the list before the walk ends.
        const std::string& nombre = NombreEn(index);
        actual_ = {};
        long inicio = 0;
        if (estado_.modo == Modo::Option1) {
            // Numbering needs no member, so none is looked up. Where the module has no
            // procedure of that name the member lookup would have failed first, and its error
            // is the one reported: every procedure of a module is one of its members, so the
            // lookup fails only where the start line did.
            try {
                inicio = m.ProcStartLine(nombre, Proc);
            } catch (...) {
                m.Members().Item(nombre);
                throw;
            }
            Prepara(m, nombre, inicio, m.ProcCountLines(nombre, Proc));
            // The header as the module reads it: a header spelled in a way the rules do not
            // know ("Public  Sub") would otherwise get a number and stop being a header.
            PasoSinError([&] { actual_.cabecera = m.ProcBodyLine(nombre, Proc); });
        } else if (!PreparaSinOnError(m, nombre, inicio)) {
            return;
        }
        if (SeDeja(m)) {
            actual_ = {};
            return;
        }
        siguiente_ = 0;
        Recorre(m, nombre, inicio, [&](long& L) { InsertaLinea(m, L); });
        siguiente_ = 0;
        actual_ = {};
        // Once the project has the class it keeps it for the rest of the command: asking
        // again after every procedure would go through all the components each time.
        if (estado_.modo == Modo::Option2 && instalacion_ != nullptr && !conClase_ &&
            !(conClase_ = instalacion_->YaExisteCls())) {
            instalacion_->AddModulos();
        }
    });
}

Motor::Final Motor::LeeEncima(vbide::CodeModule& m, long L) const {
    std::string_view linea;
    if (L > 1) {
        PasoSinError([&] { linea = m.Line(L - 1); });
    }
    // only its end counts (blank, or going on): its indentation is left be
    while (!linea.empty() && linea.back() == ' ') {
        linea.remove_suffix(1);
    }
    return {linea.empty(), Continua(linea)};
}

// Every line is read as a view into the module: no copy per line. A view dies at the module's
// next edit, so each step builds its new text before making the edit.
void Motor::InsertaLinea(vbide::CodeModule& m, long& L) {
    std::string_view linea;
    PasoSinError([&] { linea = m.Line(L); });
    const std::string_view t = Recorta(linea);
    const Final encima = Encima(m, L);
    // Numbering's next step has this line above it, unless this step deletes it.
    if (estado_.modo == Modo::Option1) {
        Leida(L, t);
    }

    // A run of blank lines collapses to one. Only a line really deleted moves L back: a failed
    // deletion would otherwise bring the walk back to the same line for ever.
    if (t.empty()) {
        if (encima.vacia && PasoSinError([&] { m.DeleteLines(L, 1); })) {
            --L;
        }
        return;
    }
    if (SePasaPorAlto(t, encima.sigue, tabla_)) {
        return;
    }

    if (estado_.modo == Modo::Option2) {
        if (EsCabecera(t, tabla_)) {
            std::string modulo;
            std::string procedimiento;
            PasoSinError([&] { modulo = m.Name(); });
            PasoSinError([&] { procedimiento = m.ProcOfLine(L); });
            // The block goes after the header's last continuation line. A header still
            // continued on the module's last line has no body to guard: nothing is inserted.
            const long total = m.CountOfLines();
            std::string_view cabecera = linea;
            while (Continua(Recorta(cabecera))) {
                if (L >= total) {
                    return;
                }
                ++L;
                PasoSinError([&] { cabecera = m.Line(L); });
            }
            ++L;
            if (PasoSinError([&] { m.InsertLines(L, BloqueOnError(modulo, procedimiento)); })) {
                L += 4;
            } else {
                --L;
            }
            return;
        }
        // An end line with a number of the user's in front is an end line all the same.
        const std::string_view sentencia = SinNumeroDeLinea(t);
        // End and Exit share their first letter: most statements stop at it.
        if (sentencia.empty() ||
            tabla_[static_cast<unsigned char>(sentencia.front())] != tabla_['E']) {
            return;
        }
        std::string_view salida;
        if (EmpiezaPor(sentencia, "End Sub", tabla_)) {
            salida = "EXIT SUB";
        } else if (EmpiezaPor(sentencia, "End Function", tabla_)) {
            salida = "EXIT FUNCTION";
        } else if (EmpiezaPor(sentencia, "End Property", tabla_)) {
            salida = "EXIT PROPERTY";
        }
        if (!salida.empty()) {
            const Variante variante = estado_.variante;
            if (PasoSinError([&] { m.InsertLines(L, BloqueManejoError(variante, salida)); })) {
                L += LineasManejoError(variante);
            }
            return;
        }
        // Only the statement that starts the line: the same words further on may be text of
        // a string or a comment.
        for (std::string_view salir : {"Exit Sub", "Exit Function", "Exit Property"}) {
            if (EmpiezaPor(sentencia, salir, tabla_)) {
                const std::string nueva = Sustituye(linea, sentencia, salir.size(), "GOTO Salir");
                PasoSinError([&] { m.ReplaceLine(L, nueva); });
                break;
            }
        }
        return;
    }

    if (estado_.modo == Modo::Option1) {
        // A line numbered before is numbered again: its old number and the one space after it
        // go, the indentation in front of it and the rest of the line stay. A number the code
        // jumps to, or one alone on its line, is the user's label: it stays as it is.
        std::string_view cuerpo = linea;
        if (EsDigito(t.front())) {
            const NumeroDeLinea viejo = NumeroAlPrincipio(linea);
            if (actual_.Salta(viejo.numero) || SoloNumero(t)) {
                return;
            }
            resto_.assign(linea.substr(0, static_cast<std::size_t>(t.data() - linea.data())));
            resto_ += linea.substr(viejo.fin);
            cuerpo = resto_;
        }
        if (L == actual_.cabecera || SinNumero(t, tabla_)) {
            return;
        }
        // "570 " and the line, built in a buffer kept from line to line
        char numero[24];
        char* const fin = std::to_chars(numero, numero + sizeof numero - 1, L * 10).ptr;
        const std::string_view nuevo(numero, static_cast<std::size_t>(fin - numero));
        // A new number never takes a label of the procedure: that line stays without one.
        if (actual_.Ocupado(nuevo)) {
            Avisa(Motivo::NumeroOcupado, L, std::string(nuevo));
            if (cuerpo.data() != linea.data()) {
                PasoSinError([&] { m.ReplaceLine(L, resto_); });
            }
            return;
        }
        *fin = ' ';
        nueva_.assign(numero, nuevo.size() + 1).append(cuerpo);
        PasoSinError([&] { m.ReplaceLine(L, nueva_); });
    }
}

} // namespace engine
