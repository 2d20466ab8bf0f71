#pragma once
// Running the built lintrap as a user would, and the temporary folders it works in.

#include "tests/support/Carpeta.h"

#include <filesystem>
#include <string>
#include <vector>

namespace prueba {

struct Resultado {
    int codigo = -1;
    std::string out;
    std::string err;
};

// Runs lintrap with these arguments; stdin is empty, stdout and stderr are not terminals.
Resultado Lintrap(const std::vector<std::string>& argumentos);

// A fresh temporary folder, removed with everything in it when the object goes.
using Carpeta = soporte::Carpeta;

std::string Lee(const std::filesystem::path& archivo);
void Escribe(const std::filesystem::path& archivo, const std::string& bytes);
// Every regular file under `carpeta`, by relative path, with its bytes.
std::vector<std::pair<std::string, std::string>> Contenido(const std::filesystem::path& carpeta);
// Copies the example project folder into `destino`.
std::filesystem::path CopiaEjemplo(const std::filesystem::path& destino);

} // namespace prueba
