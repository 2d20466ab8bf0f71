#pragma once
// What the reliability tests share: temporary folders, a folder's exact state (bytes and
// modification times), and running the built lintrap.

#include "tests/support/Carpeta.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace apoyo {

std::string Lee(const std::filesystem::path& ruta);
void Escribe(const std::filesystem::path& ruta, const std::string& bytes);
// LF line ends of a test's text turned into CR LF, as VB6 writes them.
std::string Crlf(std::string_view texto);
// Where the malformed inputs live.
std::filesystem::path Malos();

// A folder of its own under the system's temporary folder, removed with all it holds.
using Carpeta = soporte::Carpeta;

struct Archivo {
    std::string bytes;
    std::int64_t mtimeNs = 0;
    bool operator==(const Archivo&) const = default;
};
// Every entry under `carpeta` by relative path: files with bytes and times, folders empty.
std::map<std::string, Archivo> Foto(const std::filesystem::path& carpeta);

struct Resultado {
    int codigo = -1;     // the exit code, or 128 + the signal that ended the process
    bool muerto = false; // ended by a signal, not by an exit of its own
    std::string out;
    std::string err;
};
// Runs the built lintrap with these arguments, standard input empty.
Resultado Lintrap(const std::vector<std::string>& argumentos);

// The built lintrap started without waiting for it; Espera() gives its result.
class EnMarcha {
public:
    explicit EnMarcha(const std::vector<std::string>& argumentos);
    int Pid() const { return pid_; }
    Resultado Espera();

private:
    Carpeta salida_;
    int pid_ = -1;
};

} // namespace apoyo
