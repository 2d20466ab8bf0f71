// The e-mail reports end to end: a real SMTP server on loopback receives them (started by the
// CTest fixture), and the user's message boxes are answered by a script.

#include "ClsErrores/App.h"
#include "ClsErrores/ErrObject.h"
#include "ClsErrores/MandaEMAIL.h"
#include "ClsErrores/MsgBox.h"
#include "ClsErrores/Registro.h"
#include "ClsErrores/clsErrores.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <arpa/inet.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <sstream>
#include <sys/socket.h>
#include <unistd.h>

namespace fs = std::filesystem;
using json = nlohmann::json;

namespace {

const std::string FalloEnvio = "No ha podido enviarse el email con el informe de errores. \r\n"
                               "Para enviar el informe puede ponerse en contacto con ";

// The tests' registry store is a file of their own, never the user's.
const bool registroAislado = [] {
    const std::string ruta =
        (fs::temp_directory_path() / ("informe_registro_" + std::to_string(getpid()) + ".json"))
            .string();
    setenv("LINTRAP_REGISTRY", ruta.c_str(), 1);
    return true;
}();

class Guion : public vb::Dialogos {
public:
    struct Caja {
        std::string texto;
        int botones;
        std::string titulo;
    };
    std::vector<Caja> vistas;
    int respuesta = vb::vbOK;

    Guion() { vb::FijaDialogos(this); }
    ~Guion() override { vb::FijaDialogos(nullptr); }
    int MsgBox(const std::string& prompt, int buttons, const std::string& title) override {
        vistas.push_back({prompt, buttons, title});
        return respuesta;
    }
};

std::string LeeTodo(const fs::path& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// A listening socket on a free loopback port that never answers: what a hung server looks
// like to the client. Closed, its port is one with no server at all.
class Enchufe {
public:
    Enchufe() : m_fd(socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0)) {
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(m_fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
        listen(m_fd, 4);
        socklen_t largo = sizeof a;
        getsockname(m_fd, reinterpret_cast<sockaddr*>(&a), &largo);
        m_puerto = ntohs(a.sin_port);
    }
    ~Enchufe() { Cierra(); }
    void Cierra() {
        if (m_fd >= 0) {
            close(m_fd);
            m_fd = -1;
        }
    }
    std::string Url() const { return "smtp://127.0.0.1:" + std::to_string(m_puerto); }
    bool AlguienLlamo() const { return accept(m_fd, nullptr, nullptr) >= 0; }

private:
    int m_fd;
    int m_puerto = 0;
};

class Correo : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(registroAislado);
        const fs::path carpeta = LINTRAP_PRUEBAS_SMTP;
        const std::string puerto = LeeTodo(carpeta / "puerto");
        if (puerto.empty()) {
            GTEST_SKIP() << "sin servidor SMTP de pruebas: ejecutar con ctest";
        }
        m_mensajes = carpeta / "mensajes";
        m_url = "smtp://127.0.0.1:" + puerto;
        setenv("LINTRAP_SMTP_URL", m_url.c_str(), 1);
        unsetenv("LINTRAP_SMTP_FROM");
        unsetenv("LINTRAP_SMTP_TIMEOUT");
        InstalaCorreo();
        m_log = fs::temp_directory_path() / ("informe_correo_" + std::to_string(getpid()));
        fs::create_directories(m_log);
    }
    void TearDown() override {
        if (!m_log.empty()) {
            fs::remove_all(m_log);
        }
    }

