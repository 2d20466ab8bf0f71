#pragma once
// Exit codes of lintrap, stable for scripts and CI.

namespace cli {

enum Codigo : int {
    Hecho = 0,        // the command did its work
    Hallazgos = 1,    // check found something to report
    ErrorEntrada = 2, // bad usage or input; the message names what and where
};

} // namespace cli
