#pragma once
// What the command line asked for, after parsing and before any file is read.

#include "engine/EstadoSeleccion.h"

#include <optional>
#include <string>
#include <vector>

namespace cli {

enum class Comando {
    List,
    Insert,
    Remove,
    Save,
    Check,
    Report,
    View,
    Callers,
    Refs,
    Controls,
    Config
};

// How check writes what it found.
enum class FormatoCheck { Texto, Json, Sarif, Msbuild };

struct Opciones {
    Comando comando = Comando::List;
    std::string proyecto;
    int codepage = 1252;
    bool json = false;
    unsigned hilos = 0; // 0: every core
    // A code file the project names but that is not there: the command works on what loaded
    // instead of stopping.
    bool saltaFaltantes = false;
    double espera = 0;           // --wait: seconds to wait for another run to let the project go
    bool descartaDiario = false; // --discard-journal: drop a pending save's journal

    // list
    bool nombres = false;

    // list, check, insert, remove, view: the modules (list and view take one)
    std::vector<std::string> modulos;
    bool todosModulos = false;

    // insert, remove; view takes one
    engine::Modo modo = engine::Modo::Option1;             // --mode, as the main window's options
    engine::Variante variante = engine::Variante::OptExit; // --variant
    std::vector<std::string> procs;
    bool todos = false;
    bool simulacro = false;   // --dry-run
    std::string destino;      // --out: write a copy there and leave the sources alone
    bool sobrescribe = false; // --force: files already in the --out folder may be replaced

    // insert, config: the pending settings written into clsErrores
    std::optional<std::string> email;
    std::optional<std::string> mensaje;
    bool sinLog = false;
    bool conLog = false;   // config --log: back on
    bool sinEmail = false; // config --no-email: the address is kept, the offer goes

    // check
    FormatoCheck formato = FormatoCheck::Texto; // --format; --json is --format json
    bool sinNumeros = false; // --no-numbers: only the procedures that carry line numbers

    // report
    bool corto = false;

    // callers: the module (in `modulos`) and procedure (in `procs`) shown in the code view;
    // controls: the form or designer, and one of its controls
    std::optional<std::string> formulario;
    std::optional<std::string> control;
};

} // namespace cli
