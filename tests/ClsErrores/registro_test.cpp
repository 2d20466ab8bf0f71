// The registry store on Linux: what reads as empty, the file it keeps, and two programs writing
// at the same time (the values themselves: registro_valores_test.cpp).

#include "Ayudas.h"

#include "ClsErrores/Registro.h"

#include <nlohmann/json.hpp>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

using namespace registro;

constexpr auto Clave = "SOFTWARE\\Lintrap\\Pruebas";

class Registro : public Runtime {
protected:
    void SetUp() override { std::filesystem::remove(almacen); } // what the handler wrote
    static void Pon(const char* nombre, const Valor& v, long tipo) {
        RegistrySetKeyValue(HKEY_CURRENT_USER, Clave, nombre, v, tipo);
    }
    static Valor Toma(const char* nombre) {
        return RegistryGetKeyValue(HKEY_CURRENT_USER, Clave, nombre);
    }
};

// What reads as empty, the case of key names, and what the store file holds.
TEST_F(Registro, WhatReadsAsEmptyAndTheStoreFile) {
    EXPECT_EQ(RegistryGetKeyValue(HKEY_LOCAL_MACHINE, Clave, "x"), Valor{}); // no store at all
    EXPECT_FALSE(std::filesystem::exists(almacen));
    Pon("texto", std::string("Hola"), REG_SZ);
    // Key names ignore case, as the registry's do; the roots are separate.
    EXPECT_EQ(RegistryGetKeyValue(HKEY_CURRENT_USER, "software\\LINTRAP\\pruebas", "TEXTO"),
              Valor(std::string("Hola")));
    EXPECT_EQ(RegistryGetKeyValue(HKEY_LOCAL_MACHINE, Clave, "texto"), Valor{});
    EXPECT_EQ(RegistryGetKeyValue(0x12345678, Clave, "texto"), Valor{});
    EXPECT_EQ(Toma("otro"), Valor{});
    EXPECT_EQ(RegistryGetKeyValue(HKEY_CURRENT_USER, "SOFTWARE\\Nada", "texto"), Valor{});
    Pon("texto", std::int32_t{7}, REG_DWORD); // overwriting changes the type too
    EXPECT_EQ(Toma("texto"), Valor(std::int32_t{7}));

    // Another type creates the key and writes nothing; one in the file reads as empty.
    RegistrySetKeyValue(HKEY_CURRENT_USER, "SOFTWARE\\Nueva", "v", std::string("x"), 2);
    auto j = nlohmann::json::parse(soporte::Lee(almacen));
    EXPECT_TRUE(j.at("HKEY_CURRENT_USER").at("SOFTWARE\\Nueva").empty());
    j["HKEY_CURRENT_USER"][Clave]["expandible"] = {{"tipo", 2}, {"valor", "%PATH%"}};
    soporte::Escribe(almacen, j.dump());
    EXPECT_EQ(Toma("expandible"), Valor{});
    EXPECT_TRUE(guion.cajas.empty());

    soporte::Escribe(almacen, "{ esto no es JSON"); // damaged: reported and left alone
    EXPECT_EQ(Toma("texto"), Valor{});
    Pon("x", std::string("y"), REG_SZ);
    ASSERT_EQ(guion.cajas.size(), 1u);
    EXPECT_TRUE(guion.cajas[0].prompt.starts_with("Error: 75. "));
    EXPECT_NE(guion.cajas[0].prompt.find(almacen), std::string::npos);
    EXPECT_EQ(soporte::Lee(almacen), "{ esto no es JSON");
}

TEST_F(Registro, CreationRegistersTheMailClientOnlyWhenNothingIsThere) {
    constexpr auto Mapi = "SOFTWARE\\Microsoft\\Windows Messaging Subsystem\\MSMapiApps";
    for (const char* antes : {static_cast<const char*>(nullptr), "Thunderbird", ""}) {
        if (antes) {
            RegistrySetKeyValue(HKEY_LOCAL_MACHINE, Mapi, "tarvolk", std::string(antes), REG_SZ);
        }
        clsErrores otro;
        EXPECT_EQ(RegistryGetKeyValue(HKEY_LOCAL_MACHINE, Mapi, "tarvolk"),
                  Valor(std::string(antes && *antes ? antes : "Microsoft Outlook")));
    }
    EXPECT_TRUE(guion.cajas.empty());
}

#ifndef _WIN32 // two processes made by fork
TEST_F(Registro, TwoProgramsWritingAtOnceLoseNothing) {
    const auto nombre = [](int p, int i) { return std::to_string(p) + "_" + std::to_string(i); };
    pid_t hijos[2];
    for (int p = 0; p < 2; ++p) {
        if ((hijos[p] = ::fork()) == 0) {
            for (int i = 0; i < 60; ++i) {
                Pon(nombre(p, i).c_str(), std::int32_t{i}, REG_DWORD);
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
