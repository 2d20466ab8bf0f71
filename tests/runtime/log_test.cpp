// The log file: record layout and bytes, its reset, and folders it cannot be written in.

#include "Ayudas.h"

#include "ClsErrores/ErrObject.h"
#include "ClsErrores/LogRegistro.h"
#include "ClsErrores/clsErrores.h"
#include "base/ErrorVB.h"

#include <gtest/gtest.h>

namespace {

class Log : public ::testing::Test {
protected:
    prueba::Carpeta carpeta;
    prueba::AlmacenTemporal almacen{carpeta};
    prueba::Guion guion;
    clsErrores e;

    void SetUp() override {
        e.Destination(carpeta / "Errores.log");
        e.MandaEmailOnError(false);
        e.MsgOnError("");
        guion.cajas.clear();
    }
    void Falla(long numero, std::string descripcion, long linea) {
        auto& err = vb::Err();
        err.Number = numero;
        err.Source = "Demo";
        err.Description = std::move(descripcion);
        err.Erl = linea;
        e.ManejoError();
    }
    // The file with each "Fecha = ..." value replaced by "<fecha>", after checking that it is
    // the date and time of now.
    std::string SinFechas(std::string texto, const std::string& etiqueta = "Fecha = ") {
        std::size_t p = 0;
        while ((p = texto.find(etiqueta, p)) != std::string::npos) {
            p += etiqueta.size();
            const std::size_t fin = texto.find("\r\n", p);
            const std::string fecha = texto.substr(p, fin - p);
            EXPECT_FALSE(fecha.empty());
            EXPECT_NE(fecha.find(' '), std::string::npos) << fecha; // date, space, time
            texto.replace(p, fin - p, "<fecha>");
        }
        return texto;
    }
};

TEST_F(Log, RecordOfTwoNestedProceduresCreatesTheFile) {
    ASSERT_FALSE(std::filesystem::exists(e.Destination()));
    e.MsgOnError("normal");
    e.MandaEmailOnError(true);
    guion.respuestas = {vb::vbOK, vb::vbCancel};
    e.Push("A");
    e.Push("B");
    Falla(53, "No se ha encontrado el archivo", 120);
    EXPECT_EQ(SinFechas(prueba::Lee(e.Destination())),
              "====================\r\n"
              "Fecha = <fecha>\r\n"
              "ErrorNumber = 53\r\n"
              "ErrorDescription = No se ha encontrado el archivo\r\n"
              "ErrorSource = Demo\r\n"
              "ErrorLine = 120\r\n"
              "Procedimiento = B\r\n"
              "PilaLlamadas = 01  A\r\n"
              "02    B\r\n"
              "\r\n"
              "Email = True\r\n"
              "MsgBox = normal\r\n");

    // A second error is appended after the first.
    e.Pop();
    e.MandaEmailOnError(false);
    e.MsgOnError("");
    Falla(9, "Subíndice", 0);
    const std::string dos = SinFechas(prueba::Lee(e.Destination()));
    EXPECT_TRUE(dos.ends_with("MsgBox = normal\r\n"
                              "====================\r\n"
                              "Fecha = <fecha>\r\n"
                              "ErrorNumber = 9\r\n"
                              "ErrorDescription = Sub\xEDndice\r\n"
                              "ErrorSource = Demo\r\n"
                              "ErrorLine = 0\r\n"
                              "Procedimiento = A\r\n"
                              "PilaLlamadas = 01  A\r\n"
                              "\r\n"
                              "Email = False\r\n"
                              "MsgBox = \r\n"))
        << dos;
}

TEST_F(Log, EmptyStackGivesEmptyProcedureAndListing) {
    Falla(5, "x", 0);
    EXPECT_EQ(SinFechas(prueba::Lee(e.Destination())), "====================\r\n"
                                                       "Fecha = <fecha>\r\n"
                                                       "ErrorNumber = 5\r\n"
                                                       "ErrorDescription = x\r\n"
                                                       "ErrorSource = Demo\r\n"
                                                       "ErrorLine = 0\r\n"
                                                       "Procedimiento = \r\n"
                                                       "PilaLlamadas = \r\n"
                                                       "Email = False\r\n"
                                                       "MsgBox = \r\n");
}

TEST_F(Log, ListingSkipsEmptySlotsAndWidensPastTwoDigits) {
    e.MaxProcStackItems(120);
    for (int n = 1; n <= 106; ++n) {
        e.Push(n == 1 || n == 12 || n == 105 ? prueba::Con("P", n) : "");
    }
    Falla(1, "d", 0); // at depth 106, whose slot is empty
    const std::string t = prueba::Lee(e.Destination());
    EXPECT_NE(t.find("Procedimiento = \r\nPilaLlamadas = 01  P1\r\n12" + std::string(24, ' ') +
                     "P12\r\n105" + std::string(210, ' ') + "P105\r\n\r\nEmail"),
              std::string::npos)
        << t;
}

TEST_F(Log, TextIsWrittenInTheSingleByteCodePage) {
    e.MsgOnError("Atención: ¿Δ?");
    guion.respuestas = {vb::vbOK};
    Falla(1, "Año ñandú € Ω 日本", 0);
    const std::string t = prueba::Lee(e.Destination());
    // 1252: ñ F1, ú FA, € 80; Greek and Japanese have no place there.
    EXPECT_NE(t.find("ErrorDescription = A\xF1o \xF1"
                     "and\xFA \x80 ? ??\r\n"),
              std::string::npos)
        << t;
    EXPECT_NE(t.find("MsgBox = Atenci\xF3n: \xBF?"
                     "?\r\n"),
              std::string::npos)
        << t;

    e.PaginaCodigos(1253);
    std::filesystem::remove(e.Destination());
    Falla(1, "Ω", 0);
    EXPECT_NE(prueba::Lee(e.Destination()).find("ErrorDescription = \xD9\r\n"), std::string::npos);
}

TEST_F(Log, LongDescriptionIsCutTo255Characters) {
    const std::string larga = std::string(254, 'a') + "éxyz";
    Falla(1, larga, 0);
    const std::string t = prueba::Lee(e.Destination());
    EXPECT_NE(t.find("ErrorDescription = " + std::string(254, 'a') + "\xE9\r\n"),
              std::string::npos);
    EXPECT_EQ(e.ErrDescription(), larga); // only the record is cut
}

TEST_F(Log, LineBreaksAndControlsInFieldsKeepTheRecordReadable) {
    e.MsgOnError("uno\r\ndos");
    guion.respuestas = {vb::vbOK};
    e.Push("M \\ P\nQ");
    Falla(1, std::string("a\r\n====================\rb\nc\x01\0d", 30), 0);
    const std::string t = prueba::Lee(e.Destination());
    EXPECT_NE(t.find("ErrorDescription = a\r\n  ====================\r\n  b\r\n  c??d\r\n"),
              std::string::npos)
        << t;
    EXPECT_NE(t.find("Procedimiento = M \\ P\r\n  Q\r\n"), std::string::npos);
    EXPECT_NE(t.find("PilaLlamadas = 01  M \\ P\r\n  Q\r\n\r\n"), std::string::npos);
    EXPECT_TRUE(t.ends_with("MsgBox = uno\r\n  dos\r\n"));
    // One separator line only: the one that opens the record.
    EXPECT_EQ(t.find("\n===================="), std::string::npos);
}

TEST_F(Log, ClearLogReplacesTheFileAndLaterRecordsFollow) {
    Falla(1, "antes", 0);
    ASSERT_TRUE(e.ClearLog());
    EXPECT_EQ(SinFechas(prueba::Lee(e.Destination()), "Log Borrado el "),
              "Log Borrado el <fecha>\r\n");
    Falla(2, "después", 0);
    const std::string t = SinFechas(prueba::Lee(e.Destination()), "Log Borrado el ");
    EXPECT_TRUE(t.starts_with("Log Borrado el <fecha>\r\n====================\r\nFecha = "));
    EXPECT_EQ(t.find("antes"), std::string::npos);
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(carpeta.ruta()), {}), 1 + 2);
}

