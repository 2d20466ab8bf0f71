// What the reading commands never let reach a terminal raw.

#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Lintrap.h"

#include <gtest/gtest.h>

using namespace soporte;

// Names, comments and strings reach a terminal with their control characters escaped (an OSC 52
// clipboard write, a screen clear), piped or not; JSON escapes them as JSON does.
TEST(ListEscapes, LosCaracteresDeControlDelUsuarioNoLleganCrudosAlTerminal) {
    Carpeta c;
    const std::string osc = "\x1b]52;c;SGk=\x07", borra = "\x1b[2J";
    const std::string oscVisto = "\\x1b]52;c;SGk=\\x07", borraVisto = "\\x1b[2J";
    // Enough plain text that the file is not taken for a binary one.
    Escribe(c / "M.bas", "Attribute VB_Name = \"M" + osc + borra + "\"\r\nPublic Sub P" + borra +
                             "()\r\n    ' nota " + osc + "\r\n    MsgBox \"" + borra +
                             "\"\r\nEnd Sub\r\n' " + std::string(2000, '-') + "\r\n");
    Escribe(c / "E.vbp", "Type=Exe\r\nModule=M; M.bas\r\n");
    const std::string vbp = (c / "E.vbp").string(), m = "M" + osc + borra;
    const std::vector<std::pair<std::vector<std::string>, std::string>> casos = {
        {{"list", vbp}, "M" + oscVisto + borraVisto + "\tMódulo\t"},
        {{"list", vbp, "--names"}, "M" + oscVisto + borraVisto + "\n"},
        {{"list", vbp, "--module", m}, "P" + borraVisto + "\tNo\n"},
        {{"list", vbp, "--module", m + "x"}, "módulo \"M" + oscVisto + borraVisto + "x\""},
        {{"list", vbp, "--json"}, "\"M\\u001b]52;c;SGk=\\u0007\\u001b[2J\""},
        {{"list", vbp, "--module", m, "--json"}, "\"P\\u001b[2J\""},
        {{"check", vbp}, "el procedimiento P" + borraVisto + " no tiene"},
        // what the command left alone, and why, as its result says
        {{"insert", vbp, "--module", m, "--all", "--mode", "handler", "--dry-run", "--json"},
         "módulo M\\u001b]52;c;SGk=\\u0007\\u001b[2J no es un identificador"},
        {{"insert", vbp, "--module", m, "--all", "--mode", "handler", "--dry-run"},
         "aviso: M.bas, línea 1 del código: el nombre del módulo M" + oscVisto + borraVisto +
             " no es"},
        {{"view", vbp, "--module", m},
         "P" + borraVisto + "()\n    ' nota " + oscVisto + "\n    MsgBox \"" + borraVisto + "\"\n"},
        {{"view", vbp, "--module", m, "--json"}, "' nota \\u001b]52;c;SGk=\\u0007\\r\\n"},
    };
    for (const auto& [args, visto] : casos) {
        auto r = Lintrap(args);
        SCOPED_TRACE(args.back());
        const std::string todo = r.out + r.err; // a message names the module too
        EXPECT_EQ(todo.find_first_of("\x1b\x07"), std::string::npos) << todo;
        EXPECT_NE(todo.find(visto), std::string::npos) << todo;
    }
}
