// The e-mail reports end to end, as each system sends them: on Linux a real SMTP server on
// loopback receives them (started by the CTest fixture); on Windows the simple mail interface
// hands them to a mail program of the tests' own (mapi_falso), which notes what it was given.

#include "Ayudas.h"

#include "ClsErrores/App.h"
#include "ClsErrores/MandaEMAIL.h"
#include "ClsErrores/Registro.h"

#include <algorithm>
#include <functional>
#include <set>

#include <nlohmann/json.hpp>

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

const std::string FalloEnvio = "No ha podido enviarse el email con el informe de errores. \r\n"
                               "Para enviar el informe puede ponerse en contacto con ";

// A message as it left the program, its texts in UTF-8.
struct Recibido {
    std::vector<std::string> para;
    std::string asunto, cuerpo, de; // the sender only where the program names one (SMTP)
    std::vector<std::pair<std::string, std::string>> adjuntos; // name, bytes
};

// An address of this test program's own: the SMTP server is shared by the tests running at once.
std::string Unica(const char* base) {
    return std::string(base) + "-" + std::to_string(getpid()) + "@pruebas.example";
}

class Correo : public Runtime {
protected:
    void SetUp() override;
#ifdef _WIN32
    void TearDown() override {
        ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Clients\\Mail\\LintrapPruebas");
        ::RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, L"Software\\Clients\\Mail", nullptr);
    }
    const fs::path mensajes = carpeta / "mapi";
#else
    const fs::path mensajes = fs::path(LINTRAP_PRUEBAS_SMTP) / "mensajes";
    std::string Url(const char* puerto) const {
        return "smtp://127.0.0.1:" + soporte::Lee(mensajes.parent_path() / puerto);
    }
#endif

    // The messages for this program's addresses that arrived while `envio` ran, as the SMTP
    // server or the mail program wrote them down.
    std::vector<Recibido> Llegan(const std::function<void()>& envio) {
        const std::set<fs::path> antes(fs::directory_iterator(mensajes), {});
        envio();
        std::vector<Recibido> r;
        for (const fs::path& f : std::set<fs::path>(fs::directory_iterator(mensajes), {})) {
            if (f.extension() != ".json" || antes.count(f)) {
                continue;
            }
            const auto m = nlohmann::json::parse(soporte::Lee(f));
            if (!m["rcpt_tos"][0].get<std::string>().ends_with(Unica(""))) {
                continue;
            }
#ifdef _WIN32 // no session or window, MAPI_LOGON_UI, "IPM.", MAPI_TO, the attachment at the end
            EXPECT_EQ(m["llamada"], std::string("0 0 1 0 IPM. 1 (null) 0") +
                                        (m["attachments"].empty() ? "" : " 0 al final"));
#endif
            EXPECT_EQ(m["charset"], "utf-8");
            r.push_back({m["rcpt_tos"], m["subject"], m["body"], m["mail_from"], {}});
            for (const auto& a : m["attachments"]) {
                const std::string ruta = a["path"];
                r.back().adjuntos.push_back(
                    {a["filename"], fs::exists(ruta) ? soporte::Lee(ruta) : ruta});
            }
        }
        return r;
    }

    // The error 53 at `linea` of "Modulo \ Proc", handled with mail only.
    void ErrorManejado(long linea, const std::string& descripcion) {
        e.MsgOnError("");
        e.MandaEmailOnError(true);
        e.Push("Modulo \\ Proc");
        Falla(53, descripcion, linea);
        e.Pop();
    }
};

