// The mail reports on Windows, under wine, handed to a mail program of the tests' own that
// notes what the simple mail interface gave it and answers as it is told.

#include "Ayudas.h"

#include "ClsErrores/App.h"
#include "ClsErrores/MandaEMAIL.h"

#include <windows.h>

#include <filesystem>

namespace {

// The machine's mail program is, while a test runs, the tests' own; the one before is put back.
class CorreoWindows : public Runtime {
protected:
    static constexpr auto Clientes = L"Software\\Clients\\Mail";
    void SetUp() override {
        DWORD tam = sizeof antes_;
        if (::RegGetValueW(HKEY_LOCAL_MACHINE, Clientes, nullptr, RRF_RT_REG_SZ, nullptr, antes_,
                           &tam) != ERROR_SUCCESS) {
            antes_[0] = 0;
        }
        const std::wstring dll =
            std::filesystem::absolute(LINTRAP_MAPI_FALSO).make_preferred().wstring();
        ASSERT_EQ(::RegSetKeyValueW(HKEY_LOCAL_MACHINE, Clientes, nullptr, REG_SZ,
                                    L"LintrapPruebas", sizeof(L"LintrapPruebas")),
                  ERROR_SUCCESS);
        ASSERT_EQ(::RegSetKeyValueW(HKEY_LOCAL_MACHINE, L"Software\\Clients\\Mail\\LintrapPruebas",
                                    L"DLLPath", REG_SZ, dll.c_str(),
                                    DWORD((dll.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
        ::SetEnvironmentVariableA("LINTRAP_MAPI_ANOTA", anotado.c_str());
    }
    void TearDown() override {
        ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Clients\\Mail\\LintrapPruebas");
        if (antes_[0]) {
            ::RegSetKeyValueW(HKEY_LOCAL_MACHINE, Clientes, nullptr, REG_SZ, antes_,
                              DWORD((wcslen(antes_) + 1) * sizeof(wchar_t)));
        } else {
            ::RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, Clientes, nullptr);
        }
    }
    const std::string anotado = (carpeta / "mapi.txt").string();

private:
    wchar_t antes_[256] = {};
};

TEST_F(CorreoWindows, TheMessageAsHandedOverAndTheUserToldWhenItWasNot) {
    InstalaCorreo();
    const std::string fallo = "No ha podido enviarse el email con el informe de errores. \r\n"
                              "Para enviar el informe puede ponerse en contacto con ";
    const std::string titulo = app::Title(); // plain ASCII: the same in the ANSI code page
    const struct {
        const char* destino;
        bool completo;
        const char* resultado;
        bool llamada, caja;
    } casos[] = {
        {"avisos@pruebas.example", false, "0", true, false},
        {"avisos@pruebas.example", true, "0", true, false},
        {"avisos@pruebas.example", false, "26", true, true},
        {"soporte@pruebas.example", true, "2", true, true},
        {"", false, "2", false, false}, // no address: nothing sent, nothing shown
        {"", true, "2", false, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.destino) + (c.completo ? " completo " : " corto ") +
                     c.resultado);
        guion.cajas.clear();
        std::filesystem::remove(anotado);
        ::SetEnvironmentVariableA("LINTRAP_MAPI_RESULTADO", c.resultado);
        e.EmailDir(c.destino);
        c.completo ? e.MandaEMAILCompleto() : e.MandaEMAIL();

        ASSERT_EQ(guion.cajas.size(), c.caja ? 1u : 0u);
        if (c.caja) {
            EXPECT_EQ(guion.cajas[0].prompt, fallo + c.destino);
            EXPECT_EQ(guion.cajas[0].buttons, vb::vbOKOnly);
            EXPECT_EQ(guion.cajas[0].title, titulo);
        }
        ASSERT_EQ(std::filesystem::exists(anotado), c.llamada);
        if (!c.llamada) {
            continue;
        }
        const std::string nota = soporte::Lee(anotado);
        const auto inicioCuerpo = nota.find("\ncuerpo ") + 8;
        const std::string cuerpo = nota.substr(inicioCuerpo, nota.size() - inicioCuerpo - 1);
        std::string esperado = "llamada 0 0 1 0\nasunto " +
                               std::string(c.completo ? "Informe de Errores Remotos en "
                                                      : "Informe de Error Remoto en ") +
                               titulo + "\ntipo IPM.\ndestinatarios 1\ndestinatario 1 " +
                               c.destino + " (null) 0\n";
        if (c.completo) {
            esperado += "adjuntos 1\nadjunto 0 " + std::to_string(cuerpo.size() - 1) + " " + log +
                        " Errores.log\n";
        } else {
            esperado += "adjuntos 0\n";
        }
        EXPECT_EQ(nota.substr(0, inicioCuerpo - 8 + 1), esperado);
        EXPECT_TRUE(cuerpo.starts_with(c.completo ? "Informe de errores en " + titulo + "\r\n\r\n"
                                                  : "Informe de error en " + titulo + "\r\n"))
            << cuerpo;
    }
}

} // namespace
