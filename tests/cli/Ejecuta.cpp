#include "tests/cli/Ejecuta.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace prueba {

namespace fs = std::filesystem;

Resultado Lintrap(const std::vector<std::string>& argumentos) {
    Carpeta capturas;
    const std::string out = (capturas / "out").string();
    const std::string err = (capturas / "err").string();

    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_addopen(&acciones, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&acciones, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&acciones, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);

    std::vector<std::string> todos{LINTRAP_BIN};
    todos.insert(todos.end(), argumentos.begin(), argumentos.end());
    std::vector<char*> argv;
    for (auto& a : todos)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    int fallo = posix_spawn(&pid, LINTRAP_BIN, &acciones, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acciones);
    if (fallo != 0)
        throw std::runtime_error("no se pudo lanzar " LINTRAP_BIN);
    int estado = 0;
    waitpid(pid, &estado, 0);

    Resultado r;
    r.codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : 128 + WTERMSIG(estado);
    r.out = Lee(out);
    r.err = Lee(err);
    return r;
}

std::string Lee(const fs::path& archivo) {
    std::ifstream f(archivo, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

void Escribe(const fs::path& archivo, const std::string& bytes) {
    fs::create_directories(archivo.parent_path());
    std::ofstream f(archivo, std::ios::binary);
    f << bytes;
}

std::vector<std::pair<std::string, std::string>> Contenido(const fs::path& carpeta) {
    std::vector<std::pair<std::string, std::string>> r;
    for (auto& e : fs::recursive_directory_iterator(carpeta))
        if (e.is_regular_file())
            r.emplace_back(fs::relative(e.path(), carpeta).generic_string(), Lee(e.path()));
    std::sort(r.begin(), r.end());
    return r;
}

fs::path CopiaEjemplo(const fs::path& destino) {
    fs::copy(fs::path(LINTRAP_SOURCE_DIR) / "examples" / "Demo", destino,
             fs::copy_options::recursive);
    return destino / "Demo.vbp";
}

} // namespace prueba
