#pragma once
// Files as the tests see them: whole bytes in and out, a folder's exact state, the test data,
// and a project of plain modules written into a temporary folder.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace soporte {

std::string Lee(const std::filesystem::path& ruta);
// Throws when the file cannot be written: a test must not go on over a half-made folder.
void Escribe(const std::filesystem::path& ruta, std::string_view bytes);
// LF line ends of a test's text turned into CR LF, as VB6 writes them.
std::string Crlf(std::string_view texto);
// A file or folder under tests/data.
std::filesystem::path Datos(const std::string& nombre);
// The expected bytes in the file tests/data/`nombre`. With LINTRAP_ESCRIBE_ESPERADOS set, a file
// not there yet is first written from `obtenido`, to be read line by line before it is committed.
std::string Esperado(const std::string& nombre, std::string_view obtenido);
// The example project's folder.
std::filesystem::path Ejemplo();
// Copies the folder `origen` into `destino` (made, with its parents) and returns `destino`.
std::filesystem::path Copia(const std::filesystem::path& origen,
                            const std::filesystem::path& destino);

struct Archivo {
    std::string bytes;
    std::int64_t mtimeNs = 0;
    bool operator==(const Archivo&) const = default;
};
// Every entry under `carpeta` by relative path: files with bytes and times, folders empty.
std::map<std::string, Archivo> Foto(const std::filesystem::path& carpeta);
// The same without the times: relative path -> bytes, files only.
std::map<std::string, std::string> Contenido(const std::filesystem::path& carpeta);

// Writes the project P.vbp into `carpeta` (made if missing) with modules Mod0.bas ... each of
// `procs` small procedures, CR LF line ends; returns the project file's path.
std::filesystem::path Proyecto(const std::filesystem::path& carpeta, int modulos, int procs);

} // namespace soporte