#ifdef _WIN32
// While a test runs the machine's mail program is the tests' own, answering as it is told.
void Correo::SetUp() {
    const std::wstring dll = fs::absolute(LINTRAP_MAPI_FALSO).make_preferred().wstring();
    ASSERT_EQ(::RegSetKeyValueW(HKEY_LOCAL_MACHINE, L"Software\\Clients\\Mail", nullptr, REG_SZ,
                                L"LintrapPruebas", sizeof(L"LintrapPruebas")),
              ERROR_SUCCESS);
    ASSERT_EQ(::RegSetKeyValueW(HKEY_LOCAL_MACHINE, L"Software\\Clients\\Mail\\LintrapPruebas",
                                L"DLLPath", REG_SZ, dll.c_str(),
                                DWORD((dll.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
    fs::create_directory(mensajes);
    ::SetEnvironmentVariableA("LINTRAP_MAPI_ANOTA", mensajes.string().c_str());
    ::SetEnvironmentVariableA("LINTRAP_MAPI_RESULTADO", "0");
    InstalaCorreo();
}
#else
void Correo::SetUp() {
    if (Url("puerto").ends_with(":")) {
        GTEST_SKIP() << "sin servidor SMTP de pruebas: ejecutar con ctest";
    }
    soporte::PonVariable("LINTRAP_SMTP_URL", Url("puerto"));
    soporte::QuitaVariable("LINTRAP_SMTP_FROM");
    soporte::QuitaVariable("LINTRAP_SMTP_TIMEOUT");
    InstalaCorreo();
}
#endif

TEST_F(Correo, ReportsArriveWithTheirSubjectBodyAndLog) {
    const std::string titulo = app::Title(), destino = Unica("informe");
    e.EmailDir(destino);
    const std::string descripcion =
        "No se encontró el archivo de facturas del mes pasado en la carpeta compartida";
    // The error's details (line 0 unknown), then the short system report, without memory.
    for (auto [linea, texto] : {std::pair{120L, "120"}, {0L, "<desconocida>"}}) {
        const auto cortos = Llegan([&, l = linea] { ErrorManejado(l, descripcion); });
        ASSERT_EQ(cortos.size(), 1u);
        const Recibido& m = cortos[0];
        EXPECT_EQ(m.para, std::vector<std::string>{destino});
        EXPECT_EQ(m.asunto, "Informe de Error Remoto en " + titulo);
        EXPECT_TRUE(m.cuerpo.starts_with("Informe de error en " + titulo +
                                         "\r\n===========================\r\nError nº: 53\r\n"
                                         "Procedimiento:   'Modulo \\ Proc'\r\nLínea: " +
                                         texto + "\r\nDescripción: " + descripcion +
                                         "\r\n\r\n\r\n\r\n ==================="))
            << m.cuerpo;
        EXPECT_NE(m.cuerpo.find("\r\nSistema Operativo \r\n"), std::string::npos);
        EXPECT_EQ(m.cuerpo.find("Memoria"), std::string::npos);
        EXPECT_TRUE(m.adjuntos.empty());
        EXPECT_EQ(vb::Err().Number, 53); // in place again for the caller's handler
    }
    ASSERT_EQ(guion.cajas.size(), 2u); // the prompts only: no failure message

    // The full report attaches the log by its name, in the program's code page with CR LF.
    fs::create_directories(carpeta / "Programa");
    const fs::path conLog = carpeta / "Programa\\Errores.log";
    const std::string contenido = "====================\r\nErrorDescription = Descripci\xF3n\r\n";
    soporte::Escribe(conLog, contenido);
    e.Destination(conLog.string());
    const auto completos = Llegan([&] { e.MandaEMAILCompleto(); });
    ASSERT_EQ(completos.size(), 1u);
    EXPECT_EQ(completos[0].asunto, "Informe de Errores Remotos en " + titulo);
    EXPECT_TRUE(completos[0].cuerpo.starts_with("Informe de errores en " + titulo +
                                                "\r\n\r\n\r\n ===================="));
    EXPECT_NE(completos[0].cuerpo.find("\r\nMemoria\r\n=======\r\n"), std::string::npos);
    EXPECT_TRUE(completos[0].cuerpo.ends_with("\r\n"));
    using Adjuntos = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(completos[0].adjuntos, (Adjuntos{{"Errores.log", contenido}}));
    // No log yet: an SMTP message goes without it, the mail program is handed its path.
    e.Destination((carpeta / "no-existe.log").string());
    const auto sinLog = Llegan([&] { e.MandaEMAILCompleto(); });
    ASSERT_EQ(sinLog.size(), 1u);
#ifdef _WIN32
    EXPECT_EQ(sinLog[0].adjuntos, (Adjuntos{{"no-existe.log", e.Destination()}}));
#else
    EXPECT_TRUE(sinLog[0].adjuntos.empty());
#endif
    EXPECT_EQ(guion.cajas.size(), 2u);
}

TEST_F(Correo, AFailedSendIsToldEachTime) {
#ifdef _WIN32
    const std::string destino = Unica("soporte");
    ::SetEnvironmentVariableA("LINTRAP_MAPI_RESULTADO", "2"); // MAPI_E_FAILURE
#else
    const std::string destino = "rechazo@pruebas.example"; // the server refuses it
#endif
    e.EmailDir(destino);
    ErrorManejado(10, "Desbordamiento");
    ASSERT_EQ(guion.cajas.size(), 2u); // the prompt, then the failure
    EXPECT_EQ(guion.cajas[1].prompt, FalloEnvio + destino);
    EXPECT_EQ(guion.cajas[1].buttons, vb::vbOKOnly);
    EXPECT_EQ(guion.cajas[1].title, app::Title());
    EXPECT_EQ(vb::Err().Number, 53);
    EXPECT_EQ(vb::Err().Description, "Desbordamiento");
    e.MandaEMAILCompleto();
    ASSERT_EQ(guion.cajas.size(), 3u);
    EXPECT_EQ(guion.cajas[2].prompt, FalloEnvio + destino);
#ifndef _WIN32
    e.EmailDir(Unica("nadie"));
    soporte::PonVariable("LINTRAP_SMTP_TIMEOUT", "1");
    for (const char* servidor : {"libre", "mudo"}) { // no server, a server that never answers
        soporte::PonVariable("LINTRAP_SMTP_URL", Url(servidor));
        e.MandaEMAIL();
        e.MandaEMAILCompleto();
    }
    ASSERT_EQ(guion.cajas.size(), 7u);
    for (std::size_t i = 3; i < 7; ++i) {
        EXPECT_EQ(guion.cajas[i].prompt, FalloEnvio + e.EmailDir());
    }
#endif
}

#ifndef _WIN32 // the SMTP server and sender, set in the store or the environment; the headers
TEST_F(Correo, ServerAndSenderFromTheStoreOrTheEnvironmentAndNoHeaderFromTheTitle) {
    for (auto [nombre, valor] :
         {std::pair{"Servidor", Url("puerto")}, {"Remitente", "avisos@pruebas.example"}}) {
        registro::RegistrySetKeyValue(registro::HKEY_CURRENT_USER, "Software\\Lintrap\\Correo",
                                      nombre, valor, registro::REG_SZ);
    }
    soporte::QuitaVariable("LINTRAP_SMTP_URL");
    const std::string titulo = app::Title();
    app::FijaTitle("Gestión\r\nBcc: espia@pruebas.example");
    clsErrores nuevo;
    nuevo.EmailDir(Unica("ajustes"));
    for (const char* de : {"avisos@pruebas.example", "otro@pruebas.example"}) {
        const auto r = Llegan([&] { nuevo.MandaEMAIL(); });
        ASSERT_EQ(r.size(), 1u);
        EXPECT_EQ(r[0].de, de);
        EXPECT_EQ(r[0].para, std::vector<std::string>{nuevo.EmailDir()});
        EXPECT_EQ(r[0].asunto, "Informe de Error Remoto en Gestión  Bcc: espia@pruebas.example");
        soporte::PonVariable("LINTRAP_SMTP_FROM", "otro@pruebas.example"); // over the store's
    }
    app::FijaTitle(titulo);
    EXPECT_TRUE(guion.cajas.empty());
}
#endif

} // namespace
