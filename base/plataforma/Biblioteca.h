#pragma once
// Loading a shared library at run time (one that would slow every start if linked), and finding
// the file a loaded piece of code came from.

#include <filesystem>
#include <optional>
#include <string>

namespace plataforma {

class Biblioteca {
public:
    // Loads the library by the name the system knows it by ("libgit2.so.1.5"); it stays loaded
    // until the process ends. Nothing when it cannot be, and `error` says why.
    static std::optional<Biblioteca> Carga(const std::string& nombre, std::string& error);
    // The address of its function or variable `simbolo`; null when it has none.
    void* Busca(const char* simbolo) const;

private:
    explicit Biblioteca(void* asa) : asa_(asa) {}
    void* asa_;
};

// The library or program file that holds the code at `direccion`; empty when the system does
// not say.
std::filesystem::path ArchivoQueContiene(const void* direccion);

} // namespace plataforma