    // The messages the server received for `destinatario`.
    std::vector<json> Recibidos(const std::string& destinatario) const {
        std::vector<json> lista;
        for (const auto& e : fs::directory_iterator(m_mensajes)) {
            if (e.path().extension() != ".json") {
                continue;
            }
            json m = json::parse(LeeTodo(e.path()));
            for (const auto& r : m["rcpt_tos"]) {
                if (r == destinatario) {
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

    fs::path m_mensajes, m_log;
    std::string m_url;
};

std::string Unica(const char* base) {
    return std::string(base) + "-" + std::to_string(getpid()) + "@pruebas.example";
}

} // namespace

TEST_F(Correo, InformeCortoLlegaConSuAsuntoYCuerpo) {
    Guion guion;
    clsErrores e;
    const std::string destino = Unica("corto");
    const std::string descripcion =
        "No se encontró el archivo de facturas del mes pasado en la carpeta compartida";
    ErrorManejado(e, destino, 120, descripcion);

    ASSERT_EQ(guion.vistas.size(), 1u); // the prompt only: no failure message
    EXPECT_TRUE(guion.vistas[0].texto.starts_with("Ocurrió un error inesperado."));
    const auto recibidos = Recibidos(destino);
    ASSERT_EQ(recibidos.size(), 1u);
    const json& m = recibidos[0];
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
    // The error is in place again for the caller's handler.
    EXPECT_EQ(vb::Err().Number, 53);
}

TEST_F(Correo, LineaDesconocidaYSinPrompt) {
    Guion guion;
    clsErrores e;
    const std::string destino = Unica("sinlinea");
    ErrorManejado(e, destino, 0, "Corto");
    const auto recibidos = Recibidos(destino);
    ASSERT_EQ(recibidos.size(), 1u);
    EXPECT_NE(recibidos[0]["body"].get<std::string>().find(
                  "\r\nLínea: <desconocida>\r\nDescripción: Corto\r\n\r\n\r\n"),
              std::string::npos);

    // Cancel in the prompt sends nothing.
    guion.respuesta = vb::vbCancel;
    ErrorManejado(e, destino, 0, "Otra vez");
    EXPECT_EQ(Recibidos(destino).size(), 1u);
}

TEST_F(Correo, InformeCompletoAdjuntaElLog) {
    Guion guion;
    clsErrores e;
    const std::string destino = Unica("completo");
    // A log in the code page of the program with CR LF, under a name with Windows separators.
    const fs::path log = m_log / "C:\\Programa\\Errores.log";
    const std::string contenido = "====================\r\nErrorDescription = Descripci\xF3n\r\n";
    std::ofstream(log, std::ios::binary) << contenido;
    e.EmailDir(destino);
    e.Destination(log.string());
    e.MandaEMAILCompleto();

    EXPECT_TRUE(guion.vistas.empty());
    const auto recibidos = Recibidos(destino);
    ASSERT_EQ(recibidos.size(), 1u);
    const json& m = recibidos[0];
    EXPECT_EQ(m["subject"], "Informe de Errores Remotos en " + app::Title());
    const std::string cuerpo = m["body"];
    EXPECT_TRUE(cuerpo.starts_with("Informe de errores en " + app::Title() +
                                   "\r\n\r\n\r\n ====================================\r\n"));
    EXPECT_NE(cuerpo.find("\r\nMemoria\r\n=======\r\n"), std::string::npos);
    EXPECT_TRUE(cuerpo.ends_with("\r\n"));
    ASSERT_EQ(m["attachments"].size(), 1u);
    EXPECT_EQ(m["attachments"][0]["filename"], "Errores.log");
    EXPECT_EQ(LeeTodo(m["attachments"][0]["path"].get<std::string>()), contenido);
}

TEST_F(Correo, InformeCompletoSinLogSeEnviaSinAdjunto) {
    Guion guion;
    clsErrores e;
    const std::string destino = Unica("sinlog");
    e.EmailDir(destino);
    e.Destination((m_log / "no-existe.log").string());
    e.MandaEMAILCompleto();
    EXPECT_TRUE(guion.vistas.empty());
    const auto recibidos = Recibidos(destino);
    ASSERT_EQ(recibidos.size(), 1u);
    EXPECT_TRUE(recibidos[0]["attachments"].empty());
}

TEST_F(Correo, SinDireccionNoSeEnviaNadaNiSeAvisa) {
    Guion guion;
    Enchufe servidor;
    setenv("LINTRAP_SMTP_URL", servidor.Url().c_str(), 1);
    clsErrores e;
    ErrorManejado(e, "", 7, "Sin memoria");
    e.MandaEMAIL();
    e.MandaEMAILCompleto();
    ASSERT_EQ(guion.vistas.size(), 1u); // the prompt is still shown
    EXPECT_FALSE(servidor.AlguienLlamo());
}

TEST_F(Correo, ServidorQueRechazaAvisaUnaVez) {
    Guion guion;
    clsErrores e;
    const std::string destino = "rechazo@pruebas.example";
    ErrorManejado(e, destino, 10, "Desbordamiento");
    ASSERT_EQ(guion.vistas.size(), 2u);
    EXPECT_EQ(guion.vistas[1].texto, FalloEnvio + destino);
    EXPECT_EQ(guion.vistas[1].botones, vb::vbOKOnly);
    EXPECT_EQ(guion.vistas[1].titulo, app::Title());
    EXPECT_EQ(vb::Err().Number, 53);
    EXPECT_EQ(vb::Err().Description, "Desbordamiento");

    e.MandaEMAILCompleto();
    ASSERT_EQ(guion.vistas.size(), 3u);
    EXPECT_EQ(guion.vistas[2].texto, FalloEnvio + destino);
}

TEST_F(Correo, SinServidorOServidorMudoAvisaUnaVezSinColgarse) {
    Guion guion;
    clsErrores e;
    e.EmailDir(Unica("nadie"));
    {
        Enchufe libre;
        const std::string url = libre.Url();
        libre.Cierra();
        setenv("LINTRAP_SMTP_URL", url.c_str(), 1);
        const auto inicio = std::chrono::steady_clock::now();
        e.MandaEMAIL();
        EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::seconds(5));
        ASSERT_EQ(guion.vistas.size(), 1u);
        EXPECT_EQ(guion.vistas[0].texto, FalloEnvio + e.EmailDir());
    }
    {
        Enchufe mudo;
        setenv("LINTRAP_SMTP_URL", mudo.Url().c_str(), 1);
        setenv("LINTRAP_SMTP_TIMEOUT", "1", 1);
        const auto inicio = std::chrono::steady_clock::now();
        e.MandaEMAILCompleto();
        EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::seconds(4));
        ASSERT_EQ(guion.vistas.size(), 2u);
        EXPECT_EQ(guion.vistas[1].texto, FalloEnvio + e.EmailDir());
    }
}

TEST_F(Correo, AjustesDelAlmacenYDelEntorno) {
    Guion guion;
    unsetenv("LINTRAP_SMTP_URL");
    registro::RegistrySetKeyValue(registro::HKEY_CURRENT_USER, "Software\\Lintrap\\Correo",
                                  "Servidor", m_url, registro::REG_SZ);
    registro::RegistrySetKeyValue(registro::HKEY_CURRENT_USER, "Software\\Lintrap\\Correo",
                                  "Remitente", std::string("avisos@pruebas.example"),
                                  registro::REG_SZ);
    clsErrores e;
    const std::string destino = Unica("ajustes");
    e.EmailDir(destino);
    e.MandaEMAIL();
    setenv("LINTRAP_SMTP_FROM", "otro@pruebas.example", 1);
    e.MandaEMAIL();
    EXPECT_TRUE(guion.vistas.empty());
    std::vector<std::string> remitentes;
    for (const auto& m : Recibidos(destino)) {
        remitentes.push_back(m["mail_from"]);
    }
    std::sort(remitentes.begin(), remitentes.end());
    EXPECT_EQ(remitentes,
              (std::vector<std::string>{"avisos@pruebas.example", "otro@pruebas.example"}));
}

TEST_F(Correo, UnTituloNoPuedeAnadirCabeceras) {
    Guion guion;
    const std::string antes = app::Title();
    app::FijaTitle("Gestión\r\nBcc: espia@pruebas.example");
    clsErrores e;
    const std::string destino = Unica("cabeceras");
    e.EmailDir(destino);
    e.MandaEMAIL();
    app::FijaTitle(antes);
    const auto recibidos = Recibidos(destino);
    ASSERT_EQ(recibidos.size(), 1u);
    const json& m = recibidos[0];
    EXPECT_EQ(m["rcpt_tos"], json::array({destino}));
    EXPECT_EQ(m["subject"], "Informe de Error Remoto en Gestión  Bcc: espia@pruebas.example");
    for (const auto& h : m["headers"]) {
        EXPECT_NE(h, "Bcc");
    }
    EXPECT_TRUE(Recibidos("espia@pruebas.example").empty());
}
