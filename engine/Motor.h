#pragma once
// The code transformation engine: rewrites the procedures of one code module line by line,
// through the code-module operations only. It reads the mode, the variant, the all-procedures
// box and the procedure list from the selection state each time it processes a line.

#include "engine/Analisis.h"
#include "engine/Entorno.h"
#include "engine/EstadoSeleccion.h"
#include "engine/Instalacion.h"
#include "engine/Lineas.h"
#include "engine/Progreso.h"
#include "host/vbide/CodeModule.h"
#include "host/vbide/Members.h"

#include <string>
#include <vector>

namespace engine {

class Motor {
public:
    // `instalacion` may be null: then no runtime modules are ever added.
    Motor(EstadoSeleccion& estado, Progreso& progreso, Dialogos& dialogos,
          Instalacion* instalacion = nullptr);

    // Inserts into the procedure at row `index` of the procedure list, in the selected mode.
    void Insertar(vbide::CodeModule& m, int index);
    // One line of the insertion; leaves `L` at the last line dealt with. In numbering, a call for
    // the line after the last call's takes the line above as that call left it.
    void InsertaLinea(vbide::CodeModule& m, long& L);

    // Removes, in the selected mode, from the selected procedures or, with Check1, the module.
    // False when nothing was selected (and a box said so).
    bool QuitaCodigo(vbide::CodeModule& m);
    // One line of the removal; leaves `L` so that L + 1 is the next line to look at. In the
    // removal of numbers, a call for the line after the last call's takes the line above as that
    // call left it.
    void QuitaLinea(vbide::CodeModule& m, long& L);
    // The first comment line after `inicio` holding the block's end key (`manejo`: the
    // ManejoError block); 0 when the procedure that holds `inicio` ends first.
    long BuscaFin(vbide::CodeModule& m, long inicio, bool& manejo);

    // The statement "On Error Resume Next" under the header and the declarations.
    void AddResumeNext(vbide::CodeModule& m, int index);
    // Takes the first "On Error Resume Next" statement of the procedure out.
    void QuitaResumeNext(vbide::CodeModule& m, int index);

    // The procedure already has a line that begins with "On Error" (false for properties).
    bool ExisteOnError(vbide::CodeModule& m, vbide::Member& miembro);

    // The rows 0 to n - 1 of the procedure list in the order their procedures stand in the
    // module (rows the module does not know last, in list order). Where the result does not
    // depend on the order (the error-handling block, Resume Next, every removal), visiting
    // downwards keeps each edit near the one before instead of jumping about the module.
    std::vector<int> OrdenEnModulo(vbide::CodeModule& m) const;

    // What the rules left alone so far, and why, in the order it was met.
    std::vector<Aviso>& Avisos() { return avisos_; }

private:
    // Runs `paso` over the lines of the procedure `nombre`, from the comments above its header
    // (line `inicio`, its start line) to its end line. A template: the step is called on every
    // line, and a call through std::function there costs more than the rest of the walk.
    template <class Paso>
    void Recorre(vbide::CodeModule& m, const std::string& nombre, long inicio, Paso&& paso);
    const std::string& NombreEn(int index) const;
    // Reads the procedure `nombre` from `inicio` for the walk that follows (actual_).
    void Prepara(vbide::CodeModule& m, const std::string& nombre, long inicio, long cuantas);
    // For the error-handling block: reads the procedure `nombre` as Prepara does, with its
    // start line in `inicio`, unless it already has an "On Error" line (ExisteOnError): then
    // false, with nothing read.
    bool PreparaSinOnError(vbide::CodeModule& m, const std::string& nombre, long& inicio);
    // What a walk in the selected mode reads of its procedure first.
    engine::Lectura Lectura() const;
    // The procedure just read is one the rules would break in this mode: it is left alone,
    // and a notice says why.
    bool SeDeja(vbide::CodeModule& m);
    void Avisa(Motivo motivo, long linea, std::string detalle = {});
    // The procedure just read holds a block's start marker without its end marker: removing
    // the error-handling block leaves it whole, and a notice says why.
    bool SinFinDeBloque();
    // Reads the procedure that holds line L for the walk over it, and returns its last line.
    long FinDelProcedimiento(vbide::CodeModule& m, long L);
    bool MismoNombre(std::string_view a, std::string_view b) const;

    EstadoSeleccion& estado_;
    Progreso& progreso_;
    Dialogos& dialogos_;
    Instalacion* instalacion_;
    const Tabla& tabla_;
    std::vector<Aviso> avisos_;
    bool conClase_ = false; // the installation has reported clsErrores in the project
    std::string nueva_;     // a rewritten line, built here to spare an allocation per line
    std::string resto_;     // a line without its old number
    // Of a line, what the line below reads: it is blank, it goes on below.
    struct Final {
        bool vacia = false;
        bool sigue = false;
    };
    // The line above line L: as the walk's step before read it, where that step was L - 1 (a
    // number put in front or taken off leaves a line's end as it was), else read from the module.
    Final Encima(vbide::CodeModule& m, long L) const {
        return L == siguiente_ ? encima_ : LeeEncima(m, L);
    }
    Final LeeEncima(vbide::CodeModule& m, long L) const;
    // The step at line L of numbering or its removal read `t`, its trimmed text.
    void Leida(long L, std::string_view t) {
        siguiente_ = L + 1;
        encima_ = {t.empty(), Continua(t)};
    }
    // The walks of numbering and of its removal: the line above step `siguiente_`'s, `encima_`.
    // 0: none known.
    long siguiente_ = 0;
    Final encima_;
    // The procedure being walked: its labels, jumps and end. Empty outside a walk, where
    // every line is taken on its own.
    Analisis actual_;
    std::string nombreActual_;
};

} // namespace engine
