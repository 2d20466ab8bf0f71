// The registry store: the value model, what reads as empty, the file it keeps, and two
// programs writing at the same time.

#include "Ayudas.h"

#include "ClsErrores/Registro.h"
#include "ClsErrores/clsErrores.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

using namespace registro;

constexpr auto Clave = "SOFTWARE\\Lintrap\\Pruebas";

class Registro : public ::testing::Test {
protected:
    prueba::Carpeta carpeta;
    prueba::AlmacenTemporal almacen{carpeta};
    prueba::Guion guion;
};

TEST_F(Registro, ValuesComeBackAsWrittenForEachType) {
    RegistrySetKeyValue(HKEY_CURRENT_USER, Clave, "texto", std::string("Hola, año"), REG_SZ);
    RegistrySetKeyValue(HKEY_CURRENT_USER, Clave, "bytes",
                        std::vector<unsigned char>{0, 1, 0xFE, 0xFF}, REG_BINARY);
    RegistrySetKeyValue(HKEY_CURRENT_USER, Clave, "numero", std::int32_t{-123456}, REG_DWORD);
    RegistrySetKeyValue(HKEY_CURRENT_USER, Clave, "", std::string("predeterminado"), REG_SZ);

    EXPECT_EQ(RegistryGetKeyValue(HKEY_CURRENT_USER, Clave, "texto"),
              Valor(std::string("Hola, año")));
    EXPECT_EQ(RegistryGetKeyValue(HKEY_CURRENT_USER, Clave, "bytes"),
              Valor(std::vector<unsigned char>{0, 1, 0xFE, 0xFF}));
    EXPECT_EQ(RegistryGetKeyValue(HKEY_CURRENT_USER, Clave, "numero"),
              Valor(std::int32_t{-123456}));
    EXPECT_EQ(RegistryGetKeyValue(HKEY_CURRENT_USER, Clave, ""),
              Valor(std::string("predeterminado")));
    // Key names ignore case, as the registry's do; the roots are separate.
    EXPECT_EQ(RegistryGetKeyValue(HKEY_CURRENT_USER, "software\\LINTRAP\\pruebas", "TEXTO"),
              Valor(std::string("Hola, año")));
    EXPECT_EQ(RegistryGetKeyValue(HKEY_LOCAL_MACHINE, Clave, "texto"), Valor{});

    // Overwriting changes the type too.
    RegistrySetKeyValue(HKEY_CURRENT_USER, Clave, "texto", std::int32_t{7}, REG_DWORD);
    EXPECT_EQ(RegistryGetKeyValue(HKEY_CURRENT_USER, Clave, "texto"), Valor(std::int32_t{7}));
    EXPECT_TRUE(guion.cajas.empty());
}

TEST_F(Registro, MissingThingsAndEmptyValues) {
    EXPECT_EQ(RegistryGetKeyValue(HKEY_LOCAL_MACHINE, Clave, "x"), Valor{}); // no store at all
    EXPECT_FALSE(std::filesystem::exists(almacen.ruta));

    RegistrySetKeyValue(HKEY_CURRENT_USER, Clave, "vacio", std::string(), REG_SZ);
    RegistrySetKeyValue(HKEY_CURRENT_USER, Clave, "sinbytes", std::vector<unsigned char>{},
                        REG_BINARY);
    EXPECT_EQ(RegistryGetKeyValue(HKEY_CURRENT_USER, Clave, "vacio"), Valor(std::string()));
    EXPECT_EQ(RegistryGetKeyValue(HKEY_CURRENT_USER, Clave, "sinbytes"),
              Valor(std::vector<unsigned char>{}));
    EXPECT_EQ(RegistryGetKeyValue(HKEY_CURRENT_USER, Clave, "otro"), Valor{});
    EXPECT_EQ(RegistryGetKeyValue(HKEY_CURRENT_USER, "SOFTWARE\\Nada", "vacio"), Valor{});
    EXPECT_EQ(RegistryGetKeyValue(0x12345678, Clave, "vacio"), Valor{});

    // A text is kept up to its terminating NUL.
    RegistrySetKeyValue(HKEY_CURRENT_USER, Clave, "nul", std::string("ab\0cd", 5), REG_SZ);
    EXPECT_EQ(RegistryGetKeyValue(HKEY_CURRENT_USER, Clave, "nul"), Valor(std::string("ab")));

    // Another type creates the key and writes nothing.
    RegistrySetKeyValue(HKEY_CURRENT_USER, "SOFTWARE\\Nueva", "v", std::string("x"), 2);
    EXPECT_EQ(RegistryGetKeyValue(HKEY_CURRENT_USER, "SOFTWARE\\Nueva", "v"), Valor{});
    const auto j = nlohmann::json::parse(prueba::Lee(almacen.ruta));
    EXPECT_TRUE(j.at("HKEY_CURRENT_USER").at("SOFTWARE\\Nueva").empty());

    // A stored type other than 1, 3 and 4 reads as empty (a hand-edited file, for instance).
    auto k = j;
    k["HKEY_CURRENT_USER"]["SOFTWARE\\Nueva"]["expandible"] = {{"tipo", 2}, {"valor", "%PATH%"}};
    std::ofstream(almacen.ruta) << k.dump();
    EXPECT_EQ(RegistryGetKeyValue(HKEY_CURRENT_USER, "SOFTWARE\\Nueva", "expandible"), Valor{});
    EXPECT_TRUE(guion.cajas.empty());
}

