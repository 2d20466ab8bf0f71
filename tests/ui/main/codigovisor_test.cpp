// What the viewer is handed for a selection, over a real project written to a temporary folder.
#include "host/files/Project.h"
#include "tests/support/Carpeta.h"
#include "ui/main/CodigoVisor.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// The module's lines as the code module shows them: no header, no final line break.
const std::string kCodigo = "Option Explicit\r\n"
                            "Private m_total As Long\r\n"
                            "\r\n"
                            "' Suma dos n\xFAmeros.\r\n"
                            "Public Function Suma(a As Long, b As Long) As Long\r\n"
                            "    Suma = a + b\r\n"
                            "End Function\r\n"
                            "\r\n"
                            "Public Property Get Total() As Long\r\n"
                            "    Total = m_total\r\n"
                            "End Property";

class CodigoVisorTest : public ::testing::Test {
protected:
    void SetUp() override {
        Escribe("Calculos.bas", "Attribute VB_Name = \"Calculos\"\r\n" + kCodigo + "\r\n");
        Escribe("Solo.bas", "Attribute VB_Name = \"Solo\"\r\nOption Explicit\r\nDim x As Long\r\n");
        Escribe("P.vbp", "Type=Exe\r\nModule=Calculos; Calculos.bas\r\nModule=Solo; Solo.bas\r\n"
                         "Name=\"P\"\r\n");
        proyecto_ = files::Project::Load(carpeta_ / "P.vbp");
    }

    void Escribe(const std::string& nombre, const std::string& bytes) {
        std::ofstream(carpeta_ / nombre, std::ios::binary) << bytes;
    }

    // The selection after choosing `modulo` and, when given, the procedure `actual`.
    static engine::EstadoSeleccion Estado(const std::string& modulo, const std::string& actual,
                                          bool vistaModulo) {
        engine::EstadoSeleccion e;
        e.modulo = modulo;
        e.vistaModulo = vistaModulo;
        if (!actual.empty()) {
            e.procedimientos.push_back({"Otro", false, engine::Manejo::Sin});
            e.procedimientos.push_back({actual, true, engine::Manejo::Sin});
            e.actual = 1;
        }
        return e;
    }

    soporte::Carpeta carpetaTemporal_{"lintrap-visor"};
    fs::path carpeta_ = carpetaTemporal_.Ruta();
    std::unique_ptr<files::Project> proyecto_;
};

TEST_F(CodigoVisorTest, TheWholeModuleIsEveryLineUnderTheModulesNameWithoutDependencias) {
    auto v = ui::CodigoVisor(*proyecto_, Estado("calculos", "Suma", true));
    ASSERT_TRUE(v.texto);
    EXPECT_EQ(*v.texto, kCodigo);
    EXPECT_EQ(v.caption, "calculos"); // List1.Text, as the list shows it
    EXPECT_EQ(v.tag, "Todos");
    EXPECT_FALSE(v.mnuDepVisible);

    auto solo = ui::CodigoVisor(*proyecto_, Estado("Solo", "", true));
    ASSERT_TRUE(solo.texto);
    EXPECT_EQ(*solo.texto, "Option Explicit\r\nDim x As Long");
}

TEST_F(CodigoVisorTest, AProcedureIsItsLinesFromTheCommentAboveItUnderItsOwnName) {
    auto v = ui::CodigoVisor(*proyecto_, Estado("Calculos", "Suma", false));
    ASSERT_TRUE(v.texto);
    EXPECT_NE(v.texto->find("' Suma dos n\xFAmeros.\r\nPublic Function Suma("), std::string::npos);
    EXPECT_EQ(v.texto->find("m_total As Long"), std::string::npos); // not the declarations
    EXPECT_NE(v.texto->find("End Function"), std::string::npos);
    EXPECT_EQ(v.texto->find("Property"), std::string::npos);
    EXPECT_EQ(v.caption, "Suma");
    EXPECT_EQ(v.tag, "Suma");
    EXPECT_TRUE(v.mnuDepVisible);
}

TEST_F(CodigoVisorTest, WhatCannotBeReadKeepsTheViewersTextButTheCaptionStillChanges) {
    // A property is not on the procedure list: nothing is cut out for it.
    auto propiedad = ui::CodigoVisor(*proyecto_, Estado("Calculos", "Total", false));
    EXPECT_FALSE(propiedad.texto);
    EXPECT_EQ(propiedad.caption, "Total");
    EXPECT_TRUE(propiedad.mnuDepVisible);

    auto desconocido = ui::CodigoVisor(*proyecto_, Estado("Calculos", "NoExiste", false));
    EXPECT_FALSE(desconocido.texto);
    EXPECT_EQ(desconocido.tag, "NoExiste");

    auto sinModulo = ui::CodigoVisor(*proyecto_, Estado("Borrado", "", true));
    EXPECT_FALSE(sinModulo.texto);
    EXPECT_EQ(sinModulo.caption, "Borrado");
    EXPECT_EQ(sinModulo.tag, "Todos");

    // No current procedure: List2.Text is empty.
    auto ninguno = ui::CodigoVisor(*proyecto_, Estado("Calculos", "", false));
    EXPECT_FALSE(ninguno.texto);
    EXPECT_EQ(ninguno.caption, "");
}

} // namespace
