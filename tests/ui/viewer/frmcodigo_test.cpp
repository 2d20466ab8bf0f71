// The code viewer as a real window on the offscreen platform: menu commands clicked with QTest,
// the input box answered by a timer.
#include "ClsErrores/MsgBox.h"
#include "ClsErrores/clsErrores.h"
#include "tests/ui/RespondeCaja.h"
#include "ui/viewer/Documento.h"
#include "ui/viewer/FrmCodigo.h"

#include <QAction>
#include <QFontInfo>
#include <QMenuBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <gtest/gtest.h>

#include <vector>

namespace {

// The format the document gives the character at `pos`; a block's separator has the format
// that the next block records as its own.
viewer::Formato FormatoEn(QTextDocument* doc, int pos) {
    const QTextBlock b = doc->findBlock(pos);
    QTextCharFormat f;
    if (pos == b.position() + b.length() - 1) {
        f = b.next().charFormat();
    } else {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fr = it.fragment();
            if (pos >= fr.position() && pos < fr.position() + fr.length())
                f = fr.charFormat();
        }
    }
    return {static_cast<viewer::Color>(f.foreground().color().rgb() & 0xFFFFFF),
            f.fontWeight() >= QFont::Bold};
}

// Every character of the text has, in the document, the format the colouring gave it; the LF
// of a CR LF has no character of its own there.
void ComparaConElDocumento(const ui::FrmCodigo& frm) {
    const std::u32string& t = frm.Colores().Texto();
    QTextDocument* doc = frm.TxtCodigo()->document();
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i] == U'\n' && i > 0 && t[i - 1] == U'\r')
            continue;
        const int pos = static_cast<int>(viewer::PosicionDocumento(t, static_cast<long>(i)));
        const viewer::Formato esperado = frm.Colores().Formatos()[i];
        const viewer::Formato hallado = FormatoEn(doc, pos);
        EXPECT_EQ(hallado.color, esperado.color) << "character " << i;
        EXPECT_EQ(hallado.negrita, esperado.negrita) << "character " << i;
    }
}

ui::VistaCodigo Procedimiento(const std::string& nombre, const std::string& texto) {
    return {nombre, nombre, texto, true, 1252};
}

void Pulsa(ui::FrmCodigo& frm, QAction* accion) {
    QTest::mouseClick(frm.menuBar(), Qt::LeftButton, {},
                      frm.menuBar()->actionGeometry(accion).center());
}

// Message boxes of the add-in's error handler, kept instead of shown.
class Cajas : public vb::Dialogos {
public:
    Cajas() {
        vb::FijaDialogos(this);
        glbErr().MsgOnError("normal");
        glbErr().LogOnError(false);
        glbErr().MandaEmailOnError(false);
    }
    ~Cajas() override { vb::FijaDialogos(nullptr); }
    int MsgBox(const std::string& prompt, int, const std::string&) override {
        textos.push_back(prompt);
        return vb::vbOK;
    }
    std::vector<std::string> textos;
};

class FrmCodigoTest : public ::testing::Test {
protected:
    void SetUp() override {
        frm.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frm));
    }
    ui::FrmCodigo frm;
};

const std::string kSub = "Private Sub Calcula(x As Long)\r\n"
                         "    If x > 0 Then\r\n"
                         "        s = \"it's\" ' comentario \xE1\r\n"
                         "    End If\r\n"
                         "    On Error GoTo 0\r\n"
                         "End Sub";

TEST_F(FrmCodigoTest, AProcedureIsShownColouredWithTheCaretAtOne) {
    frm.Muestra(Procedimiento("Calcula", kSub));
    EXPECT_EQ(frm.windowTitle(), "Calcula");
    EXPECT_EQ(frm.Tag(), "Calcula");
    EXPECT_TRUE(frm.mnuDep()->isVisible());
    EXPECT_TRUE(frm.TxtCodigo()->isVisible());
    EXPECT_EQ(frm.TxtCodigo()->toPlainText().toStdString(),
              "Private Sub Calcula(x As Long)\n    If x > 0 Then\n        s = \"it's\" ' "
              "comentario \xC3\xA1\n    End If\n    On Error GoTo 0\nEnd Sub");
    EXPECT_EQ(frm.TxtCodigo()->textCursor().position(), 1);
    EXPECT_FALSE(frm.TxtCodigo()->textCursor().hasSelection());
    EXPECT_TRUE(QFontInfo(frm.TxtCodigo()->document()->defaultFont()).fixedPitch());
    EXPECT_EQ(frm.TxtCodigo()->document()->defaultFont().pointSize(), 10);

    // Exactly the characters the colouring names: "Then" with its line's end, the comment
    // through its line's end, and the next line's spaces black.
    ComparaConElDocumento(frm);
    QTextDocument* doc = frm.TxtCodigo()->document();
    const QTextBlock linea2 = doc->findBlockByNumber(1);
    EXPECT_EQ(FormatoEn(doc, linea2.position() + linea2.length() - 1).color, viewer::kAzul);
    const QTextBlock linea3 = doc->findBlockByNumber(2);
    EXPECT_EQ(FormatoEn(doc, linea3.position() + linea3.length() - 1).color, viewer::kVerde);
    EXPECT_EQ(FormatoEn(doc, linea3.position() + linea3.length()).color, viewer::kNegro);
    EXPECT_EQ(FormatoEn(doc, linea3.position() + 14).color, viewer::kNegro); // the apostrophe
}

