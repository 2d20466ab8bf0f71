// The e-mail reports end to end: a real SMTP server on loopback receives them (started by the
// CTest fixture), and the user's message boxes are answered by a script.

#include "ClsErrores/App.h"
#include "ClsErrores/ErrObject.h"
#include "ClsErrores/MandaEMAIL.h"
#include "ClsErrores/Registro.h"
#include "ClsErrores/clsErrores.h"
#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Guion.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <unistd.h>

namespace fs = std::filesystem;
using json = nlohmann::json;

namespace {

const std::string FalloEnvio = "No ha podido enviarse el email con el informe de errores. \r\n"
                               "Para enviar el informe puede ponerse en contacto con ";

class Correo : public ::testing::Test {
protected:
    soporte::Carpeta carpeta{"lintrap-correo"};
    const fs::path mensajes = fs::path(LINTRAP_PRUEBAS_SMTP) / "mensajes";
    // The test server's port; one that takes connections and never answers; one with no server.
    const std::string url = Url("puerto"), mudo = Url("mudo"), libre = Url("libre");
    soporte::Guion guion;

    void SetUp() override {
        if (url.ends_with(":")) {
            GTEST_SKIP() << "sin servidor SMTP de pruebas: ejecutar con ctest";
        }
        // The registry store is a file of the test's own, never the user's.
        setenv("LINTRAP_REGISTRY", (carpeta / "registro.json").c_str(), 1);
        setenv("LINTRAP_SMTP_URL", url.c_str(), 1);
        unsetenv("LINTRAP_SMTP_FROM");
        unsetenv("LINTRAP_SMTP_TIMEOUT");
        InstalaCorreo();
    }
    void TearDown() override { unsetenv("LINTRAP_REGISTRY"); }

    std::string Url(const char* puerto) const {
        return "smtp://127.0.0.1:" + soporte::Lee(mensajes.parent_path() / puerto);
    }

    // The messages the server received for `destinatario`.
    std::vector<json> Recibidos(const std::string& destinatario) const {
        std::vector<json> lista;
        for (const auto& e : fs::directory_iterator(mensajes)) {
            if (e.path().extension() == ".json") {
                json m = json::parse(soporte::Lee(e.path()));
                if (std::find(m["rcpt_tos"].begin(), m["rcpt_tos"].end(), destinatario) !=
                    m["rcpt_tos"].end()) {
                    lista.push_back(m);
                }
            }
        }
        return lista;
    }

