// The Qt skin's mapping of each primitive onto its kind of widget, once per kind: what the
// window's behaviour tells a control (tests/ui) is what the widget then shows.
#include "ClsErrores/MsgBox.h"
#include "qt/VistaQt.h"
#include "tests/support/RespondeCaja.h"
#include "tests/support/Tabla.h"
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
#include <map>
#include <sstream>

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
    using Haz = std::function<void(const std::string&, const std::string&)>;
    const std::map<std::string, Haz> haz = {
        {"PonTexto", [&](auto& c, auto& a) { vista.PonTexto(c, a); }},
        {"Marca", [&](auto& c, auto& a) { vista.Marca(c, a == "1"); }},
        {"Muestra", [&](auto& c, auto& a) { vista.Muestra(c, a == "1"); }},
        {"Rellena", [&](auto& c, auto& a) { vista.Rellena(c, soporte::Partes(a)); }},
        {"Selecciona", [&](auto& c, auto& a) { vista.Selecciona(c, std::stoi(a)); }},
        {"PonArriba", [&](auto& c, auto& a) { vista.PonArriba(c, std::stoi(a)); }},
        {"PonValor", [&](auto& c, auto& a) { vista.PonValor(c, std::stoi(a)); }},
        {"PonFondo",
         [&](auto& c, auto& a) {
             int r = 0, g = 0, b = 0;
             std::istringstream(a) >> r >> g >> b;
             vista.PonFondo(c, {r, g, b});
         }},
        {"Portapapeles", [&](auto&, auto& a) { vista.Portapapeles(a); }},
        {"RelojArena", [&](auto&, auto& a) { vista.RelojArena(a == "1"); }},
        {"Mensaje",
         [&](auto&, auto& a) {
             prueba::PulsaBoton(QMessageBox::No);
             EXPECT_EQ(vista.Mensaje(a, vb::vbYesNo + vb::vbQuestion, "Lintrap"), vb::vbNo);
         }},
    };
    const auto N = [](auto n) { return QString::number(n); };
    const std::map<std::string, std::function<QString()>> lee = {
        {"título", [&] { return w.windowTitle(); }},
        {"Etiqueta", [&] { return etiqueta->text(); }},
        {"Caja", [&] { return caja->text(); }},
        {"Boton", [&] { return boton->text(); }},
        {"mnuEntrada", [&] { return entrada->text(); }},
        {"Area", [&] { return area->toPlainText(); }},
        {"Casilla", [&] { return N(casilla->isChecked()); }},
        {"Lista", [&] { return N(lista->count()) + " " + N(lista->currentRow()); }},
        {"fila", [&] { return N(lista->currentRow()); }},
        {"seleccionadas", [&] { return N(lista->selectedItems().size()); }},
        {"arriba", [&] { return N(lista->verticalScrollBar()->value()); }},
        {"filas Combo", [&] { return N(combo->count()); }},
        {"Combo", [&] { return combo->currentText(); }},
        {"oculta", [&] { return N(etiqueta->isHidden()); }},
        {"visible", [&] { return N(etiqueta->isVisible()); }},
        {"fondo", [&] { return caja->palette().color(QPalette::Base).name(); }},
        {"Barra", [&] { return N(barra->value()); }},
        {"portapapeles", [] { return QGuiApplication::clipboard()->text(); }},
        {"reloj",
         [&] {
             const QCursor* c = QApplication::overrideCursor();
             return N(c != nullptr && c->shape() == Qt::WaitCursor);
         }},
        {"sin reloj", [&] { return N(QApplication::overrideCursor() == nullptr); }},
        {"caja", [] { return prueba::UltimoTitulo() + ": " + prueba::UltimoMensaje(); }},
    };
    for (const auto& c : soporte::Tabla("qt/primitivas.txt")) {
        SCOPED_TRACE(c[0]);
        if (c[0] == "ninguna fila")
            lista->item(3)->setSelected(true);
        haz.at(c[1])(c[2], c[3]);
        EXPECT_EQ(lee.at(c[4])().toStdString(), c[5]);
    }
}

} // namespace