TEST_F(Log, UnwritableLocationLosesTheRecordSilently) {
    e.MsgOnError("normal");
    const std::string archivo = carpeta / "archivo";
    { std::ofstream(archivo) << "no es una carpeta"; }
    for (const std::string& destino :
         {carpeta / "no-existe/Errores.log", archivo + "/Errores.log", carpeta.ruta().string()}) {
        guion.cajas.clear();
        e.Destination(destino);
        Falla(70, "Permiso denegado", 3);
        EXPECT_EQ(guion.cajas.size(), 1u); // the error message only, nothing about the log
        EXPECT_EQ(vb::Err().Number, 70);
        EXPECT_THROW(e.ClearLog(), ErrorVB) << destino;
    }
    EXPECT_FALSE(std::filesystem::exists(carpeta / "no-existe"));
    EXPECT_EQ(prueba::Lee(archivo), "no es una carpeta");
    try {
        e.Destination(carpeta / "no-existe/Errores.log");
        e.ClearLog();
    } catch (const ErrorVB& x) {
        EXPECT_EQ(x.Number, 76);
        EXPECT_NE(x.Description.find(carpeta / "no-existe/Errores.log"), std::string::npos);
    }
}

TEST(RutaLog, FolderEndingInSeparatorIsNotDoubled) {
    EXPECT_EQ(logerrores::RutaLog("/"), "/Errores.log");
    EXPECT_EQ(logerrores::RutaLog("/opt/app/"), "/opt/app/Errores.log");
    EXPECT_EQ(logerrores::RutaLog("/opt/app"), "/opt/app/Errores.log");
    EXPECT_EQ(logerrores::RutaLog("C:\\"), "C:/Errores.log");
}

} // namespace