TEST_F(FrmCodigoTest, TheWholeModuleHidesDependenciasAndATextLessViewKeepsTheText) {
    frm.Muestra({"Modulo1", "Todos", std::string("Option Explicit"), false, 1252});
    EXPECT_EQ(frm.windowTitle(), "Modulo1");
    EXPECT_EQ(frm.Tag(), "Todos");
    EXPECT_FALSE(frm.mnuDep()->isVisible());

    frm.TxtCodigo()->moveCursor(QTextCursor::End);
    frm.Muestra({"Total", "Total", std::nullopt, true, 1252});
    EXPECT_EQ(frm.windowTitle(), "Total");
    EXPECT_EQ(frm.TxtCodigo()->toPlainText(), "Option Explicit");
    EXPECT_EQ(frm.TxtCodigo()->textCursor().position(), 1);
    ComparaConElDocumento(frm);
}

TEST_F(FrmCodigoTest, ResaltarPaintsTheTypedTermRedAndBoldAndAgainTheSame) {
    frm.Muestra(Procedimiento("Calcula", kSub));
    QString prompt;
    prueba::Escribe("If", &prompt);
    Pulsa(frm, frm.mnuResaltar());
    EXPECT_EQ(prompt, "Introduzca el término a resaltar (se coloreará de rojo)");
    prueba::Escribe("if");
    Pulsa(frm, frm.mnuResaltar());

    QTextDocument* doc = frm.TxtCodigo()->document();
    const int inicio = doc->findBlockByNumber(1).position() + 4; // "If" of the second line
    EXPECT_EQ(FormatoEn(doc, inicio).color, viewer::kRojo);
    EXPECT_TRUE(FormatoEn(doc, inicio).negrita);
    EXPECT_EQ(FormatoEn(doc, inicio + 1).color, viewer::kRojo);
    EXPECT_EQ(FormatoEn(doc, inicio + 2).color, viewer::kAzul); // the space after: still blue
    EXPECT_FALSE(FormatoEn(doc, inicio + 2).negrita);
    ComparaConElDocumento(frm);

    // A refresh takes the highlights away.
    frm.formateaCodigo();
    EXPECT_EQ(FormatoEn(frm.TxtCodigo()->document(), inicio).color, viewer::kAzul);
}

TEST_F(FrmCodigoTest, ACancelledOrEmptyTermPaintsNothing) {
    frm.Muestra(Procedimiento("Calcula", kSub));
    const std::vector<viewer::Formato> antes = frm.Colores().Formatos();
    prueba::CancelaEntrada();
    Pulsa(frm, frm.mnuResaltar());
    prueba::Escribe("");
    Pulsa(frm, frm.mnuResaltar());
    EXPECT_EQ(frm.Colores().Formatos(), antes);
    ComparaConElDocumento(frm);
}

TEST_F(FrmCodigoTest, DependenciasOpensTheCallersWindowThroughItsOpener) {
    frm.Muestra(Procedimiento("Calcula", kSub));
    std::string pedido;
    frm.abreDependencias = [&](ui::FrmCodigo& visor) { pedido = visor.Tag(); };
    Pulsa(frm, frm.mnuDep());
    EXPECT_EQ(pedido, "Calcula");
}

TEST_F(FrmCodigoTest, WithoutTheCallersWindowDependenciasReportsAnError) {
    Cajas cajas;
    frm.Muestra(Procedimiento("Calcula", kSub));
    Pulsa(frm, frm.mnuDep());
    ASSERT_EQ(cajas.textos.size(), 1u);
    EXPECT_NE(cajas.textos[0].find("La ventana Dependencias no está disponible"), std::string::npos)
        << cajas.textos[0];
}

TEST_F(FrmCodigoTest, ClosingGivesTheMainWindowsEntryItsCaptionBack) {
    QAction mnuCodigo("&Ocultar Codigo");
    frm.setMnuCodigo(&mnuCodigo);
    bool cerrando = false;
    QObject::connect(&frm, &ui::FrmCodigo::Cerrando, [&] { cerrando = true; });
    frm.close();
    EXPECT_EQ(mnuCodigo.text(), "&Ver Codigo");
    EXPECT_TRUE(cerrando);
    EXPECT_FALSE(frm.isVisible());
}

TEST_F(FrmCodigoTest, TheTextFillsTheWindowWhenItIsResized) {
    frm.resize(500, 300);
    QTest::qWait(20);
    const int menu = frm.menuBar()->height();
    EXPECT_EQ(frm.TxtCodigo()->width(), 500);
    EXPECT_EQ(frm.TxtCodigo()->height(), 300 - menu);
    frm.resize(800, 640);
    QTest::qWait(20);
    EXPECT_EQ(frm.TxtCodigo()->width(), 800);
    EXPECT_EQ(frm.TxtCodigo()->height(), 640 - menu);
}

} // namespace
