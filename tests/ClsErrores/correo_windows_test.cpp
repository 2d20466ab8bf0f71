// The mail reports on Windows, under wine, which has no mail program behind its simple mail
// interface: nothing is handed over, and the user is told once per report, naming the address.

#include "Ayudas.h"

#include "ClsErrores/App.h"
#include "ClsErrores/MandaEMAIL.h"

#include <windows.h>

namespace {

// Wine's own mail client passes any message on to the desktop's mail program: the machine's
// default client is set to one that is not installed, so that none is reached, and put back.
class CorreoWindows : public Runtime {
protected:
    static constexpr auto Clientes = L"Software\\Clients\\Mail";
    void SetUp() override {
        DWORD tam = sizeof antes_;
        if (::RegGetValueW(HKEY_LOCAL_MACHINE, Clientes, nullptr, RRF_RT_REG_SZ, nullptr, antes_,
                           &tam) != ERROR_SUCCESS) {
            antes_[0] = 0;
        }
        ASSERT_EQ(::RegSetKeyValueW(HKEY_LOCAL_MACHINE, Clientes, nullptr, REG_SZ,
                                    L"LintrapPruebas", sizeof(L"LintrapPruebas")),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        if (antes_[0]) {
            ::RegSetKeyValueW(HKEY_LOCAL_MACHINE, Clientes, nullptr, REG_SZ, antes_,
                              DWORD((wcslen(antes_) + 1) * sizeof(wchar_t)));
        } else {
            ::RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, Clientes, nullptr);
        }
    }

private:
    wchar_t antes_[256] = {};
};

TEST_F(CorreoWindows, MailThatCannotBeHandedOverIsToldOncePerReport) {
    InstalaCorreo();
    const std::string fallo = "No ha podido enviarse el email con el informe de errores. \r\n"
                              "Para enviar el informe puede ponerse en contacto con ";
    const struct {
        const char* destino;
        bool completo;
        std::size_t cajas;
    } casos[] = {
        {"avisos@pruebas.example", false, 1},
        {"avisos@pruebas.example", true, 1},
        {"", false, 0}, // no address: nothing sent, nothing shown
        {"", true, 0},
    };
    for (const auto& c : casos) {
        guion.cajas.clear();
        e.EmailDir(c.destino);
        if (c.completo) {
            e.MandaEMAILCompleto();
        } else {
            vb::Err().Fija(5, "Demo", "Llamada a procedimiento no válida");
            e.MandaEMAIL();
        }
        ASSERT_EQ(guion.cajas.size(), c.cajas) << c.destino << " " << c.completo;
        if (c.cajas == 1) {
            EXPECT_EQ(guion.cajas[0].prompt, fallo + c.destino);
            EXPECT_EQ(guion.cajas[0].buttons, vb::vbOKOnly);
            EXPECT_EQ(guion.cajas[0].title, app::Title());
        }
    }
}

} // namespace
