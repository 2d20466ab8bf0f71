// The registry functions on either system, under a key of the tests' own: on Linux a store file
// of the test's own, on Windows wine's real registry. Each type as written, the conversions, what
// reads as empty; then what only one system has (the store file, the system's own value types).

#include "Ayudas.h"

#include "ClsErrores/Registro.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <nlohmann/json.hpp>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

using registro::Valor;

constexpr auto Clave = "Software\\LintrapPruebas\\Configuración";
constexpr std::uint32_t HKCU = 0x80000001, HKLM = 0x80000002; // the names are macros on Windows

class Registro : public Runtime {
protected:
    void SetUp() override {
#ifdef _WIN32
        ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\LintrapPruebas");
#else
        std::filesystem::remove(almacen); // what the handler wrote
#endif
        guion.cajas.clear(); // creation may have spoken about the store
    }
    void TearDown() override {
        SetUp();
    }
    static void Pon(const char* nombre, const Valor& v, long tipo, const char* clave = Clave) {
        registro::RegistrySetKeyValue(HKCU, clave, nombre, v, tipo);
    }
    static Valor Toma(const char* nombre, std::uint32_t raiz = HKCU, const char* clave = Clave) {
        return registro::RegistryGetKeyValue(raiz, clave, nombre);
    }
};

TEST_F(Registro, EachTypeComesBackAsWrittenOrConverted) {
    using Bytes = std::vector<unsigned char>;
    const struct {
        const char* nombre;
        Valor puesto;
        long tipo;
        Valor leido = {}; // when not what was written
    } casos[] = {
        {"texto", std::string("Hola, año"), 1},
        {"bytes", Bytes{0, 1, 0xFE, 0xFF}, 3},
        {"número", std::int32_t{-123456}, 4},
        {"", std::string(), 1},
        {"vacío", Bytes{}, 3},
        {"n", std::string(" 42 "), 4, std::int32_t{42}},
        {"t", std::int32_t{-5}, 1, std::string("-5")},
        {"nul", std::string("ab\0cd", 5), 1, std::string("ab")}, // a text ends at its NUL
        {"otro", std::int32_t{7}, 4},
        {"otro", std::string("siete"), 1}, // overwriting changes the type too
    };
    for (const auto& c : casos) {
        Pon(c.nombre, c.puesto, c.tipo);
    }
    for (const auto& c : casos) {
        if (c.nombre != std::string("otro")) {
            EXPECT_EQ(Toma(c.nombre), c.leido == Valor{} ? c.puesto : c.leido) << c.nombre;
        }
    }
    EXPECT_EQ(Toma("otro"), Valor(std::string("siete")));
    // Key names ignore case; the roots are separate; another type writes nothing.
    Pon("v", std::string("x"), 2, "Software\\LintrapPruebas\\Nueva");
    for (auto [raiz, clave, nombre, leido] :
         {std::tuple{HKCU, "software\\LINTRAPPRUEBAS\\configuración", "TEXTO",
                     Valor(std::string("Hola, año"))},
          {HKLM, Clave, "texto", Valor{}},
          {0x12345678, Clave, "texto", Valor{}},
          {HKCU, Clave, "no hay", Valor{}},
          {HKCU, "Software\\LintrapPruebas\\Nada", "texto", Valor{}},
          {HKCU, "Software\\LintrapPruebas\\Nueva", "v", Valor{}}}) {
        EXPECT_EQ(Toma(nombre, raiz, clave), leido) << clave << " " << nombre;
    }
    EXPECT_TRUE(guion.cajas.empty());
}

TEST_F(Registro, AValueThatDoesNotConvertIsReportedAndNotWritten) {
    Pon("n", std::int32_t{42}, 4);
    const struct {
        Valor valor;
        long tipo;
        const char* caja;
    } casos[] = {
        {std::string("cuarenta"), 4, "Error: 13. No coinciden los tipos"},
        {std::string("99999999999"), 4, "Error: 6. Desbordamiento"},
        {std::int32_t{1}, 3, "Error: 13. No coinciden los tipos"},
    };
    for (const auto& c : casos) {
        guion.cajas.clear();
        Pon("n", c.valor, c.tipo);
        ASSERT_EQ(guion.cajas.size(), 1u);
        EXPECT_EQ(guion.cajas[0].prompt, c.caja);
        EXPECT_EQ(guion.cajas[0].title, "RegistrySetKeyValue");
        EXPECT_EQ(guion.cajas[0].buttons, 0);
        EXPECT_EQ(Toma("n"), Valor(std::int32_t{42}));
    }
}

