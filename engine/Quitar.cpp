#include "ClsErrores/Convencion.h"
#include "engine/Bloques.h"
#include "engine/Etiquetas.h"
#include "engine/Motor.h"
#include "engine/Recorrido.h"

namespace engine {
namespace {

constexpr auto Proc = vbide::ProcKind::Proc;

// A block marker is a comment line (a leading number aside) that holds the key. A statement
// that merely mentions the key is the user's code, not a marker.
bool EsMarca(std::string_view linea, std::string_view clave, const Tabla& tabla) {
    const std::string_view t = SinNumeroDeLinea(linea);
    return EsComentario(t) && Contiene(t, clave, tabla);
}

// The exit statement of the procedure kind named first in its header: "Sub", "Function" or
// "Property", whichever occurs first (a Function called SubTotal is a Function).
std::string_view SalidaDeCabecera(std::string_view cabecera, const Tabla& tabla) {
    std::string_view salida;
    std::size_t primera = std::string_view::npos;
    const std::pair<std::string_view, std::string_view> tipos[] = {
        {"Sub", "Exit Sub"}, {"Function", "Exit Function"}, {"Property", "Exit Property"}};
    for (const auto& [palabra, exit] : tipos) {
        const auto p = Busca(cabecera, palabra, tabla);
        if (p < primera) {
            primera = p;
            salida = exit;
        }
    }
    return salida;
}

} // namespace

long Motor::BuscaFin(vbide::CodeModule& m, long inicio, bool& manejo) {
    long fin = 0;
    Procedimiento("frmAddIn \\ BuscaFin", [&] {
        const std::string_view clave = manejo ? ClaveFinManejoError : ClaveFinOnError;
        // The search stops at the end line of the procedure that holds the start marker: an
        // end marker further down belongs to another procedure's block. Without one before
        // it, nothing is to be deleted.
        auto tipo = Proc;
        const std::string nombre = m.ProcOfLine(inicio, &tipo);
        if (nombre.empty()) {
            return;
        }
        const long hasta = m.ProcStartLine(nombre, tipo) + m.ProcCountLines(nombre, tipo) - 1;
        for (long l = inicio + 1; l <= hasta; ++l) {
            if (EsMarca(m.Line(l), clave, tabla_)) {
                fin = l;
                return;
            }
        }
    });
    return fin;
}

// Lines are read as views into the module (see InsertaLinea): the new text is built before
// the edit.
void Motor::QuitaLinea(vbide::CodeModule& m, long& L) {
    std::string_view linea;
    PasoSinError([&] { linea = m.Line(L); });
    const std::string_view t = Recorta(linea);

    if (estado_.modo == Modo::Option1) {
        const Final encima = Encima(m, L);
        Leida(L, t); // the next step has this line above it
        const std::string_view numero = NumeroQueQuita(t);
        // A continued line keeps its leading number: there it is part of the statement.
        if (numero.empty() || encima.sigue) {
            return;
        }
        // A number the code jumps to is the user's label, not one of ours.
        if (EsDigito(t.front()) && actual_.Salta(NumeroAlPrincipio(linea).numero)) {
            return;
        }
        // the line without the first occurrence of the number, built in a buffer kept from line
        // to line. That occurrence is where the trimmed text starts: only spaces stand before
        // it, and the number does not begin with one.
        const std::size_t donde = static_cast<std::size_t>(t.data() - linea.data());
        nueva_.assign(linea.substr(0, donde));
        nueva_ += linea.substr(donde + numero.size());
        PasoSinError([&] { m.ReplaceLine(L, nueva_); });
        return;
    }

    if (estado_.modo != Modo::Option2) {
        return;
    }
    const std::string_view sentencia = SinNumeroDeLinea(t);
    // Only where our ManejoError block defines Salir: elsewhere the jump goes to the user's
    // own label, and runs the user's cleanup.
    if (EmpiezaPor(sentencia, "GOTO Salir", tabla_)) {
        if (!actual_.conManejo) {
            return;
        }
        std::string procedimiento;
        std::string cabecera;
        PasoSinError([&] { procedimiento = m.ProcOfLine(L); });
        PasoSinError([&] { cabecera = m.Line(m.ProcBodyLine(procedimiento, Proc)); });
        cabecera = std::string(Recorta(cabecera));
        QuitaComents(cabecera);
        // Without a header to tell the kind (a property's line, say) the line stays as it is.
        // Only the statement that starts the line goes back: the same words further on are
        // the user's text.
        const std::string_view salida = SalidaDeCabecera(cabecera, tabla_);
        if (!salida.empty()) {
            const std::string nueva =
                Sustituye(linea, sentencia, std::string_view("GOTO Salir").size(), salida);
            PasoSinError([&] { m.ReplaceLine(L, nueva); });
        }
        return;
    }

    // A start marker: the statement, without a further leading number, is a comment that holds
    // a start key (the number goes twice, as the marker test takes one off the statement).
    const std::string_view marca = SinNumeroDeLinea(sentencia);
    if (!EsComentario(marca)) {
        return;
    }
    bool manejo = false;
    if (Contiene(marca, ClaveInicioOnError, tabla_)) {
        manejo = false;
    } else if (Contiene(marca, ClaveInicioManejoError, tabla_)) {
        manejo = true;
    } else {
        return;
    }
    const long fin = BuscaFin(m, L, manejo);
    if (fin > L && PasoSinError([&] { m.DeleteLines(L, fin - L + 1); })) {
        --L;
    }
}

bool Motor::SinFinDeBloque() {
    if (estado_.modo != Modo::Option2 || actual_.marcaSinFin == 0) {
        return false;
    }
    Avisa(Motivo::MarcaSinFin, actual_.marcaSinFin);
    return true;
}

long Motor::FinDelProcedimiento(vbide::CodeModule& m, long L) {
    std::string nombre;
    auto tipo = Proc;
    long inicio = 0;
    long cuantas = 0;
    if (!PasoSinError([&] { nombre = m.ProcOfLine(L, &tipo); }) || nombre.empty() ||
        !PasoSinError([&] {
            inicio = m.ProcStartLine(nombre, tipo);
            cuantas = m.ProcCountLines(nombre, tipo);
        }) ||
        inicio > L || L > inicio + cuantas - 1) {
        // a line the module places in no procedure it can tell: taken on its own
        actual_ = Analiza(m, L, L, tabla_, Lectura());
        nombreActual_ = nombre;
        return L;
    }
    Prepara(m, nombre, L, inicio + cuantas - L);
    return inicio + cuantas - 1;
}

bool Motor::QuitaCodigo(vbide::CodeModule& m) {
    bool seleccion = true;
    actual_ = {};
    siguiente_ = 0;
    progreso_.Muestra(true);
    progreso_.RelojArena(true);
    Procedimiento("frmAddIn \\ QuitaCodigo", [&] {
        const int cuantos = static_cast<int>(estado_.procedimientos.size());
        if (!estado_.Check1) {
            if (estado_.SelCount() < 1) {
                Muestra(dialogos_, Mensaje::NingunoSeleccionado);
                seleccion = false;
                return;
            }
            const std::vector<int> orden = OrdenEnModulo(m);
            for (int k = 0; k < cuantos; ++k) {
                const int i = orden[static_cast<std::size_t>(k)];
                if (estado_.procedimientos[static_cast<std::size_t>(i)].seleccionado) {
                    if (estado_.modo == Modo::Option3) {
                        int index = i;
                        QuitaResumeNext(m, index);
                    } else {
                        const std::string& nombre = NombreEn(i);
                        const long inicio = m.ProcStartLine(nombre, Proc);
                        Prepara(m, nombre, inicio, m.ProcCountLines(nombre, Proc));
                        if (!SinFinDeBloque()) {
                            Recorre(m, nombre, inicio, [&](long& L) { QuitaLinea(m, L); });
                        }
                        actual_ = {};
                    }
                }
                progreso_.Valor((k * 100 + 1) / cuantos);
            }
            return;
        }
        const long total = m.CountOfLines();
        if (total < 1 || total < m.CountOfDeclarationLines() + 2) {
            return;
        }
        if (estado_.modo == Modo::Option3) {
            for (int i = 0; i < cuantos; ++i) {
                int index = i;
                QuitaResumeNext(m, index);
            }
            return;
        }
        // Every line below the declarations, whichever procedure it belongs to, one
        // procedure after another: each is read first for its labels and its block.
        for (long L = m.CountOfDeclarationLines() + 1; L <= m.CountOfLines();) {
            long fin = FinDelProcedimiento(m, L);
            if (SinFinDeBloque()) {
                L = fin + 1;
                actual_ = {};
                continue;
            }
            long total = m.CountOfLines();
            while (L <= fin && L <= total) {
                QuitaLinea(m, L);
                ++L;
                const long ahora = m.CountOfLines();
                fin += ahora - total;
                total = ahora;
                progreso_.Valor(static_cast<double>((L * 100) / (total + 1)));
            }
            actual_ = {};
        }
    });
    siguiente_ = 0;
    progreso_.Muestra(false);
    progreso_.RelojArena(false);
    return seleccion;
}

} // namespace engine