    // A handler set to mail only, with an error captured at line `linea` of "Modulo \ Proc".
    static void ErrorManejado(clsErrores& e, const std::string& destino, long linea,
                              const std::string& descripcion) {
        e.EmailDir(destino);
        e.MsgOnError("");
        e.LogOnError(false);
        e.MandaEmailOnError(true);
        e.Push("Modulo \\ Proc");
        vb::Err().Fija(53, "Facturas", descripcion);
        vb::Err().Erl = linea;
        e.ManejoError();
    }
};

std::string Unica(const char* base) {
    return std::string(base) + "-" + std::to_string(getpid()) + "@pruebas.example";
}

TEST_F(Correo, InformeCortoLlegaConSuAsuntoYCuerpo) {
    clsErrores e;
    const std::string destino = Unica("corto");
    const std::string descripcion =
        "No se encontró el archivo de facturas del mes pasado en la carpeta compartida";
    ErrorManejado(e, destino, 120, descripcion);
    ErrorManejado(e, destino, 0, "Corto");
    guion.respuestas = {vb::vbCancel}; // cancel in the prompt sends nothing
    ErrorManejado(e, destino, 0, "Otra vez");

    ASSERT_EQ(guion.cajas.size(), 3u); // the prompts only: no failure message
    EXPECT_TRUE(guion.cajas[0].prompt.starts_with("Ocurrió un error inesperado."));
    const auto recibidos = Recibidos(destino);
    ASSERT_EQ(recibidos.size(), 2u);
    const bool primero = recibidos[0]["body"].get<std::string>().find("Corto") == std::string::npos;
    const json& m = recibidos[primero ? 0 : 1];
    EXPECT_EQ(m["rcpt_tos"], json::array({destino}));
    EXPECT_EQ(m["subject"], "Informe de Error Remoto en " + app::Title());
    EXPECT_EQ(m["charset"], "utf-8");
    const std::string cuerpo = m["body"];
    const std::string cabecera = "Informe de error en " + app::Title() +
                                 "\r\n===========================\r\nError nº: 53\r\n"
                                 "Procedimiento:   'Modulo \\ Proc'\r\nLínea: 120\r\n"
                                 "Descripción: " +
                                 descripcion + "\r\n\r\n\r\n";
    ASSERT_TRUE(cuerpo.starts_with(cabecera)) << cuerpo;
    const std::string informe = cuerpo.substr(cabecera.size());
    EXPECT_TRUE(informe.starts_with("\r\n ====================================\r\n"
                                    "      Informe Sistema   "));
    EXPECT_NE(informe.find("\r\nSistema Operativo \r\n"), std::string::npos);
    EXPECT_EQ(informe.find("Memoria"), std::string::npos);
    EXPECT_TRUE(m["attachments"].empty());
    EXPECT_EQ(vb::Err().Number, 53); // in place again for the caller's handler
    const json& otro = recibidos[primero ? 1 : 0];
    EXPECT_NE(otro["body"].get<std::string>().find(
                  "\r\nLínea: <desconocida>\r\nDescripción: Corto\r\n\r\n\r\n"),
              std::string::npos);
}

TEST_F(Correo, InformeCompletoAdjuntaElLogSiLoHay) {
    clsErrores e;
    const std::string destino = Unica("completo");
    // A log in the code page of the program with CR LF, under a name with Windows separators.
    const fs::path log = carpeta / "C:\\Programa\\Errores.log";
    const std::string contenido = "====================\r\nErrorDescription = Descripci\xF3n\r\n";
    soporte::Escribe(log, contenido);
    e.EmailDir(destino);
    e.Destination(log.string());
    e.MandaEMAILCompleto();
    e.Destination((carpeta / "no-existe.log").string());
    e.MandaEMAILCompleto();

    EXPECT_TRUE(guion.cajas.empty());
    auto recibidos = Recibidos(destino);
    ASSERT_EQ(recibidos.size(), 2u);
    std::sort(recibidos.begin(), recibidos.end(), [](const json& a, const json& b) {
        return a["attachments"].size() > b["attachments"].size();
    });
    const json& m = recibidos[0];
    EXPECT_EQ(m["subject"], "Informe de Errores Remotos en " + app::Title());
    const std::string cuerpo = m["body"];
    EXPECT_TRUE(cuerpo.starts_with("Informe de errores en " + app::Title() +
                                   "\r\n\r\n\r\n ====================================\r\n"));
    EXPECT_NE(cuerpo.find("\r\nMemoria\r\n=======\r\n"), std::string::npos);
    EXPECT_TRUE(cuerpo.ends_with("\r\n"));
    ASSERT_EQ(m["attachments"].size(), 1u);
    EXPECT_EQ(m["attachments"][0]["filename"], "Errores.log");
    EXPECT_EQ(soporte::Lee(m["attachments"][0]["path"].get<std::string>()), contenido);
    EXPECT_TRUE(recibidos[1]["attachments"].empty());
}

TEST_F(Correo, SinDireccionNoSeEnviaNadaNiSeAvisa) {
    clsErrores e;
    ErrorManejado(e, "", 7, "Sin memoria");
    e.MandaEMAIL();
    e.MandaEMAILCompleto();
    ASSERT_EQ(guion.cajas.size(), 1u); // the prompt only: no failed send to tell about
}

TEST_F(Correo, EnvioFallidoAvisaUnaVezSinColgarse) {
    clsErrores e;
    const std::string destino = "rechazo@pruebas.example";
    ErrorManejado(e, destino, 10, "Desbordamiento"); // the server refuses the address
    ASSERT_EQ(guion.cajas.size(), 2u);
    EXPECT_EQ(guion.cajas[1].prompt, FalloEnvio + destino);
    EXPECT_EQ(guion.cajas[1].buttons, vb::vbOKOnly);
    EXPECT_EQ(guion.cajas[1].title, app::Title());
    EXPECT_EQ(vb::Err().Number, 53);
    EXPECT_EQ(vb::Err().Description, "Desbordamiento");
    e.MandaEMAILCompleto();

    e.EmailDir(Unica("nadie"));
    setenv("LINTRAP_SMTP_TIMEOUT", "1", 1);
    for (const std::string& servidor : {libre, mudo}) { // no server, a server that never answers
        setenv("LINTRAP_SMTP_URL", servidor.c_str(), 1);
        e.MandaEMAIL();
        e.MandaEMAILCompleto();
    }
    ASSERT_EQ(guion.cajas.size(), 7u);
    for (std::size_t i = 2; i < 7; ++i) {
        EXPECT_EQ(guion.cajas[i].prompt, FalloEnvio + (i == 2 ? destino : e.EmailDir()));
    }
}

TEST_F(Correo, AjustesDelAlmacenYDelEntorno) {
    unsetenv("LINTRAP_SMTP_URL");
    for (auto [nombre, valor] :
         {std::pair{"Servidor", url}, {"Remitente", "avisos@pruebas.example"}}) {
        registro::RegistrySetKeyValue(registro::HKEY_CURRENT_USER, "Software\\Lintrap\\Correo",
                                      nombre, valor, registro::REG_SZ);
    }
    clsErrores e;
    const std::string destino = Unica("ajustes");
    e.EmailDir(destino);
    e.MandaEMAIL();
    setenv("LINTRAP_SMTP_FROM", "otro@pruebas.example", 1);
    e.MandaEMAIL();
    EXPECT_TRUE(guion.cajas.empty());
    std::vector<std::string> remitentes;
    for (const auto& m : Recibidos(destino)) {
        remitentes.push_back(m["mail_from"]);
    }
    std::sort(remitentes.begin(), remitentes.end());
    EXPECT_EQ(remitentes,
              (std::vector<std::string>{"avisos@pruebas.example", "otro@pruebas.example"}));
}

TEST_F(Correo, UnTituloNoPuedeAnadirCabeceras) {
    const std::string antes = app::Title();
    app::FijaTitle("Gestión\r\nBcc: espia@pruebas.example");
    clsErrores e;
    const std::string destino = Unica("cabeceras");
    e.EmailDir(destino);
    e.MandaEMAIL();
    app::FijaTitle(antes);
    const auto recibidos = Recibidos(destino);
    ASSERT_EQ(recibidos.size(), 1u);
    EXPECT_EQ(recibidos[0]["rcpt_tos"], json::array({destino}));
    EXPECT_EQ(recibidos[0]["subject"],
              "Informe de Error Remoto en Gestión  Bcc: espia@pruebas.example");
    for (const auto& h : recibidos[0]["headers"]) {
        EXPECT_NE(h, "Bcc");
    }
    EXPECT_TRUE(Recibidos("espia@pruebas.example").empty());
}

} // namespace