#ifdef _WIN32
// Values of other types or sizes written behind the functions' back, and the texts' own form.
TEST_F(Registro, SystemValuesOfOtherTypesAndTextsInUnicode) {
    const std::wstring clave = L"Software\\LintrapPruebas\\Configuración";
    const auto crudo = [&](const wchar_t* nombre, DWORD tipo, const void* datos, DWORD tam) {
        EXPECT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, clave.c_str(), nombre, tipo, datos, tam),
                  ERROR_SUCCESS);
    };
    const wchar_t expandible[] = L"%PATH%";
    const long long q = 5;
    crudo(L"expandible", REG_EXPAND_SZ, expandible, sizeof expandible);
    crudo(L"qword", REG_QWORD, &q, sizeof q);
    crudo(L"cero", REG_SZ, nullptr, 0);
    EXPECT_EQ(Toma("expandible"), Valor{});
    EXPECT_EQ(Toma("qword"), Valor{});
    EXPECT_EQ(Toma("cero"), Valor(std::string())); // size zero: the empty text, not empty

    Pon("texto", std::string("Hola, año"), 1);
    wchar_t datos[32] = {};
    DWORD tipo = 0, tam = sizeof datos;
    ASSERT_EQ(::RegGetValueW(HKEY_CURRENT_USER, clave.c_str(), L"texto", RRF_RT_ANY | RRF_NOEXPAND,
                             &tipo, datos, &tam),
              ERROR_SUCCESS);
    EXPECT_EQ(tipo, DWORD(REG_SZ));
    EXPECT_EQ(tam, sizeof(L"Hola, año"));
    EXPECT_EQ(std::wstring(datos), L"Hola, año");
}
#else
// The store file: a key made by another type, a value of another type in it, damage left alone.
TEST_F(Registro, TheStoreFile) {
    EXPECT_EQ(Toma("x"), Valor{}); // no store at all
    EXPECT_FALSE(std::filesystem::exists(almacen));
    Pon("v", std::string("x"), 2, "Software\\LintrapPruebas\\Nueva");
    auto j = nlohmann::json::parse(soporte::Lee(almacen));
    EXPECT_TRUE(j.at("HKEY_CURRENT_USER").at("Software\\LintrapPruebas\\Nueva").empty());
    j["HKEY_CURRENT_USER"][Clave]["expandible"] = {{"tipo", 2}, {"valor", "%PATH%"}};
    soporte::Escribe(almacen, j.dump());
    EXPECT_EQ(Toma("expandible"), Valor{});
    EXPECT_TRUE(guion.cajas.empty());

    soporte::Escribe(almacen, "{ esto no es JSON"); // damaged: reported and left alone
    EXPECT_EQ(Toma("texto"), Valor{});
    Pon("x", std::string("y"), 1);
    ASSERT_EQ(guion.cajas.size(), 1u);
    EXPECT_TRUE(guion.cajas[0].prompt.starts_with("Error: 75. "));
    EXPECT_NE(guion.cajas[0].prompt.find(almacen), std::string::npos);
    EXPECT_EQ(soporte::Lee(almacen), "{ esto no es JSON");
}

TEST_F(Registro, CreationRegistersTheMailClientOnlyWhenNothingIsThere) {
    constexpr auto Mapi = "SOFTWARE\\Microsoft\\Windows Messaging Subsystem\\MSMapiApps";
    for (const char* antes : {static_cast<const char*>(nullptr), "Thunderbird", ""}) {
        if (antes) {
            registro::RegistrySetKeyValue(HKLM, Mapi, "tarvolk", std::string(antes), 1);
        }
        clsErrores otro;
        EXPECT_EQ(Toma("tarvolk", HKLM, Mapi),
                  Valor(std::string(antes && *antes ? antes : "Microsoft Outlook")));
    }
    EXPECT_TRUE(guion.cajas.empty());
}

TEST_F(Registro, TwoProgramsWritingAtOnceLoseNothing) {
    const auto nombre = [](int p, int i) { return std::to_string(p) + "_" + std::to_string(i); };
    pid_t hijos[2];
    for (int p = 0; p < 2; ++p) {
        if ((hijos[p] = ::fork()) == 0) {
            for (int i = 0; i < 60; ++i) {
                Pon(nombre(p, i).c_str(), std::int32_t{i}, 4);
            }
            ::_exit(0);
        }
    }
    for (pid_t h : hijos) {
        int estado = 0;
        ::waitpid(h, &estado, 0);
        EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
    }
    for (int p = 0; p < 2; ++p) {
        for (int i = 0; i < 60; ++i) {
            EXPECT_EQ(Toma(nombre(p, i).c_str()), Valor(std::int32_t{i})) << p << " " << i;
        }
    }
    // Only the store and its lock remain: no temporary files.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(carpeta.Ruta()), {}), 2);
}
#endif

} // namespace
