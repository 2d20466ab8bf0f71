// The log file: record layout and bytes, its reset, and folders it cannot be written in.

#include "Ayudas.h"

#include "ClsErrores/LogRegistro.h"
#include "tests/support/Errores.h"

namespace {

class Log : public Runtime {
protected:
    void SetUp() override {
        e.LogOnError(true);
        e.MsgOnError("");
    }
    // The log with each date after `etiqueta` replaced by "<fecha>", once checked that it is a
    // date, a space and a time.
    std::string SinFechas(const std::string& etiqueta = "Fecha = ") {
        std::string texto = soporte::Lee(log);
        for (std::size_t p = 0; (p = texto.find(etiqueta, p)) != std::string::npos;) {
            p += etiqueta.size();
            const std::size_t fin = texto.find("\r\n", p);
            EXPECT_NE(texto.substr(p, fin - p).find(' '), std::string::npos);
            texto.replace(p, fin - p, "<fecha>");
        }
        return texto;
    }
    // The log, without its dates, as data/clserrores/`nombre` has it.
    void Como(const char* nombre) {
        const std::string t = SinFechas();
        EXPECT_EQ(t, soporte::Esperado(std::string("clserrores/") + nombre, t));
    }
};

TEST_F(Log, RecordsOfNestedProceduresAreAppended) {
    e.MsgOnError("normal");
    e.MandaEmailOnError(true);
    guion.respuestas = {vb::vbOK, vb::vbCancel};
    e.Push("A");
    e.Push("B");
    Falla(53, "No se ha encontrado el archivo", 120);
    e.Pop();
    e.Pop();
    e.MandaEmailOnError(false);
    e.MsgOnError("");
    Falla(9, "Subíndice");
    Como("log_anidado.txt");
}

TEST_F(Log, ListingSkipsEmptySlotsAndWidensPastTwoDigits) {
    e.MaxProcStackItems(120);
    for (int n = 1; n <= 106; ++n) {
        e.Push(n == 1 || n == 12 || n == 105 ? "P" + std::to_string(n) : "");
    }
    Falla(1, "d"); // at depth 106, whose slot is empty
    Como("log_pila.txt");
}

// In 1252 ñ is F1, ú FA, € 80; Greek and Japanese have no place there, controls neither; a line
// break in a field goes on indented; only the record is cut to 255 characters (in 1253: Ω D9).
TEST_F(Log, FieldsInTheCodePageCutAndKeptReadable) {
    e.MsgOnError("Atención: ¿Δ?\r\ndos");
    e.Push("M \\ P\nQ");
    Falla(1, "Año ñandú € Ω 日本\r\n====================\rb\nc\x01" + std::string(1, '\0') + "d");
    e.PaginaCodigos(1253);
    const std::string larga = std::string(254, 'a') + "Ωxyz";
    Falla(1, larga);
    Como("log_pagina.txt");
    EXPECT_EQ(e.ErrDescription(), larga);
}

TEST_F(Log, ClearLogReplacesTheFileAndLaterRecordsFollow) {
    Falla(1, "antes");
    ASSERT_TRUE(e.ClearLog());
    EXPECT_EQ(SinFechas("Log Borrado el "), "Log Borrado el <fecha>\r\n");
    Falla(2, "después");
    EXPECT_TRUE(SinFechas("Log Borrado el ")
                    .starts_with("Log Borrado el <fecha>\r\n====================\r\nFecha = "));
    // No temporary file beside the log (and, where the registry is a file, its store and lock).
    for (const auto& entrada : std::filesystem::directory_iterator(carpeta.Ruta())) {
        const std::string nombre = entrada.path().filename().string();
        EXPECT_TRUE(nombre == "Errores.log" || nombre.starts_with("registro.json")) << nombre;
    }
}

TEST_F(Log, UnwritableLocationLosesTheRecordSilently) {
    e.MsgOnError("normal");
    const std::string archivo = (carpeta / "archivo").string();
    soporte::Escribe(archivo, "no es una carpeta");
    const std::string sinCarpeta = (carpeta / "no-existe/Errores.log").string();
    for (const std::string& destino :
         {sinCarpeta, archivo + "/Errores.log", carpeta.Ruta().string()}) {
        guion.cajas.clear();
        e.Destination(destino);
        Falla(70, "Permiso denegado", 3);
        EXPECT_EQ(guion.cajas.size(), 1u); // the error message only, nothing about the log
        EXPECT_EQ(vb::Err().Number, 70);
        EXPECT_THROW(e.ClearLog(), ErrorVB) << destino;
    }
    EXPECT_FALSE(std::filesystem::exists(carpeta / "no-existe"));
    EXPECT_EQ(soporte::Lee(archivo), "no es una carpeta");
    e.Destination(sinCarpeta);
    const ErrorVB x = soporte::Lanzado([&] { e.ClearLog(); });
    EXPECT_EQ(x.Number, 76);
    EXPECT_NE(x.Description.find(sinCarpeta), std::string::npos);
}

TEST(RutaLog, FolderEndingInSeparatorIsNotDoubled) {
    for (auto [carpeta, ruta] : {std::pair{"/", "/Errores.log"},
                                 {"/opt/app/", "/opt/app/Errores.log"},
                                 {"/opt/app", "/opt/app/Errores.log"},
                                 {"C:\\", "C:/Errores.log"}}) {
        EXPECT_EQ(logerrores::RutaLog(carpeta), ruta);
    }
}

} // namespace
