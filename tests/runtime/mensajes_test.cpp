// What ManejoError tells the user, byte for byte, and the error it leaves for the caller.

#include "Ayudas.h"

#include "ClsErrores/ErrObject.h"
#include "ClsErrores/clsErrores.h"
#include "base/ErrorVB.h"

#include <gtest/gtest.h>

namespace {

const std::string Aviso = "Se enviará automáticamente un email informando\r\n"
                          "del tipo de error al autor de la aplicación.\r\n\r\n"
                          "Pulse 'Cancelar' si no quiere que se envie ningún mensaje";

class Mensajes : public ::testing::Test {
protected:
    prueba::Carpeta carpeta;
    prueba::AlmacenTemporal almacen{carpeta};
    prueba::Guion guion;
    clsErrores e;
    std::vector<bool> envios;

    void SetUp() override {
        e.Destination(carpeta / "Errores.log");
        e.LogOnError(false);
        e.MandaEmailOnError(false);
        FijaEnvioCorreo([this](clsErrores&, bool completo) { envios.push_back(completo); });
        guion.cajas.clear(); // creation may have spoken about the store
    }
    void TearDown() override { FijaEnvioCorreo(nullptr); }

    void Falla(long numero, std::string descripcion, long linea = 0) {
        auto& err = vb::Err();
        err.Number = numero;
        err.Source = "Demo";
        err.Description = std::move(descripcion);
        err.Erl = linea;
        e.ManejoError();
    }
    std::string Estandar(const std::string& proc, const std::string& linea, long numero,
                         const std::string& descripcion) {
        return "Ha ocurrido un error.\r\n\r\nProcedimiento:   '" + proc + "'\r\nLínea: " + linea +
               "\r\nNº Error: " + std::to_string(numero) + "\r\nDescripción: " + descripcion;
    }
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
}

TEST_F(Mensajes, NoLineNumberShowsUnknownLine) {
    e.MsgOnError("normal");
    Falla(5, "Llamada a procedimiento no válida");
    ASSERT_EQ(guion.cajas.size(), 1u);
    EXPECT_EQ(guion.cajas[0].prompt,
              Estandar("", "<desconocida>", 5, "Llamada a procedimiento no válida"));
}

TEST_F(Mensajes, DescriptionWrapping) {
    e.MsgOnError("normal");
    // 50 characters, two of them accented: counted as characters, not bytes.
    const std::string cincuenta = "Descripción de cincuenta caracteres en acentuación";
    ASSERT_EQ(cincuenta.size(), 52u);
    Falla(1, cincuenta, 1);
    EXPECT_EQ(guion.cajas.back().prompt, Estandar("", "1", 1, cincuenta));
    // 51 characters: split into words and joined again, keeping the trailing space.
    const std::string cincuentaYUno = "Descripción de cincuenta caracteres con acentuación";
    Falla(1, cincuentaYUno, 1);
    EXPECT_EQ(guion.cajas.back().prompt, Estandar("", "1", 1, cincuentaYUno + " "));

    Falla(1, std::string(25, 'a') + " " + std::string(25, 'b'), 1);
    EXPECT_EQ(guion.cajas.back().prompt,
              Estandar("", "1", 1, std::string(25, 'a') + " " + std::string(25, 'b') + " "));

    // More than 50 letters on the line: the break comes before the next word.
    Falla(1, std::string(30, 'x') + " " + std::string(21, 'y') + " zz  w", 1);
    EXPECT_EQ(
        guion.cajas.back().prompt,
        Estandar("", "1", 1, std::string(30, 'x') + " " + std::string(21, 'y') + " \r\nzz  w "));

    // Exactly 50 letters do not break yet; the counter restarts at the break.
    Falla(1,
          std::string(25, 'a') + " " + std::string(25, 'b') + " c " + std::string(50, 'd') + " e f",
          1);
    EXPECT_EQ(guion.cajas.back().prompt,
              Estandar("", "1", 1,
                       std::string(25, 'a') + " " + std::string(25, 'b') + " c \r\n" +
                           std::string(50, 'd') + " e \r\nf "));

    const std::string palabra(120, 'q');
    Falla(1, palabra, 1);
    EXPECT_EQ(guion.cajas.back().prompt, Estandar("", "1", 1, palabra + " "));
}

TEST_F(Mensajes, CustomMessageIsShownExactly) {
    e.MsgOnError("Algo ha ido mal.\r\nAvise al servicio técnico.");
    Falla(91, "Variable de objeto no establecida", 7);
    ASSERT_EQ(guion.cajas.size(), 1u);
    EXPECT_EQ(guion.cajas[0].prompt, "Algo ha ido mal.\r\nAvise al servicio técnico.");
    EXPECT_EQ(guion.cajas[0].buttons, 16);
}

TEST_F(Mensajes, MailPromptAfterTheMessageOrAloneWhenNoMessage) {
    e.MandaEmailOnError(true);
    e.MsgOnError("normal");
    guion.respuestas = {vb::vbOK, vb::vbOK};
    Falla(53, "d", 0);
    ASSERT_EQ(guion.cajas.size(), 2u);
    EXPECT_EQ(guion.cajas[1].prompt, Aviso);
    EXPECT_EQ(guion.cajas[1].buttons, 1);
    EXPECT_EQ(guion.cajas[1].title, "Lintrap");
    EXPECT_EQ(envios, std::vector<bool>{false});

    guion.cajas.clear();
    e.MsgOnError("");
    Falla(53, "d", 0);
    ASSERT_EQ(guion.cajas.size(), 1u);
    EXPECT_EQ(guion.cajas[0].prompt, "Ocurrió un error inesperado.\r\n\r\n" + Aviso);
    EXPECT_EQ(envios, (std::vector<bool>{false, false}));
}

TEST_F(Mensajes, CancelSendsNothingAndErrorStaysForTheCaller) {
    e.MandaEmailOnError(true);
    guion.respuestas = {vb::vbOK, vb::vbCancel};
    e.Push("M \\ P");
    Falla(440, "Error de automatización", 30);
    EXPECT_TRUE(envios.empty());
    EXPECT_EQ(vb::Err().Number, 440);
    EXPECT_EQ(vb::Err().Source, "Demo");
    EXPECT_EQ(vb::Err().Description, "Error de automatización");
    EXPECT_EQ(e.ErrNumber(), 440);
    EXPECT_EQ(e.ErrLine(), 30);
    EXPECT_EQ(e.ErrSource(), "Demo");
    EXPECT_EQ(e.ErrProcedure(), "M \\ P");
}

TEST_F(Mensajes, EmptyAddressSendsNothingEvenOnOk) {
    e.MandaEmailOnError(true);
    e.EmailDir("");
    Falla(1, "d", 0);
    EXPECT_EQ(guion.cajas.size(), 2u);
    EXPECT_TRUE(envios.empty());
    e.EmailDir("a@b.invalid");
    e.MandaEMAILCompleto();
    EXPECT_EQ(envios, std::vector<bool>{true});
}

TEST_F(Mensajes, AllOffShowsAndWritesNothingButKeepsTheError) {
    e.MsgOnError("");
    Falla(11, "División por cero", 4);
    EXPECT_TRUE(guion.cajas.empty());
    EXPECT_FALSE(std::filesystem::exists(e.Destination()));
    EXPECT_EQ(vb::Err().Number, 11);
    EXPECT_EQ(vb::Err().Description, "División por cero");
    EXPECT_EQ(vb::Err().Erl, 4);
}

TEST_F(Mensajes, FailingBoxOrMailCostsOnlyThatStep) {
    class Rota : public vb::Dialogos {
    public:
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
    EXPECT_NE(prueba::Lee(e.Destination()).find("ErrorNumber = 76\r\n"), std::string::npos);
}

} // namespace
