#pragma once
// What the widget tests do as the user does it: find a control by its name, click a list's row,
// tick a box where its indicator is; and what a text document shows.

#include <QListWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <utility>

namespace prueba {

// The child of that name (an action, a menu or a widget); a missing one fails the test.
template <class W = QWidget> W* Control(const QObject& ventana, const char* nombre) {
    W* w = ventana.findChild<W*>(nombre);
    EXPECT_NE(w, nullptr) << nombre;
    return w;
}

// A click in the middle of a list's row.
inline void ClicFila(QListWidget* l, int fila, Qt::KeyboardModifiers teclas = Qt::NoModifier) {
    QTest::mouseClick(l->viewport(), Qt::LeftButton, teclas,
                      l->visualItemRect(l->item(fila)).center());
}

// The row showing `texto`; a missing one fails the test.
inline int Fila(QListWidget* l, const QString& texto) {
    const auto items = l->findItems(texto, Qt::MatchExactly);
    EXPECT_EQ(items.size(), 1) << texto.toStdString();
    return items.isEmpty() ? -1 : l->row(items.front());
}

// A click on a check box or an option button where its indicator is.
inline void Marca(QWidget* b) {
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(6, b->height() / 2));
}

// The colour, and whether bold, that a document shows at `posicion`: its paragraph's layout
// range there, else plain black.
inline std::pair<QColor, bool> FormatoEn(const QTextDocument& doc, int posicion) {
    const QTextBlock b = doc.findBlock(posicion);
    for (const QTextLayout::FormatRange& r : b.layout()->formats()) {
        if (posicion >= b.position() + r.start && posicion < b.position() + r.start + r.length)
            return {r.format.foreground().color(), r.format.fontWeight() >= QFont::Bold};
    }
    return {QColor(Qt::black), false};
}

} // namespace prueba
