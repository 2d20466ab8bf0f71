// What ManejoError tells the user, byte for byte, what it sends, and the error it leaves for the
// caller: the steps of data/clserrores/mensajes_pasos.txt and what they show, in
// mensajes_cajas.txt.

#include "Ayudas.h"

#include "base/ErrorVB.h"
#include "tests/support/Tabla.h"

namespace {

// Line breaks shown as "\r" and "\n": a box's text on one line.
std::string Linea(std::string t) {
    for (std::size_t i = 0; (i = t.find_first_of("\r\n", i)) != std::string::npos; i += 2) {
        t.replace(i, 1, t[i] == '\r' ? "\\r" : "\\n");
    }
    return t;
}

class Mensajes : public Runtime {
protected:
    std::string envio;
    void SetUp() override {
        FijaEnvioCorreo([this](clsErrores&, bool completo) {
            envio += completo ? "envío completo\n" : "envío corto\n";
        });
    }
    void TearDown() override { FijaEnvioCorreo(nullptr); }
};

TEST_F(Mensajes, EachStepShowsAndSends) {
    std::string visto; // what the steps showed and sent, and the error each left
    for (const auto& p : soporte::Tabla("clserrores/mensajes_pasos.txt")) {
        visto += "$ " + p[0] + "\n";
        guion.cajas.clear();
        e.MsgOnError(p[2]);
        e.MandaEmailOnError(p[3] == "1");
        e.EmailDir(p[4]);
        for (char r : p[5]) {
            guion.respuestas.push_back(r - '0');
        }
        e.Push(p[6]);
        p[1] == "completo" ? e.MandaEMAILCompleto() : Falla(std::stol(p[7]), p[9], std::stol(p[8]));
        e.Pop();
        for (const auto& c : guion.cajas) {
            visto += "MsgBox(" + std::to_string(c.buttons) + ", " + c.title +
                     "): " + Linea(c.prompt) + "\n";
        }
        visto += std::exchange(envio, "");
        const auto& x = vb::Err();
        visto += "Err = " + std::to_string(x.Number) + " " + x.Source + " " +
                 std::to_string(x.Erl) + " " + x.Description +
                 "; clsErrores = " + std::to_string(e.ErrNumber()) + " " + e.ErrSource() + " " +
                 std::to_string(e.ErrLine()) + " '" + e.ErrProcedure() + "'\n";
    }
    EXPECT_EQ(visto, soporte::Esperado("clserrores/mensajes_cajas.txt", visto));
    EXPECT_FALSE(std::filesystem::exists(log)); // the log is off
}

TEST_F(Mensajes, FailingBoxOrMailCostsOnlyThatStep) {
    struct Rota : vb::Dialogos {
        int MsgBox(const std::string&, int, const std::string&) override {
            throw std::runtime_error("sin pantalla");
        }
    } rota;
    vb::FijaDialogos(&rota);
    FijaEnvioCorreo([](clsErrores&, bool) { throw ErrorVB(1, "x", "y"); });
    e.MandaEmailOnError(true);
    e.LogOnError(true);
    Falla(76, "Ruta no encontrada", 9);
    vb::FijaDialogos(&guion);
    EXPECT_EQ(vb::Err().Number, 76);
    EXPECT_EQ(vb::Err().Description, "Ruta no encontrada");
    EXPECT_NE(soporte::Lee(log).find("ErrorNumber = 76\r\n"), std::string::npos);
}

} // namespace