TEST_F(Registro, ConversionsAndTheirFailures) {
    RegistrySetKeyValue(HKEY_CURRENT_USER, Clave, "n", std::string(" 42 "), REG_DWORD);
    EXPECT_EQ(RegistryGetKeyValue(HKEY_CURRENT_USER, Clave, "n"), Valor(std::int32_t{42}));
    RegistrySetKeyValue(HKEY_CURRENT_USER, Clave, "t", std::int32_t{-5}, REG_SZ);
    EXPECT_EQ(RegistryGetKeyValue(HKEY_CURRENT_USER, Clave, "t"), Valor(std::string("-5")));
    ASSERT_TRUE(guion.cajas.empty());

    RegistrySetKeyValue(HKEY_CURRENT_USER, Clave, "n", std::string("cuarenta"), REG_DWORD);
    RegistrySetKeyValue(HKEY_CURRENT_USER, Clave, "n", std::string("99999999999"), REG_DWORD);
    RegistrySetKeyValue(HKEY_CURRENT_USER, Clave, "n", std::int32_t{1}, REG_BINARY);
    ASSERT_EQ(guion.cajas.size(), 3u);
    EXPECT_EQ(guion.cajas[0].prompt, "Error: 13. No coinciden los tipos");
    EXPECT_EQ(guion.cajas[0].title, "RegistrySetKeyValue");
    EXPECT_EQ(guion.cajas[0].buttons, vb::vbOKOnly);
    EXPECT_EQ(guion.cajas[1].prompt, "Error: 6. Desbordamiento");
    EXPECT_EQ(RegistryGetKeyValue(HKEY_CURRENT_USER, Clave, "n"), Valor(std::int32_t{42}));
}

TEST_F(Registro, DamagedStoreIsReportedAndLeftAlone) {
    std::ofstream(almacen.ruta) << "{ esto no es JSON";
    EXPECT_EQ(RegistryGetKeyValue(HKEY_CURRENT_USER, Clave, "x"), Valor{});
    EXPECT_TRUE(guion.cajas.empty());
    RegistrySetKeyValue(HKEY_CURRENT_USER, Clave, "x", std::string("y"), REG_SZ);
    ASSERT_EQ(guion.cajas.size(), 1u);
    EXPECT_TRUE(guion.cajas[0].prompt.starts_with("Error: 75. "));
    EXPECT_NE(guion.cajas[0].prompt.find(almacen.ruta), std::string::npos);
    EXPECT_EQ(prueba::Lee(almacen.ruta), "{ esto no es JSON");
}

TEST_F(Registro, CreationRegistersTheMailClientOnlyWhenNothingIsThere) {
    constexpr auto Mapi = "SOFTWARE\\Microsoft\\Windows Messaging Subsystem\\MSMapiApps";
    { clsErrores e; }
    EXPECT_EQ(RegistryGetKeyValue(HKEY_LOCAL_MACHINE, Mapi, "tarvolk"),
              Valor(std::string("Microsoft Outlook")));

    RegistrySetKeyValue(HKEY_LOCAL_MACHINE, Mapi, "tarvolk", std::string("Thunderbird"), REG_SZ);
    { clsErrores e; }
    EXPECT_EQ(RegistryGetKeyValue(HKEY_LOCAL_MACHINE, Mapi, "tarvolk"),
              Valor(std::string("Thunderbird")));

    RegistrySetKeyValue(HKEY_LOCAL_MACHINE, Mapi, "tarvolk", std::string(), REG_SZ);
    { clsErrores e; }
    EXPECT_EQ(RegistryGetKeyValue(HKEY_LOCAL_MACHINE, Mapi, "tarvolk"),
              Valor(std::string("Microsoft Outlook")));
    EXPECT_TRUE(guion.cajas.empty());
}

#ifndef _WIN32 // two processes made by fork
TEST_F(Registro, TwoProgramsWritingAtOnceLoseNothing) {
    constexpr int Valores = 60;
    pid_t hijos[2];
    for (int p = 0; p < 2; ++p) {
        hijos[p] = ::fork();
        ASSERT_GE(hijos[p], 0);
        if (hijos[p] == 0) {
            for (int i = 0; i < Valores; ++i) {
                RegistrySetKeyValue(HKEY_CURRENT_USER, Clave,
                                    prueba::Con(prueba::Con("p", p) + "_", i), std::int32_t{i},
                                    REG_DWORD);
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
        for (int i = 0; i < Valores; ++i) {
            EXPECT_EQ(RegistryGetKeyValue(HKEY_CURRENT_USER, Clave,
                                          prueba::Con(prueba::Con("p", p) + "_", i)),
                      Valor(std::int32_t{i}))
                << p << " " << i;
        }
    }
    // Only the store and its lock remain: no temporary files.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(carpeta.ruta()), {}), 2);
}
#endif

} // namespace
