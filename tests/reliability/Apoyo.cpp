#include "tests/reliability/Apoyo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace apoyo {

namespace fs = std::filesystem;

std::string Lee(const fs::path& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

void Escribe(const fs::path& ruta, const std::string& bytes) {
    std::ofstream f(ruta, std::ios::binary);
    f << bytes;
    if (!f) {
        throw std::runtime_error("cannot write test file " + ruta.string());
    }
}

std::string Crlf(std::string_view texto) {
    std::string r;
    for (char c : texto) {
        if (c == '\n') {
            r += '\r';
        }
        r += c;
    }
    return r;
}

fs::path Malos() {
    return fs::path(LINTRAP_SOURCE_DIR) / "tests" / "data" / "bad";
}

std::map<std::string, Archivo> Foto(const fs::path& carpeta) {
    std::map<std::string, Archivo> foto;
    for (const auto& e : fs::recursive_directory_iterator(carpeta)) {
        struct stat st {};
        ::lstat(e.path().c_str(), &st);
        Archivo a;
        if (S_ISREG(st.st_mode)) {
            a.bytes = Lee(e.path());
            a.mtimeNs = std::int64_t(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
        }
        foto[e.path().lexically_relative(carpeta).string()] = a;
    }
    return foto;
}

#ifdef LINTRAP_BIN
EnMarcha::EnMarcha(const std::vector<std::string>& argumentos) {
    const fs::path out = salida_ / "out";
    const fs::path err = salida_ / "err";
    pid_ = ::fork();
    if (pid_ == 0) {
        int in = ::open("/dev/null", O_RDONLY);
        int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(in, 0);
        ::dup2(o, 1);
        ::dup2(e, 2);
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(LINTRAP_BIN));
        for (const auto& a : argumentos) {
            argv.push_back(const_cast<char*>(a.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(LINTRAP_BIN, argv.data());
        ::_exit(127);
    }
}
#else
EnMarcha::EnMarcha(const std::vector<std::string>&) {}
#endif

Resultado EnMarcha::Espera() {
    Resultado r;
    if (pid_ <= 0) {
        return r;
    }
    int estado = 0;
    ::waitpid(pid_, &estado, 0);
    pid_ = -1;
    r.codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : 128 + WTERMSIG(estado);
    r.muerto = WIFSIGNALED(estado);
    r.out = Lee(salida_ / "out");
    r.err = Lee(salida_ / "err");
    return r;
}

Resultado Lintrap(const std::vector<std::string>& argumentos) {
    return EnMarcha(argumentos).Espera();
}

} // namespace apoyo
