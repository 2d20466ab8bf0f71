// The registry functions over wine's real registry, under HKEY_CURRENT_USER in a key of the
// tests' own that is removed before and after (the values themselves: registro_valores_test.cpp).

#include "ClsErrores/Registro.h"
#include "tests/support/Guion.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

using registro::Valor;

constexpr auto Raiz = L"Software\\LintrapPruebas";
constexpr auto Clave = "Software\\LintrapPruebas\\Configuración";
constexpr auto ClaveW = L"Software\\LintrapPruebas\\Configuración";
constexpr std::uint32_t HKCU = 0x80000001;

class RegistroWindows : public ::testing::Test {
protected:
    void SetUp() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, Raiz); }
    void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, Raiz); }

    // Writes a value behind the functions' back, with any type and size.
    static void PonCrudo(const wchar_t* nombre, DWORD tipo, const void* datos, DWORD tam) {
        ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, ClaveW, nombre, tipo, datos, tam),
                  ERROR_SUCCESS);
    }
    soporte::Guion guion;
};

TEST_F(RegistroWindows, WhatReadsAsEmpty) {
    const wchar_t expandible[] = L"%PATH%";
    const long long q = 5;
    PonCrudo(L"expandible", REG_EXPAND_SZ, expandible, sizeof expandible);
    PonCrudo(L"qword", REG_QWORD, &q, sizeof q);
    PonCrudo(L"cero", REG_SZ, nullptr, 0);
    const struct {
        std::uint32_t raiz;
        const char* clave;
        const char* nombre;
        Valor esperado;
    } casos[] = {
        {HKCU, Clave, "expandible", {}},
        {HKCU, Clave, "qword", {}},
        {HKCU, Clave, "no hay", {}},
        {HKCU, "Software\\LintrapPruebas\\Nada", "texto", {}},
        {0x12345678, Clave, "cero", {}},
        {HKCU, Clave, "cero", std::string()}, // size zero: the empty text, not empty
    };
    for (const auto& c : casos) {
        EXPECT_EQ(registro::RegistryGetKeyValue(c.raiz, c.clave, c.nombre), c.esperado)
            << c.clave << " " << c.nombre;
    }
    EXPECT_TRUE(guion.cajas.empty());
}

TEST_F(RegistroWindows, TextsAreStoredInUnicodeWithTheirNul) {
    registro::RegistrySetKeyValue(HKCU, Clave, "texto", std::string("Hola, año"), 1);
    wchar_t datos[32] = {};
    DWORD tipo = 0, tam = sizeof datos;
    ASSERT_EQ(::RegGetValueW(HKEY_CURRENT_USER, ClaveW, L"texto", RRF_RT_ANY | RRF_NOEXPAND, &tipo,
                             datos, &tam),
              ERROR_SUCCESS);
    EXPECT_EQ(tipo, DWORD(REG_SZ));
    EXPECT_EQ(tam, sizeof(L"Hola, año"));
    EXPECT_EQ(std::wstring(datos), L"Hola, año");
}

TEST_F(RegistroWindows, AnotherTypeCreatesTheKeyAndWritesNothing) {
    registro::RegistrySetKeyValue(HKCU, Clave, "v", std::string("x"), 2);
    HKEY clave = nullptr;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, ClaveW, 0, KEY_READ, &clave), ERROR_SUCCESS);
    DWORD valores = 99;
    EXPECT_EQ(::RegQueryInfoKeyW(clave, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                 &valores, nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(valores, 0u);
    ::RegCloseKey(clave);
    EXPECT_TRUE(guion.cajas.empty());
}

} // namespace
