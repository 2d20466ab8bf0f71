// What ManejoError tells the user, byte for byte, and the error it leaves for the caller.

#include "Ayudas.h"

#include "base/ErrorVB.h"
#include "tests/support/Tabla.h"

namespace {

const std::string Aviso = "Se enviará automáticamente un email informando\r\n"
                          "del tipo de error al autor de la aplicación.\r\n\r\n"
                          "Pulse 'Cancelar' si no quiere que se envie ningún mensaje";

std::string Estandar(const std::string& proc, const std::string& linea, long numero,
                     const std::string& descripcion) {
    return "Ha ocurrido un error.\r\n\r\nProcedimiento:   '" + proc + "'\r\nLínea: " + linea +
           "\r\nNº Error: " + std::to_string(numero) + "\r\nDescripción: " + descripcion;
}

class Mensajes : public Runtime {
protected:
    std::vector<bool> envios;
    void SetUp() override {
        FijaEnvioCorreo([this](clsErrores&, bool completo) { envios.push_back(completo); });
        guion.cajas.clear(); // creation may have spoken about the store
    }
    void TearDown() override { FijaEnvioCorreo(nullptr); }
};

TEST_F(Mensajes, StandardMessageInAnyCaseOfNormal) {
    for (const char* modo : {"normal", "NORMAL", "Normal"}) {
        guion.cajas.clear();
        e.MsgOnError(modo);
        e.Push("frmAddIn \\ Insertar");
        Falla(53, "No se ha encontrado el archivo", 120);
        e.Pop();
        ASSERT_EQ(guion.cajas.size(), 1u) << modo;
        EXPECT_EQ(guion.cajas[0].prompt,
                  Estandar("frmAddIn \\ Insertar", "120", 53, "No se ha encontrado el archivo"));
        EXPECT_EQ(guion.cajas[0].buttons, 16);
        EXPECT_EQ(guion.cajas[0].title, "Lintrap");
    }
    Falla(5, "Llamada a procedimiento no válida");
    EXPECT_EQ(guion.cajas.back().prompt,
              Estandar("", "<desconocida>", 5, "Llamada a procedimiento no válida"));
}

TEST_F(Mensajes, DescriptionWrapping) {
    // The rows of data/clserrores/descripciones.txt: a description as given and as shown.
    for (const auto& fila : soporte::Tabla("clserrores/descripciones.txt")) {
        Falla(1, fila[0], 1);
        EXPECT_EQ(guion.cajas.back().prompt, Estandar("", "1", 1, fila[1]));
    }
    e.MsgOnError("Algo ha ido mal.\r\nAvise al servicio técnico."); // a message of its own
    Falla(91, "Variable de objeto no establecida", 7);
    EXPECT_EQ(guion.cajas.back().prompt, "Algo ha ido mal.\r\nAvise al servicio técnico.");
    EXPECT_EQ(guion.cajas.back().buttons, 16);
}

TEST_F(Mensajes, MailPromptAfterTheMessageOrAloneWhenNoMessage) {
    e.MandaEmailOnError(true);
    Falla(53, "d");
    ASSERT_EQ(guion.cajas.size(), 2u);
    EXPECT_EQ(guion.cajas[1].prompt, Aviso);
    EXPECT_EQ(guion.cajas[1].buttons, 1);
    EXPECT_EQ(guion.cajas[1].title, "Lintrap");
    e.MsgOnError("");
    Falla(53, "d");
    ASSERT_EQ(guion.cajas.size(), 3u);
    EXPECT_EQ(guion.cajas[2].prompt, "Ocurrió un error inesperado.\r\n\r\n" + Aviso);
    EXPECT_EQ(envios, (std::vector<bool>{false, false}));
    e.EmailDir(""); // no address: nothing sent even on OK
    Falla(1, "d");
    EXPECT_EQ(envios.size(), 2u);
    e.EmailDir("a@b.invalid");
    e.MandaEMAILCompleto();
    EXPECT_EQ(envios, (std::vector<bool>{false, false, true}));
}

// Whatever the user is shown (or nothing at all), the error stays for the caller's handler.
TEST_F(Mensajes, CancelOrAllOffSendsNothingAndErrorStaysForTheCaller) {
    e.MandaEmailOnError(true);
    guion.respuestas = {vb::vbOK, vb::vbCancel};
    e.Push("M \\ P");
    Falla(440, "Error de automatización", 30);
    EXPECT_TRUE(envios.empty());
    EXPECT_EQ(vb::Err().Number, 440);
    EXPECT_EQ(vb::Err().Source, "Demo");
    EXPECT_EQ(vb::Err().Description, "Error de automatización");
    EXPECT_EQ(e.ErrNumber(), 440);
    EXPECT_EQ(e.ErrSource(), "Demo");
    EXPECT_EQ(e.ErrLine(), 30);
    EXPECT_EQ(e.ErrProcedure(), "M \\ P");

    guion.cajas.clear();
    e.MandaEmailOnError(false);
    e.MsgOnError("");
    Falla(11, "División por cero", 4);
    EXPECT_TRUE(guion.cajas.empty());
    EXPECT_FALSE(std::filesystem::exists(e.Destination()));
    EXPECT_EQ(vb::Err().Number, 11);
    EXPECT_EQ(vb::Err().Erl, 4);
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
