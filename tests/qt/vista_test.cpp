// The Qt skin's mapping of each primitive onto its kind of widget, once per kind: what the
// window's behaviour tells a control (tests/ui) is what the widget then shows.
#include "ClsErrores/MsgBox.h"
#include "qt/VistaQt.h"
#include "tests/support/RespondeCaja.h"
#include "ui/Vista.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <functional>

namespace {

// The primitives alone: a skin adds how its window opens others and closes.
struct Vista : qt::VistaQt {
    using qt::VistaQt::VistaQt;
    void Abre(std::string_view) override {}
    void Cierra(bool) override {}
};

TEST(VistaQt, CadaPrimitivaLlegaASuClaseDeControl) {
    QWidget w;
    auto* capa = new QVBoxLayout(&w);
    const auto Pon = [&](QWidget* c, const char* nombre) {
        c->setObjectName(nombre);
        capa->addWidget(c);
        return c;
    };
    auto* etiqueta = static_cast<QLabel*>(Pon(new QLabel, "Etiqueta"));
    auto* caja = static_cast<QLineEdit*>(Pon(new QLineEdit, "Caja"));
    auto* boton = static_cast<QPushButton*>(Pon(new QPushButton, "Boton"));
    auto* casilla = static_cast<QCheckBox*>(Pon(new QCheckBox, "Casilla"));
    auto* area = static_cast<QPlainTextEdit*>(Pon(new QPlainTextEdit, "Area"));
    auto* lista = static_cast<QListWidget*>(Pon(new QListWidget, "Lista"));
    auto* combo = static_cast<QComboBox*>(Pon(new QComboBox, "Combo"));
    auto* barra = static_cast<QProgressBar*>(Pon(new QProgressBar, "Barra"));
    auto* entrada = new QAction(&w);
    entrada->setObjectName("mnuEntrada");
    w.addAction(entrada);
    lista->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lista->setFixedHeight(80);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));

    Vista vista(w);
    std::vector<std::string> filas;
    for (int i = 0; i < 40; ++i)
        filas.push_back("Fila " + std::to_string(i));
    const auto Marcada = [](QAbstractButton* b) { return QString::number(b->isChecked()); };
    using Lee = std::function<QString()>;
    const struct {
        const char* caso;
        std::function<void(ui::Vista&)> haz;
        Lee lee;
        QString esperado;
    } casos[] = {
        {"título", [](ui::Vista& v) { v.PonTexto("", "Año\r\nuno"); },
         [&] { return w.windowTitle(); }, "Año\nuno"},
        {"etiqueta", [](ui::Vista& v) { v.PonTexto("Etiqueta", "a\r\nb"); },
         [&] { return etiqueta->text(); }, "a\nb"},
        {"caja", [](ui::Vista& v) { v.PonTexto("Caja", "señal"); }, [&] { return caja->text(); },
         "señal"},
        {"botón", [](ui::Vista& v) { v.PonTexto("Boton", "&Salir"); },
         [&] { return boton->text(); }, "&Salir"},
        {"menú", [](ui::Vista& v) { v.PonTexto("mnuEntrada", "Ocultar Codigo"); },
         [&] { return entrada->text(); }, "Ocultar Codigo"},
        {"área", [](ui::Vista& v) { v.PonTexto("Area", "uno\r\ndos"); },
         [&] { return area->toPlainText(); }, "uno\ndos"},
        {"marca", [](ui::Vista& v) { v.Marca("Casilla", true); }, [&] { return Marcada(casilla); },
         "1"},
        {"desmarca", [](ui::Vista& v) { v.Marca("Casilla", false); },
         [&] { return Marcada(casilla); }, "0"},
        {"lista rellena sin fila", [&](ui::Vista& v) { v.Rellena("Lista", filas); },
         [&] { return QString("%1 %2").arg(lista->count()).arg(lista->currentRow()); }, "40 -1"},
        {"fila elegida", [](ui::Vista& v) { v.Selecciona("Lista", 2); },
         [&] { return QString::number(lista->currentRow()); }, "2"},
        {"ninguna fila",
         [&](ui::Vista& v) {
             lista->item(3)->setSelected(true);
             v.Selecciona("Lista", -1);
         },
         [&] { return QString::number(lista->selectedItems().size()); }, "0"},
        {"fila de arriba", [](ui::Vista& v) { v.PonArriba("Lista", 5); },
         [&] { return QString::number(lista->verticalScrollBar()->value()); }, "5"},
        {"combo",
         [](ui::Vista& v) {
             v.Rellena("Combo", {"no", "normal"});
             v.Selecciona("Combo", 1);
         },
         [&] { return combo->currentText(); }, "normal"},
        {"oculta", [](ui::Vista& v) { v.Muestra("Etiqueta", false); },
         [&] { return QString::number(etiqueta->isHidden()); }, "1"},
        {"muestra", [](ui::Vista& v) { v.Muestra("Etiqueta", true); },
         [&] { return QString::number(etiqueta->isVisible()); }, "1"},
        {"fondo",
         [](ui::Vista& v) {
             v.PonFondo("Caja", {255, 255, 192});
         },
         [&] { return caja->palette().color(QPalette::Base).name(); }, "#ffffc0"},
        {"progreso", [](ui::Vista& v) { v.PonValor("Barra", 40); },
         [&] { return QString::number(barra->value()); }, "40"},
        {"portapapeles", [](ui::Vista& v) { v.Portapapeles("PROYECTO: Año\r\n"); },
         [] { return QGuiApplication::clipboard()->text(); }, "PROYECTO: Año\r\n"},
        {"reloj de arena", [](ui::Vista& v) { v.RelojArena(true); },
         [] {
             const QCursor* c = QApplication::overrideCursor();
             return QString::number(c != nullptr && c->shape() == Qt::WaitCursor);
         },
         "1"},
        {"sin reloj", [](ui::Vista& v) { v.RelojArena(false); },
         [] { return QString::number(QApplication::overrideCursor() == nullptr); }, "1"},
        {"pregunta",
         [](ui::Vista& v) {
             prueba::PulsaBoton(QMessageBox::No);
             EXPECT_EQ(v.Mensaje("¿Seguro?", vb::vbYesNo + vb::vbQuestion, "Lintrap"), vb::vbNo);
         },
         [] { return prueba::UltimoTitulo() + ": " + prueba::UltimoMensaje(); },
         "Lintrap: ¿Seguro?"},
    };
    for (const auto& c : casos) {
        c.haz(vista);
        EXPECT_EQ(c.lee(), c.esperado) << c.caso;
    }
}

} // namespace
