// The registry's values on either system (a store of the test's own on Linux, a key of the tests'
// own on Windows): each type as written, the conversions to the type asked for, and values that
// do not convert, reported and not written.

#include "Ayudas.h"

#include "ClsErrores/Registro.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

using registro::Valor;

constexpr auto Clave = "Software\\LintrapPruebas\\Configuración";
constexpr std::uint32_t HKCU = 0x80000001; // the name is a macro of <windows.h>

class RegistroValores : public Runtime {
protected:
    void SetUp() override {
#ifdef _WIN32
        ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\LintrapPruebas");
#endif
        guion.cajas.clear(); // creation may have spoken about the store
    }
    void TearDown() override {
        SetUp();
    }
    static void Pon(const char* nombre, const Valor& v, long tipo) {
        registro::RegistrySetKeyValue(HKCU, Clave, nombre, v, tipo);
    }
    static Valor Toma(const char* nombre) {
        return registro::RegistryGetKeyValue(HKCU, Clave, nombre);
    }
};

TEST_F(RegistroValores, EachTypeComesBackAsWrittenOrConverted) {
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
    };
    for (const auto& c : casos) {
        Pon(c.nombre, c.puesto, c.tipo);
    }
    for (const auto& c : casos) {
        EXPECT_EQ(Toma(c.nombre), c.leido == Valor{} ? c.puesto : c.leido) << c.nombre;
    }
    EXPECT_TRUE(guion.cajas.empty());
}

TEST_F(RegistroValores, AValueThatDoesNotConvertIsReportedAndNotWritten) {
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

} // namespace
