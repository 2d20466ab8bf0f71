#include "app/cli/Diferencia.h"

#include "base/ErrorVB.h"
#include "base/plataforma/Biblioteca.h"

#include <git2.h>

namespace cli {
namespace {

// libgit2's diff (git's own xdiff): it bounds its work where nearly every line changes, as
// numbering a module does, instead of walking every edit path. The library is loaded on the
// first diff only: with it come the TLS, SSH and Kerberos libraries its other parts need, which
// would add several milliseconds to the start of every run.
struct Libgit2 {
    decltype(&git_diff_options_init) opciones = nullptr;
    decltype(&git_diff_buffers) compara = nullptr;
    decltype(&git_error_last) error = nullptr;
};

[[noreturn]] void NoSeCarga(const std::string& que) {
    throw ErrorVB(vberr::FileNotFound, "lintrap",
                  "no se puede cargar " LINTRAP_LIBGIT2 " para mostrar las diferencias (" + que +
                      "); no se ha escrito nada");
}

const Libgit2& Carga() {
    static const Libgit2 lib = [] {
        std::string error;
        const auto h = plataforma::Biblioteca::Carga(LINTRAP_LIBGIT2, error);
        if (!h)
            NoSeCarga(error);
        auto busca = [&h](auto& funcion, const char* nombre) {
            funcion =
                reinterpret_cast<std::remove_reference_t<decltype(funcion)>>(h->Busca(nombre));
            if (funcion == nullptr)
                NoSeCarga(std::string("falta ") + nombre);
        };
        decltype(&git_libgit2_init) inicia = nullptr;
        busca(inicia, "git_libgit2_init");
        Libgit2 l;
        busca(l.opciones, "git_diff_options_init");
        busca(l.compara, "git_diff_buffers");
        busca(l.error, "git_error_last");
        if (inicia() < 0)
            NoSeCarga("no arranca");
        return l;
    }();
    return lib;
}

int Trozo(const git_diff_delta*, const git_diff_hunk* h, void* datos) {
    std::string& salida = *static_cast<std::string*>(datos);
    salida += "@@ -" + std::to_string(h->old_start) + "," + std::to_string(h->old_lines) + " +" +
              std::to_string(h->new_start) + "," + std::to_string(h->new_lines) + " @@\n";
    return 0;
}

int Linea(const git_diff_delta*, const git_diff_hunk*, const git_diff_line* l, void* datos) {
    std::string& salida = *static_cast<std::string*>(datos);
    switch (l->origin) {
    case GIT_DIFF_LINE_CONTEXT:
    case GIT_DIFF_LINE_ADDITION:
    case GIT_DIFF_LINE_DELETION:
        salida += l->origin;
        salida.append(l->content, l->content_len);
        // the file's last line without its line break: the marker below says so
        if (l->content_len == 0 || l->content[l->content_len - 1] != '\n')
            salida += '\n';
        break;
    case GIT_DIFF_LINE_CONTEXT_EOFNL:
    case GIT_DIFF_LINE_ADD_EOFNL:
    case GIT_DIFF_LINE_DEL_EOFNL:
        salida += "\\ No newline at end of file\n";
        break;
    default:
        break;
    }
    return 0;
}

} // namespace

std::string DiferenciaUnificada(std::string_view antes, std::string_view despues,
                                const std::string& ruta, bool nuevo) {
    if (antes == despues && !nuevo)
        return {};
    const Libgit2& git = Carga();
    git_diff_options opciones;
    git.opciones(&opciones, GIT_DIFF_OPTIONS_VERSION);
    opciones.context_lines = 3;
    // Code in a single-byte code page is text whatever its bytes.
    opciones.flags |= GIT_DIFF_FORCE_TEXT;

    std::string salida;
    salida += nuevo ? std::string("--- /dev/null\n") : "--- a/" + ruta + "\n";
    salida += "+++ b/" + ruta + "\n";
    const int error =
        git.compara(antes.data(), antes.size(), nullptr, despues.data(), despues.size(), nullptr,
                    &opciones, nullptr, nullptr, Trozo, Linea, &salida);
    if (error < 0) {
        const git_error* e = git.error();
        throw ErrorVB(vberr::InvalidProcedureCall, "lintrap",
                      ruta + ": no se ha podido comparar (" +
                          (e && e->message ? e->message : "libgit2") + "); no se ha escrito nada");
    }
    return salida;
}

} // namespace cli
