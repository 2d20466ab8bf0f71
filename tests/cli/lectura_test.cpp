// The commands that only read a project, as a table: each row its arguments over a copy of the
// example project ({demo}) or of a small one ({p}: a module Calculos, a class clsDato with a
// property, and a module named "Cálculo" in Acentos.bas), its exit code, its standard output
// (the text, or "@name": the file tests/data/cli/salidas/name) and a part of its standard error
// ({c}: the folder of both copies).
// Nothing is written: the copies stay as they were.

#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Lintrap.h"

#include <gtest/gtest.h>

using namespace soporte;

namespace {

struct Caso {
    std::vector<std::string> args;
    int codigo;
    std::string out;
    std::string err = "";
};

const Caso kCasos[] = {
    // the module list: name, kind, lines and file, sorted as a Spanish user reads
    {{"list", "{demo}"}, 0, "@list_demo"},
    {{"list", "{demo}", "--names"}, 0, "clsCliente\nfrmCliente\nfrmPrincipal\nUtilidades\n"},
    {{"list", "{p}", "--names"}, 0, "Cálculo\nCalculos\nclsDato\n"},
    // the same byte read as Greek is another letter: the code page decides what is shown
    {{"list", "{p}", "--names", "--codepage", "1253"}, 0, "Calculos\nclsDato\nCαlculo\n"},
    {{"list", "{p}", "--json"}, 0, "@list_p.json"},
    // a module's methods, without properties, with their status; a name typed in UTF-8 finds the
    // module whose name is stored in 1252
    {{"list", "{p}", "--module", "Calculos"}, 0, "alfa\tNo\nSuma\tNo\nZeta\tSí\n"},
    {{"list", "{p}", "--module", "CLSDATO"}, 0, "Limpia\tNo\n"},
    {{"list", "{p}", "--module", "cálculo"}, 0, "Año\tNo\n"},
    {{"list", "{p}", "--module", "Calculos", "--json"}, 0, "@list_calculos.json"},
    {{"list", "{p}", "--module", "NoExiste"}, 2, "", "\"NoExiste\""},
    {{"list", "{c}/Otro.vbp"}, 2, "", "Otro.vbp"},
    // the viewer's text and colours: offsets count characters ("ñ" is one), runs are maximal
    {{"view", "{p}", "--module", "calculos", "--proc", "SUMA", "--json"}, 0, "@view_suma.json"},
    {{"view", "{p}", "--module", "Calculos", "--json"}, 0, "@view_calculos.json"},
    {{"view", "{p}", "--module", "Calculos", "--proc", "alfa"},
     0,
     "\nPublic Sub alfa()\n    Dim x As Long\n    x = 1\nEnd Sub\n"},
    // the module's name is read as Greek too: it is not "cálculo" there
    {{"view", "{p}", "--module", "cálculo", "--codepage", "1253", "--json"}, 2, "", "cálculo"},
    {{"view", "{p}", "--module", "Cαlculo", "--codepage", "1253", "--json"},
     0,
     "@view_griego.json"},
    {{"view", "{p}", "--module", "NoHay"}, 2, "", "no hay ningún módulo \"NoHay\""},
    {{"view", "{p}", "--module", "clsDato", "--proc", "Valor"},
     2,
     "",
     "no tiene ningún procedimiento \"Valor\""},
    {{"view", "{p}"}, 2, "", "--module"},
    // the viewer's callers, in the list's order; nobody, or the whole module: an empty list
    {{"callers", "{demo}", "--module", "utilidades", "--proc", "codigopostalvalido"},
     0,
     "frmCliente / cmdAceptar_Click\n"},
    {{"callers", "{demo}", "--module", "frmPrincipal", "--proc", "RellenarLista"},
     0,
     "frmPrincipal / Form_Load\nfrmPrincipal / cmdEditar_Click\n"
     "frmPrincipal / mnuArchivoNuevo_Click\n"},
    {{"callers", "{demo}", "--module", "frmPrincipal", "--proc", "cmdSalir_Click"}, 0, ""},
    {{"callers", "{demo}", "--module", "frmPrincipal", "--proc", "Todos"}, 0, ""},
    {{"callers", "{demo}", "--module", "Nada", "--proc", "X"}, 2, "", "\"Nada\""},
    {{"callers", "{demo}", "--module", "Utilidades", "--proc", "Nada"}, 2, "", "\"Nada\""},
    {{"callers", "{demo}", "--module", "Utilidades"}, 2, "", "--proc"},
    // the references window
    {{"refs", "{demo}"},
     0,
     "stdole 2.0\n..\\..\\..\\..\\Windows\\SysWOW64\\stdole2.tlb\n"
     "GUID: {00020430-0000-0000-C000-000000000046}\n"},
    {{"refs", "{demo}", "--json"}, 0, "@refs_demo.json"},
    {{"refs", "{p}", "--json"}, 0, "[]\n"},
    // the controls inspector: forms, their controls, a member of a control array and its report
    // as the clipboard gets it
    {{"controls", "{demo}"}, 0, "frmPrincipal\nfrmCliente\n"},
    {{"controls", "{demo}", "--form", "frmcliente"},
     0,
     "fraDatos\ntxtNombre\ntxtPoblacion\ntxtCodigoPostal\nchkActivo\nlblNombre\nlblPoblacion\n"
     "lblCodigoPostal\ncmdAceptar\ncmdCancelar\n"},
    {{"controls", "{demo}", "--form", "frmPrincipal", "--control", "optOrden(1)"},
     0,
     "@controls_optorden"},
    {{"controls", "{demo}", "--form", "frmPrincipal", "--control", "Nada"}, 2, "", "Nada"},
    {{"controls", "{demo}", "--form", "Utilidades"}, 2, "", "Utilidades"},
    {{"controls", "{demo}", "--control", "cmdSalir"}, 2, "", "--form"},
};

TEST(Lectura, EachCommandShowsWhatItsWindowShows) {
    Carpeta c;
    const auto demo = Copia(Ejemplo(), c / "Demo");
    const auto p = Copia(Datos("cli/Prueba"), c / "p");
    const auto antes = Foto(c.Ruta());
    for (const Caso& caso : kCasos) {
        std::vector<std::string> args;
        std::string linea;
        for (std::string a : caso.args) {
            for (const auto& [clave, ruta] : {std::pair{std::string("{demo}"), demo / "Demo.vbp"},
                                              std::pair{std::string("{p}"), p / "Prueba.vbp"},
                                              std::pair{std::string("{c}"), c.Ruta()}}) {
                if (a.starts_with(clave)) {
                    a = ruta.string() + a.substr(clave.size());
                }
            }
            args.push_back(a);
            linea += " " + caso.args[args.size() - 1];
        }
        SCOPED_TRACE("lintrap" + linea);
        const Resultado r = Lintrap(args);
        EXPECT_EQ(r.codigo, caso.codigo) << r.err;
        EXPECT_EQ(r.out, caso.out.starts_with('@')
                             ? Esperado("cli/salidas/" + caso.out.substr(1), r.out)
                             : caso.out);
        EXPECT_NE(r.err.find(caso.err), std::string::npos) << r.err;
        if (caso.codigo == 0) {
            EXPECT_EQ(r.err, "");
        }
    }
    EXPECT_EQ(Foto(c.Ruta()), antes);
}

} // namespace
