// The registry functions on either system, under a key of the tests' own: on Linux a store file
// of the test's own, on Windows wine's real registry. Each type as written, the conversions, what
// reads as empty; then what only one system has (the store file, the system's own value types).

#include "Ayudas.h"

#include "ClsErrores/Registro.h"
#include "tests/support/Tabla.h"

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

// A value as data/clserrores/registro.txt writes it.
Valor Lee(const std::string& t) {
    std::string v = t.substr(std::min<std::size_t>(2, t.size()));
    if (t.starts_with("b:")) {
        std::vector<unsigned char> b;
        for (std::size_t i = 0; i + 1 < v.size(); i += 2) {
            b.push_back(static_cast<unsigned char>(std::stoi(v.substr(i, 2), nullptr, 16)));
        }
        return b;
    }
    v = soporte::Sustituye(v, {{"\\0", std::string(1, '\0')}});
    return t.starts_with("n:")   ? Valor(std::int32_t(std::stol(v)))
           : t.starts_with("s:") ? Valor(v)
                                 : Valor{};
}

TEST_F(Registro, WritesAndReadsOfTheTable) {
    for (const auto& f : soporte::Tabla("clserrores/registro.txt")) {
        const std::string clave = f[2] == "-" ? Clave : f[2];
        const auto raiz = f[1] == "HKCU"   ? HKCU
                          : f[1] == "HKLM" ? HKLM
                                           : std::stoul(f[1], nullptr, 0);
        guion.cajas.clear();
        if (f[0] == "pon") {
            registro::RegistrySetKeyValue(raiz, clave, f[3], Lee(f[5]), std::stol(f[4]));
        } else {
            EXPECT_EQ(registro::RegistryGetKeyValue(raiz, clave, f[3]), Lee(f[5]))
                << clave << " " << f[3];
        }
        std::string cajas;
        for (const auto& c : guion.cajas) {
            cajas += c.title + " " + std::to_string(c.buttons) + ": " + c.prompt;
        }
        EXPECT_EQ(cajas, f.size() > 6 ? f[6] : "") << f[0] << " " << f[3] << " " << f[5];
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
