#include "engine/ResumeNext.h"

#include "ClsErrores/Convencion.h"
#include "engine/Motor.h"

namespace engine {
namespace {

constexpr auto Proc = vbide::ProcKind::Proc;
constexpr std::string_view Sentencia = "On Error Resume Next";

std::size_t SaltaEspacios(std::string_view s, std::size_t i) {
    while (i < s.size() && s[i] == ' ') {
        ++i;
    }
    return i;
}

} // namespace

std::optional<std::string> SinResumeNext(std::string_view linea, const Tabla& tabla) {
    std::size_t i = SaltaEspacios(linea, 0);
    while (i < linea.size() && EsDigito(linea[i])) {
        ++i;
    }
    i = SaltaEspacios(linea, i);
    if (!EmpiezaPor(linea.substr(i), Sentencia, tabla)) {
        return std::nullopt;
    }
    const std::size_t tras = i + Sentencia.size();
    // The statement ends there: "On Error Resume Next2" is another word.
    if (tras < linea.size() && linea[tras] != ' ' && linea[tras] != ':' && linea[tras] != '\'') {
        return std::nullopt;
    }
    const std::size_t dos = SaltaEspacios(linea, tras);
    if (dos < linea.size() && linea[dos] == ':') {
        const std::size_t sigue = SaltaEspacios(linea, dos + 1);
        if (sigue < linea.size() && linea[sigue] != '\'') {
            return std::string(linea.substr(0, i)) + std::string(linea.substr(sigue));
        }
    }
    return std::string();
}

void Motor::AddResumeNext(vbide::CodeModule& m, int index) {
    Procedimiento("frmAddIn \\ AddResumeNext", [&] {
        const std::string nombre = NombreEn(index);
        vbide::Member& miembro = m.Members().Item(nombre);
        if (ExisteOnError(m, miembro)) {
            return;
        }
        // A procedure on one line has no line under its header that is still its own.
        const long inicio = m.ProcStartLine(nombre, Proc);
        Prepara(m, nombre, inicio, m.ProcCountLines(nombre, Proc));
        const bool deja = SeDeja(m);
        actual_ = {};
        if (deja) {
            return;
        }
        // Past the header's continuation lines and the comments and declarations under it.
        long L = m.ProcBodyLine(nombre, Proc);
        while (true) {
            const std::string_view c = Recorta(m.Line(L));
            const std::string_view n = Recorta(m.Line(L + 1));
            if (Continua(c) || EmpiezaPor(n, "'", tabla_) || EmpiezaPor(n, "Dim", tabla_) ||
                EmpiezaPor(n, "Public", tabla_) || EmpiezaPor(n, "Private", tabla_) ||
                EmpiezaPor(n, "Static", tabla_)) {
                ++L;
                continue;
            }
            m.InsertLines(L + 1, std::string(Sentencia));
            return;
        }
    });
}

// Only the statement goes: a comment or a string that mentions it stays, and so do the
// statements that share its line.
void Motor::QuitaResumeNext(vbide::CodeModule& m, int index) {
    Procedimiento("frmAddIn \\ QuitaResumeNext", [&] {
        vbide::Member& miembro = m.Members().Item(NombreEn(index));
        const auto tipo = miembro.Type();
        if (tipo != vbide::MemberType::Method && tipo != vbide::MemberType::Event) {
            return;
        }
        const std::string nombre = miembro.Name();
        const long primera = m.ProcStartLine(nombre, Proc);
        const long cuantas = m.ProcCountLines(nombre, Proc);
        for (long j = primera; j < primera + cuantas; ++j) {
            const auto resto = SinResumeNext(m.Line(j), tabla_);
            if (!resto) {
                continue;
            }
            if (resto->empty()) {
                m.DeleteLines(j, 1);
            } else {
                m.ReplaceLine(j, *resto);
            }
            return;
        }
    });
}

} // namespace engine
