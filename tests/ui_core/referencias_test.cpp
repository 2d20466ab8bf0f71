// The references viewer's texts over real project files.

#include "tests/engine/Apoyo.h"
#include "ui/inspectors/Referencias.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<files::Project> Completo() {
    return files::Project::Load(apoyo::Datos("host/projects/Completo/Completo.vbp"));
}

TEST(Referencias, NombresEnElOrdenDelProyectoYDetalleDeCadaUna) {
    auto p = Completo();
    std::vector<std::string> nombres;
    inspectors::NombresReferencias(*p, 1252, nombres);
    EXPECT_EQ(nombres, (std::vector<std::string>{"stdole2", "scrrun", "Primero", "MSCOMCTL"}));

    // Versions in plain decimal: "2.0", and 1.a (hexadecimal in the file) as "1.10".
    EXPECT_EQ(
        inspectors::DetalleReferencia(inspectors::ReferenciaPorNombre(*p, "STDOLE2", 1252), 1252),
        "stdole2 2.0\r\n..\\..\\..\\..\\Windows\\SysWOW64\\stdole2.tlb\r\n"
        "GUID: {00020430-0000-0000-C000-000000000046}");
    EXPECT_EQ(inspectors::DetalleReferencia(p->References().Item(2), 1252),
              "scrrun 1.10\r\nC:\\Windows\\SysWOW64\\scrrun.dll\r\n"
              "GUID: {420B2830-E718-11CF-893D-00A0C9054228}");
    EXPECT_THROW(inspectors::ReferenciaPorNombre(*p, "Ninguna", 1252), ErrorVB);
}

TEST(Referencias, DescripcionYTitulo) {
    auto p = Completo();
    EXPECT_EQ(inspectors::TextoDescripcion(p->Description(), 1252),
              "Descripción del proyecto:\r\nTodas las clases de componente: año, señal");
    EXPECT_EQ(inspectors::TituloReferencias(p->Name(), 1252), "Completo (Referencias)");
}

TEST(Referencias, ProyectoSinReferenciasNiDescripcion) {
    apoyo::CarpetaTemporal carpeta;
    auto p = apoyo::Proyecto(carpeta.ruta, {{"M.bas", "Attribute VB_Name = \"M\"\n"}},
                             "Module=M; M.bas\n");
    std::vector<std::string> nombres;
    inspectors::NombresReferencias(*p, 1252, nombres);
    EXPECT_TRUE(nombres.empty());
    EXPECT_EQ(inspectors::TextoDescripcion(p->Description(), 1252), "");
}

} // namespace
