#include "app/cli/Diferencia.h"

#include <git2.h>

#include <stdexcept>

namespace cli {
namespace {

// libgit2's diff (git's own xdiff): it bounds its work where nearly every line changes, as
// numbering a module does, instead of walking every edit path.
void IniciaLibgit2() {
    static const bool hecho = [] {
        if (git_libgit2_init() < 0)
            throw std::runtime_error("no se ha podido iniciar libgit2");
        return true;
    }();
    (void)hecho;
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
    IniciaLibgit2();
    git_diff_options opciones;
    git_diff_options_init(&opciones, GIT_DIFF_OPTIONS_VERSION);
    opciones.context_lines = 3;
    // Code in a single-byte code page is text whatever its bytes.
    opciones.flags |= GIT_DIFF_FORCE_TEXT;

    std::string salida;
    salida += nuevo ? std::string("--- /dev/null\n") : "--- a/" + ruta + "\n";
    salida += "+++ b/" + ruta + "\n";
    const int error =
        git_diff_buffers(antes.data(), antes.size(), nullptr, despues.data(), despues.size(),
                         nullptr, &opciones, nullptr, nullptr, Trozo, Linea, &salida);
    if (error < 0) {
        const git_error* e = git_error_last();
        throw std::runtime_error(ruta + ": no se ha podido comparar (" +
                                 (e && e->message ? e->message : "libgit2") + ")");
    }
    return salida;
}

} // namespace cli
