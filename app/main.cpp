#include "app/cli/Principal.h"
#include "app/cli/Proyecto.h"
#include "base/plataforma/Consola.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

// Under the address sanitizer the program ends the ordinary way, so that its leak check still
// looks at every model the commands built.
#if defined(__SANITIZE_ADDRESS__)
#define LINTRAP_SANEADO 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LINTRAP_SANEADO 1
#endif
#endif

// The command works through a project module by module, each thread freeing one module's
// memory before taking the next. By default the allocator gives large blocks back to the system
// as soon as they are freed and takes them again for the next module, a fresh page fault per
// page every time; keeping them makes the second module onwards run in memory already mapped.
void TomaMemoriaUnaVez() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
#endif
}

int main(int argc, char** argv) {
    TomaMemoriaUnaVez();
    plataforma::PreparaConsola();
    const std::vector<std::string> argumentos = plataforma::ArgumentosUtf8(argc, argv);
    std::vector<const char*> punteros;
    for (const std::string& a : argumentos)
        punteros.push_back(a.c_str());
    punteros.push_back(nullptr);
    argv = nullptr; // from here on, only the UTF-8 arguments
#ifdef LINTRAP_SANEADO
    return cli::Principal(argc, punteros.data());
#else
    // Every file is written and closed by the time the command returns; what is left is
    // freeing the model, which the system does at once when the process ends. Only the output
    // still buffered needs flushing.
    cli::DejaAlSalir();
    int codigo = cli::Principal(argc, punteros.data());
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::_Exit(codigo);
#endif
}
