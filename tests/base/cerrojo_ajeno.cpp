// A second process for the lock tests: locks the file named by its argument, exclusively and
// waiting for it, says "bloqueado" on its output, and holds the lock until its input closes.

#include "base/plataforma/Archivo.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    int error = 0;
    plataforma::Archivo cerrojo = plataforma::Archivo::Cerrojo(argv[1], error);
    if (error != 0 || cerrojo.Bloquea(false, true) != 0) {
        return 1;
    }
    std::puts("bloqueado");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}
