// The references viewer driven through a recording view, over real project files.

#include "host/files/Vbe.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Guion.h"
#include "tests/support/Proyectos.h"
#include "tests/support/VistaGrabadora.h"
#include "ui/inspectors/Referencias.h"
#include "ui/inspectors/frmRefs.h"

#include <gtest/gtest.h>

namespace {

TEST(frmRefs, CargaYDetalleDeCadaReferenciaOSinNinguna) {
    soporte::SilenciaGlbErr();
    auto vbe = files::Vbe::Open(soporte::Datos("host/projects/Completo/Completo.vbp"));
    soporte::VistaGrabadora v;
    ui::frmRefs f(v, *vbe, 1252);
    f.Form_Load();
    EXPECT_EQ(v.texto[""], "Completo (Referencias)");
    EXPECT_EQ(v.texto["Label3"],
              "Descripción del proyecto:\r\nTodas las clases de componente: año, señal");
    EXPECT_EQ(v.filas["List1"],
              (std::vector<std::string>{"stdole", "Scripting", "Primero", "MSComctlLib"}));
    // Nothing selected until the user clicks.
    EXPECT_EQ(v.fila["List1"], -1);
    EXPECT_FALSE(v.texto.contains("Label2"));

    // A library known by its GUID has its own name; another project, its file's stem.
    // Versions in plain decimal: 1.a (hexadecimal in the file) as "1.10", and "2.0".
    f.List1_Click(1);
    EXPECT_EQ(v.texto["Label2"], "Scripting 1.10\r\nC:\\Windows\\SysWOW64\\scrrun.dll\r\n"
                                 "GUID: {420B2830-E718-11CF-893D-00A0C9054228}");
    f.List1_Click(0);
    EXPECT_EQ(v.texto["Label2"], "stdole 2.0\r\n..\\..\\..\\..\\Windows\\SysWOW64\\stdole2.tlb\r\n"
                                 "GUID: {00020430-0000-0000-C000-000000000046}");
    f.List1_Click(-1);
    EXPECT_TRUE(v.texto["Label2"].starts_with("stdole 2.0\r\n"));
    f.OKButton_Click();
    EXPECT_EQ(v.cerrada, true);

    // The command line looks references up by a name typed by the user.
    auto& p = *vbe->ActiveVBProject();
    EXPECT_EQ(inspectors::ReferenciaPorNombre(p, "SCRIPTING", 1252).Name(), "Scripting");
    EXPECT_THROW(inspectors::ReferenciaPorNombre(p, "Ninguna", 1252), ErrorVB);

    // No references nor description: nothing to show, a click shows nothing.
    soporte::Carpeta carpeta;
    auto otro = soporte::AbreModulos(carpeta.Ruta(), {soporte::Bas("M", "")});
    v = soporte::VistaGrabadora();
    ui::frmRefs vacio(v, *otro, 1252);
    vacio.Form_Load();
    EXPECT_EQ(v.texto[""], "Proyecto1 (Referencias)");
    EXPECT_EQ(v.texto["Label3"], "");
    EXPECT_TRUE(v.filas["List1"].empty());
    vacio.List1_Click(0);
    EXPECT_FALSE(v.texto.contains("Label2"));
}

} // namespace
