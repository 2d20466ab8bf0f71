// The code viewer's and the callers list's Qt skins on the offscreen platform: the colours the
// viewer's document shows, the font and caret, and their closing and resizing. What they show
// and their menu commands are tested without widgets (tests/ui).
#include "host/files/Vbe.h"
#include "qt/viewer/Dependencias.h"
#include "qt/viewer/FrmCodigo.h"
#include "tests/support/Archivos.h"
#include "tests/support/Guion.h"
#include "tests/support/Widgets.h"
#include "ui/viewer/Documento.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

using prueba::Control;

// Every character of the text has, in the document, the format the colouring gave it; the LF
// of a CR LF has no character of its own there.
void ComparaConElDocumento(const qt::FrmCodigo& frm) {
    const std::u32string& t = frm.Comportamiento().Colores().Texto();
    QTextDocument* doc = frm.TxtCodigo()->document();
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i] == U'\n' && i > 0 && t[i - 1] == U'\r')
            continue;
        const int pos = static_cast<int>(viewer::PosicionDocumento(t, static_cast<long>(i)));
        const auto [color, negrita] = prueba::FormatoEn(*doc, pos);
        EXPECT_EQ((viewer::Formato{static_cast<viewer::Color>(color.rgb() & 0xFFFFFF), negrita}),
                  frm.Comportamiento().Colores().Formatos()[i])
            << "character " << i;
    }
}

class FrmCodigoTest : public ::testing::Test {
protected:
    void SetUp() override {
        frm.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frm));
    }
    files::Vbe vbe; // no project open
    engine::EstadoSeleccion estado;
    qt::FrmCodigo frm{vbe, estado};
};

// Forty lines, so that the text spans more than one paragraph of the document.
std::string Sub() {
    std::string s = "Private Sub Calcula(x As Long)\r\n";
    for (int i = 0; i < 40; ++i)
        s += "    If x > 0 Then s = \"it's\" ' comentario \xE1\r\n";
    return s + "End Sub";
}

TEST_F(FrmCodigoTest, ShowsTheColouredTextInAFixedFontWithTheCaretAtOne) {
    frm.Muestra({"Calcula", "Calcula", Sub(), true, 1252});
    EXPECT_TRUE(frm.mnuDep()->isVisible());
    const QString texto = frm.TxtCodigo()->toPlainText();
    EXPECT_TRUE(texto.startsWith("Private Sub Calcula(x As Long)\n    If x > 0 Then s = \"it's\" ' "
                                 "comentario \u00E1\n"));
    EXPECT_EQ(texto.count('\n'), 41);
    EXPECT_EQ(frm.TxtCodigo()->textCursor().position(), 1);
    EXPECT_FALSE(frm.TxtCodigo()->textCursor().hasSelection());
    EXPECT_TRUE(QFontInfo(frm.TxtCodigo()->document()->defaultFont()).fixedPitch());
    EXPECT_EQ(frm.TxtCodigo()->document()->defaultFont().pointSize(), 10);
    ComparaConElDocumento(frm);
    // The whole module hides "Dependencias".
    frm.Muestra({"Modulo1", "Todos", std::string("Option Explicit"), false, 1252});
    EXPECT_FALSE(frm.mnuDep()->isVisible());
}

TEST_F(FrmCodigoTest, ClosingIsHeardAndTheTextFillsTheWindow) {
    for (QSize s : {QSize(500, 300), QSize(800, 640)}) {
        frm.resize(s);
        QTest::qWait(20);
        EXPECT_EQ(frm.TxtCodigo()->size(), QSize(s.width(), s.height() - frm.menuBar()->height()));
    }
    QSignalSpy cerrando(&frm, &qt::FrmCodigo::Cerrando);
    frm.close();
    EXPECT_EQ(cerrando.count(), 1);
    EXPECT_FALSE(frm.isVisible());
}

TEST(VentanaDependencias, CierraConOKYSigueLaAlturaDeLaVentana) {
    soporte::SilenciaGlbErr();
    auto vbe = files::Vbe::Open(soporte::Ejemplo() / "Demo.vbp");
    engine::EstadoSeleccion estado;
    qt::Dependencias d(vbe->ActiveVBProject(), "NuevoCliente", estado);
    auto* lista = Control<QListWidget>(d, "List1");

    d.show();
    d.resize(360, 500);
    QApplication::processEvents();
    auto* ok = Control(d, "Command1");
    EXPECT_EQ(lista->height(), 500 - 36);
    EXPECT_EQ(ok->y(), 500 - 38);
    // Too small for the list: both stay where they were.
    d.resize(360, 20);
    QApplication::processEvents();
    EXPECT_EQ(lista->height(), 500 - 36);

    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_TRUE(d.isHidden());
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

} // namespace
