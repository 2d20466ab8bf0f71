// lintrap view: the code viewer's text and colours, as JSON for tools and with ANSI colours for
// a person at a terminal.

#include "tests/cli/Ejecuta.h"
#include "tests/cli/ProyectoPrueba.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>

using namespace prueba;

namespace {

// Runs lintrap with a terminal as its standard output; `noColor` sets NO_COLOR.
std::string EnTerminal(const std::vector<std::string>& argumentos, bool noColor) {
    std::vector<std::string> todos{LINTRAP_BIN};
    todos.insert(todos.end(), argumentos.begin(), argumentos.end());
    std::vector<char*> argv;
    for (auto& a : todos)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    int maestro = -1;
    const pid_t pid = forkpty(&maestro, nullptr, nullptr, nullptr);
    if (pid == 0) {
        if (noColor)
            setenv("NO_COLOR", "1", 1);
        else
            unsetenv("NO_COLOR");
        execv(LINTRAP_BIN, argv.data());
        _exit(127);
    }
    std::string salida;
    char buf[4096];
    ssize_t n = 0;
    while ((n = read(maestro, buf, sizeof buf)) > 0)
        salida.append(buf, static_cast<size_t>(n));
    close(maestro);
    int estado = 0;
    waitpid(pid, &estado, 0);
    return salida;
}

// The text's characters: one per code point, as the offsets count them.
std::u32string Puntos(const std::string& utf8) {
    std::u32string r;
    for (size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        char32_t c = n == 1 ? b : b & (0x7F >> n);
        for (size_t k = 1; k < n; ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        r += c;
        i += n;
    }
    return r;
}

std::string Utf8(const std::u32string& t) {
    std::string r;
    for (char32_t c : t) {
        if (c < 0x80) {
            r += static_cast<char>(c);
        } else {
            r += static_cast<char>(0xC0 | (c >> 6));
            r += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return r;
}

// Each span's characters with its colour and bold flag: "#0000FA Public " or "#A000A0! Err".
std::multimap<std::string, std::string> Trozos(const nlohmann::json& j) {
    const std::u32string t = Puntos(j["text"].get<std::string>());
    std::multimap<std::string, std::string> r;
    for (const auto& s : j["spans"]) {
        const std::string clave =
            s["color"].get<std::string>() + (s["bold"].get<bool>() ? "!" : "");
        r.emplace(clave, Utf8(t.substr(s["start"].get<size_t>(), s["length"].get<size_t>())));
    }
    return r;
}

bool Tiene(const std::multimap<std::string, std::string>& m, const std::string& clave,
           const std::string& trozo) {
    auto [a, b] = m.equal_range(clave);
    for (auto it = a; it != b; ++it)
        if (it->second == trozo)
            return true;
    return false;
}

TEST(View, JsonGivesTheProceduresTextAndItsColouredRunsInCharacters) {
    Carpeta c;
    auto vbp = ProyectoPequeno(c.Ruta()).string();
    auto r = Lintrap({"view", vbp, "--module", "calculos", "--proc", "SUMA", "--json"});
    ASSERT_EQ(r.codigo, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["caption"], "Suma"); // the name as the procedure list shows it
    EXPECT_EQ(j["tag"], "Suma");
    const std::string texto = j["text"];
    EXPECT_NE(texto.find("' Suma del año\r\nPublic Function Suma(ByVal a As Long, _\r\n"),
              std::string::npos)
        << texto;
    EXPECT_EQ(texto.find("Zeta"), std::string::npos);

    // Offsets count "ñ" as one character: the runs land on the words.
    const auto trozos = Trozos(j);
    EXPECT_TRUE(Tiene(trozos, "#007800", " Suma del año\r\n"));
    EXPECT_TRUE(Tiene(trozos, "#0000FA", "Public Function "));
    EXPECT_TRUE(Tiene(trozos, "#0000FA", "As Long,")); // and the character after the keyword
    EXPECT_TRUE(Tiene(trozos, "#0000FA", "End If\r"));
    EXPECT_TRUE(Tiene(trozos, "#0000FA", "Exit Function\r"));
    // In order and maximal: no span starts where the one before ended with the same format.
    size_t fin = 0;
    std::string antes;
    for (const auto& s : j["spans"]) {
        const std::string formato = s["color"].get<std::string>() + (s["bold"] ? "!" : "");
        EXPECT_GE(s["start"].get<size_t>(), fin);
        EXPECT_FALSE(s["start"].get<size_t>() == fin && formato == antes);
        fin = s["start"].get<size_t>() + s["length"].get<size_t>();
        antes = formato;
    }
}

TEST(View, TheWholeModuleAndItsErrorTerms) {
    Carpeta c;
    auto vbp = ProyectoPequeno(c.Ruta()).string();
    auto r = Lintrap({"view", vbp, "--module", "Calculos", "--json"});
    ASSERT_EQ(r.codigo, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["caption"], "Calculos");
    EXPECT_EQ(j["tag"], "Todos");
    EXPECT_EQ(j["text"].get<std::string>().rfind("Option Explicit\r\n", 0), 0u);
    const auto trozos = Trozos(j);
    EXPECT_TRUE(Tiene(trozos, "#A000A0!", "On Error GoTo "));
    // The JSON keys in the order tools document them.
    EXPECT_LT(r.out.find("\"caption\""), r.out.find("\"tag\""));
    EXPECT_LT(r.out.find("\"text\""), r.out.find("\"spans\""));
}

TEST(View, PipedOutputIsThePlainCodeAndATerminalGetsColoursUnlessNoColor) {
    Carpeta c;
    auto vbp = ProyectoPequeno(c.Ruta()).string();
    const std::vector<std::string> args{"view", vbp, "--module", "Calculos", "--proc", "alfa"};
    auto r = Lintrap(args);
    ASSERT_EQ(r.codigo, 0) << r.err;
    EXPECT_EQ(r.out, "\nPublic Sub alfa()\n    Dim x As Long\n    x = 1\nEnd Sub\n");

    const std::string color = EnTerminal(args, false);
    EXPECT_NE(color.find("\x1b[38;2;0;0;250mPublic Sub \x1b[0m"), std::string::npos) << color;
    EXPECT_NE(color.find("\x1b[38;2;0;0;250mEnd Sub\x1b[0m"), std::string::npos) << color;

    const std::string sinColor = EnTerminal(args, true);
    EXPECT_EQ(sinColor.find('\x1b'), std::string::npos) << sinColor;
    EXPECT_NE(sinColor.find("Public Sub alfa()"), std::string::npos);
}

TEST(View, UnknownModulesAndProceduresAreInputErrors) {
    Carpeta c;
    auto vbp = ProyectoPequeno(c.Ruta()).string();
    auto modulo = Lintrap({"view", vbp, "--module", "NoHay"});
    EXPECT_EQ(modulo.codigo, 2);
    EXPECT_NE(modulo.err.find("no hay ningún módulo \"NoHay\""), std::string::npos) << modulo.err;
    EXPECT_EQ(modulo.out, "");

    // A property is not on the procedure list.
    auto propiedad = Lintrap({"view", vbp, "--module", "clsDato", "--proc", "Valor"});
    EXPECT_EQ(propiedad.codigo, 2);
    EXPECT_NE(propiedad.err.find("no tiene ningún procedimiento \"Valor\""), std::string::npos)
        << propiedad.err;

    auto sinModulo = Lintrap({"view", vbp});
    EXPECT_EQ(sinModulo.codigo, 2);
}

TEST(View, TheCodePageDecidesTheCharacters) {
    Carpeta c;
    auto vbp = ProyectoPequeno(c.Ruta()).string();
    auto r = Lintrap({"view", vbp, "--module", "cálculo", "--codepage", "1253", "--json"});
    // The module's name is read as Greek too: it is not "cálculo" there.
    EXPECT_EQ(r.codigo, 2);
    auto g = Lintrap({"view", vbp, "--module", "Cαlculo", "--codepage", "1253", "--json"});
    ASSERT_EQ(g.codigo, 0) << g.err;
    const auto j = nlohmann::json::parse(g.out);
    EXPECT_NE(j["text"].get<std::string>().find("Public Sub Aρo()"), std::string::npos);
}

} // namespace
