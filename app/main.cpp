#include "app/cli/Principal.h"
#include "app/cli/Proyecto.h"

#include <cstdio>
#include <iostream>

// Under the address sanitizer the program ends the ordinary way, so that its leak check still
// looks at every model the commands built.
#if defined(__SANITIZE_ADDRESS__)
#define LINTRAP_SANEADO 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LINTRAP_SANEADO 1
#endif
#endif

int main(int argc, char** argv) {
#ifdef LINTRAP_SANEADO
    return cli::Principal(argc, argv);
#else
    // Every file is written and closed by the time the command returns; what is left is
    // freeing the model, which the system does at once when the process ends. Only the output
    // still buffered needs flushing.
    cli::DejaAlSalir();
    int codigo = cli::Principal(argc, argv);
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::_Exit(codigo);
#endif
}
