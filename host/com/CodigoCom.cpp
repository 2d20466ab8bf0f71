// A code module of the environment: its lines, edits and procedure questions.

#include "host/com/Objetos.h"

namespace hostcom {
namespace {
constexpr const char* T = "CodeModule";
}

std::string CodigoCom::Name() const {
    return d_.Texto(o_.get(), T, "Name");
}

std::string CodigoCom::Lines(long start, long count) const {
    const Valor s = Valor::Numero(start);
    const Valor c = Valor::Numero(count);
    return d_.Texto(o_.get(), T, "Lines", {&s, &c});
}

std::string_view CodigoCom::Line(long line) const {
    // read afresh every time (the user may have typed since); a view already handed out for
    // the line stays valid while the line's text is the same
    std::string texto = Lines(line, 1);
    std::string& guardada = lineas_[line];
    if (guardada != texto) {
        guardada = std::move(texto);
    }
    return guardada;
}

long CodigoCom::CountOfLines() const {
    return d_.Numero(o_.get(), T, "CountOfLines");
}

long CodigoCom::CountOfDeclarationLines() const {
    return d_.Numero(o_.get(), T, "CountOfDeclarationLines");
}

void CodigoCom::Edita(const char* que, std::initializer_list<const Valor*> args) {
    lineas_.clear();
    d_.Llama(o_.get(), T, que, args);
}

void CodigoCom::InsertLines(long line, const std::string& text) {
    const Valor l = Valor::Numero(line);
    const Valor t = d_.Cadena(text);
    Edita("InsertLines", {&l, &t});
}

void CodigoCom::DeleteLines(long start, long count) {
    const Valor s = Valor::Numero(start);
    const Valor c = Valor::Numero(count);
    Edita("DeleteLines", {&s, &c});
}

void CodigoCom::ReplaceLine(long line, const std::string& text) {
    const Valor l = Valor::Numero(line);
    const Valor t = d_.Cadena(text);
    Edita("ReplaceLine", {&l, &t});
}

void CodigoCom::AddFromString(const std::string& text) {
    const Valor t = d_.Cadena(text);
    Edita("AddFromString", {&t});
}

long CodigoCom::Proc(const char* que, const std::string& name, vbide::ProcKind kind) const {
    const Valor n = d_.Cadena(name);
    const Valor k = Valor::Numero(long(kind));
    return d_.Numero(o_.get(), T, que, {&n, &k});
}

long CodigoCom::ProcStartLine(const std::string& name, vbide::ProcKind kind) const {
    return Proc("ProcStartLine", name, kind);
}

long CodigoCom::ProcCountLines(const std::string& name, vbide::ProcKind kind) const {
    return Proc("ProcCountLines", name, kind);
}

long CodigoCom::ProcBodyLine(const std::string& name, vbide::ProcKind kind) const {
    return Proc("ProcBodyLine", name, kind);
}

std::string CodigoCom::ProcOfLine(long line, vbide::ProcKind* kind) const {
    LONG k = 0;
    const Valor l = Valor::Numero(line);
    const Valor rk = Valor::RefNumero(&k);
    std::string nombre = d_.Texto(o_.get(), T, "ProcOfLine", {&l, &rk});
    if (kind) {
        *kind = vbide::ProcKind(k);
    }
    return nombre;
}

bool CodigoCom::Find(const std::string& target, long& startLine, long& startCol, long& endLine,
                     long& endCol, bool wholeWord, bool matchCase, bool patternSearch) {
    LONG pos[4] = {LONG(startLine), LONG(startCol), LONG(endLine), LONG(endCol)};
    const Valor t = d_.Cadena(target);
    const Valor sl = Valor::RefNumero(&pos[0]);
    const Valor sc = Valor::RefNumero(&pos[1]);
    const Valor el = Valor::RefNumero(&pos[2]);
    const Valor ec = Valor::RefNumero(&pos[3]);
    const Valor w = Valor::Logico(wholeWord);
    const Valor m = Valor::Logico(matchCase);
    const Valor p = Valor::Logico(patternSearch);
    const bool hallado = d_.Logico(o_.get(), T, "Find", {&t, &sl, &sc, &el, &ec, &w, &m, &p});
    if (hallado) {
        startLine = pos[0];
        startCol = pos[1];
        endLine = pos[2];
        endCol = pos[3];
    }
    return hallado;
}

vbide::Members& CodigoCom::Members() {
    if (!miembros_) {
        Ref m = d_.Objeto(o_.get(), T, "Members");
        if (!m) {
            throw ErrorVB(vberr::ObjectNotSet, "CodeModule.Members",
                          "El entorno no tiene los miembros del módulo");
        }
        miembros_ = std::make_unique<MiembrosCom>(d_, std::move(m));
    }
    return *miembros_;
}

void PanelCom::Show() {
    Despacho& d = codigo_.D();
    Ref panel = d.Objeto(codigo_.Objeto(), "CodeModule", "CodePane");
    d.Llama(panel.get(), "CodePane", "Show");
}

vbide::Member& MiembrosCom::Item(long index) {
    return Elemento(d_, cache_, o_.get(), "Members", Valor::Numero(index));
}

vbide::Member& MiembrosCom::Item(const std::string& name) {
    return Elemento(d_, cache_, o_.get(), "Members", d_.Cadena(name));
}

} // namespace hostcom
