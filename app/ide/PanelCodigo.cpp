#include "app/ide/PanelCodigo.h"

#include "app/ide/ColoresPanel.h"

#include "base/CodePage.h"
#include "base/ErrorVB.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>

#include <algorithm>
#include <utility>

namespace ide {

namespace {

class Margen : public QWidget {
public:
    explicit Margen(PanelCodigo* panel) : QWidget(panel), panel_(panel) {}
    QSize sizeHint() const override { return {panel_->AnchoMargen(), 0}; }

protected:
    void paintEvent(QPaintEvent* e) override { panel_->PintaMargen(e); }

private:
    PanelCodigo* panel_;
};

} // namespace

PanelCodigo::PanelCodigo(files::CodeModuleMem& modulo, int codepage, QWidget* parent)
    : QPlainTextEdit(parent), modulo_(modulo), codepage_(codepage), margen_(new Margen(this)) {
    setObjectName(QString::fromStdString(codepage::AUtf8(modulo.Name(), codepage)));
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // Undo belongs to the host: one stack for typing and for the add-ins' commands.
    setUndoRedoEnabled(false);
    connect(this, &QPlainTextEdit::blockCountChanged, this,
            [this] { setViewportMargins(AnchoMargen(), 0, 0, 0); });
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& r, int dy) {
        if (dy) {
            margen_->scroll(0, dy);
        } else {
            margen_->update(0, r.y(), margen_->width(), r.height());
        }
    });
    connect(document(), &QTextDocument::contentsChange, this, &PanelCodigo::AlEscribir);
    // After the connection above: a typed edit reaches the model before it is coloured.
    new ColoresPanel(document());
    Recarga();
}

QString PanelCodigo::Texto(long primera, long cuantas) const {
    QString t;
    for (long i = primera; i < primera + cuantas; ++i) {
        if (i > primera) {
            t += '\n';
        }
        t += QString::fromStdString(codepage::AUtf8(modulo_.Line(i), codepage_));
    }
    return t;
}

void PanelCodigo::RecargaLuego() {
    if (!std::exchange(recargando_, true)) {
        QMetaObject::invokeMethod(
            this, [this] { Recarga(); }, Qt::QueuedConnection);
    }
}

void PanelCodigo::Recarga() {
    recargando_ = false;
    aplicando_ = true;
    const int barra = verticalScrollBar()->value();
    setPlainText(Texto(1, modulo_.CountOfLines()));
    verticalScrollBar()->setValue(barra);
    aplicando_ = false;
}

void PanelCodigo::Cambiado(long primera, long quitadas, long puestas) {
    if (escribiendo_) {
        return; // the pane shows it already
    }
    const long ahora = modulo_.CountOfLines();
    // An empty module and a module of one empty line look alike: rebuild around them.
    if (ahora == 0 || ahora - puestas + quitadas == 0 || document()->blockCount() == 0) {
        Recarga();
        return;
    }
    aplicando_ = true;
    QTextCursor c(document());
    const int b0 = int(primera - 1);
    const QString nuevo = Texto(primera, puestas);
    if (quitadas > 0) {
        QTextBlock inicio = document()->findBlockByNumber(b0);
        QTextBlock fin = document()->findBlockByNumber(b0 + int(quitadas) - 1);
        c.setPosition(inicio.position());
        c.setPosition(fin.position() + fin.length() - 1, QTextCursor::KeepAnchor);
        if (puestas > 0) {
            c.insertText(nuevo);
        } else if (fin.next().isValid()) {
            c.setPosition(fin.next().position(), QTextCursor::KeepAnchor);
            c.removeSelectedText();
        } else {
            c.setPosition(inicio.position() - 1);
            c.setPosition(fin.position() + fin.length() - 1, QTextCursor::KeepAnchor);
            c.removeSelectedText();
        }
    } else if (b0 < document()->blockCount()) {
        c.setPosition(document()->findBlockByNumber(b0).position());
        c.insertText(nuevo + '\n');
    } else {
        c.movePosition(QTextCursor::End);
        c.insertText('\n' + nuevo);
    }
    aplicando_ = false;
    if (document()->blockCount() != ahora) {
        Recarga(); // never show other lines than the model holds
    }
}

std::string PanelCodigo::Bytes(const QString& linea, bool& bien) const {
    auto b = codepage::DesdeUtf8(linea.toStdString(), codepage_);
    bien = bien && b.has_value();
    return b ? *b : std::string();
}

void PanelCodigo::AlEscribir(int pos, int, int puestos) {
    // The colouring reports the lines it coloured as changed: when they were refused, that is
    // not typing again.
    if (aplicando_ || recargando_) {
        return;
    }
    QTextDocument* doc = document();
    const long antes = modulo_.CountOfLines();
    const long ahora = doc->blockCount();
    long primera = doc->findBlock(pos).blockNumber() + 1;
    long ultima =
        doc->findBlock(std::min(pos + puestos, doc->characterCount() - 1)).blockNumber() + 1;
    if (antes == 0) { // the empty pane stood for no lines at all
        primera = 1;
        ultima = ahora;
    }
    const long delta = ahora - std::max(antes, 1L);
    Escritura e;
    e.primera = primera;
    bool bien = true;
    for (long i = primera; i <= ultima; ++i) {
        e.despues.push_back(Bytes(doc->findBlockByNumber(int(i - 1)).text(), bien));
    }
    const long viejas = antes == 0 ? 0 : (ultima - primera + 1) - delta;
    for (long i = primera; i < primera + viejas; ++i) {
        e.antes.emplace_back(modulo_.Line(i));
    }
    if (!bien) {
        RecargaLuego(); // the lines back as the model holds them
        emit rechazado(QString("El texto escrito tiene caracteres que la página de códigos %1 "
                               "del proyecto no puede guardar; no se ha escrito")
                           .arg(codepage_));
        return;
    }
    // The lines alike at both ends are not touched.
    while (!e.antes.empty() && !e.despues.empty() && e.antes.back() == e.despues.back()) {
        e.antes.pop_back();
        e.despues.pop_back();
    }
    while (!e.antes.empty() && !e.despues.empty() && e.antes.front() == e.despues.front()) {
        e.antes.erase(e.antes.begin());
        e.despues.erase(e.despues.begin());
        ++e.primera;
    }
    if (e.antes.empty() && e.despues.empty()) {
        return;
    }
    escribiendo_ = true;
    try {
        if (e.antes.size() == e.despues.size()) {
            for (size_t i = 0; i < e.antes.size(); ++i) {
                modulo_.ReplaceLine(e.primera + long(i), e.despues[i]);
            }
        } else {
            if (!e.antes.empty()) {
                modulo_.DeleteLines(e.primera, long(e.antes.size()));
            }
            if (!e.despues.empty()) {
                std::string texto;
                for (size_t i = 0; i < e.despues.size(); ++i) {
                    texto += (i ? "\r\n" : "") + e.despues[i];
                }
                modulo_.InsertLines(e.primera, texto);
            }
        }
    } catch (const ErrorVB& err) {
        escribiendo_ = false;
        RecargaLuego();
        emit rechazado(QString::fromStdString(err.Description));
        return;
    }
    escribiendo_ = false;
    emit escrito(this, e);
}

bool PanelCodigo::event(QEvent* e) {
    // Ctrl+Z and Ctrl+Y go to the host's undo stack, not to the text's own.
    if (e->type() == QEvent::ShortcutOverride) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->matches(QKeySequence::Undo) || k->matches(QKeySequence::Redo) ||
            (k->key() == Qt::Key_Y && k->modifiers() == Qt::ControlModifier)) {
            e->ignore();
            return true;
        }
    }
    return QPlainTextEdit::event(e);
}

int PanelCodigo::AnchoMargen() const {
    int cifras = 1;
    for (int n = std::max(1, blockCount()); n >= 10; n /= 10) {
        ++cifras;
    }
    return 8 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * std::max(cifras, 3);
}

void PanelCodigo::resizeEvent(QResizeEvent* e) {
    QPlainTextEdit::resizeEvent(e);
    const QRect r = contentsRect();
    margen_->setGeometry(QRect(r.left(), r.top(), AnchoMargen(), r.height()));
}

void PanelCodigo::PintaMargen(QPaintEvent* e) {
    QPainter p(margen_);
    p.fillRect(e->rect(), palette().color(QPalette::AlternateBase));
    p.setPen(palette().color(QPalette::PlaceholderText));
    QTextBlock b = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(b).translated(contentOffset()).top());
    const int alto = fontMetrics().height();
    while (b.isValid() && top <= e->rect().bottom()) {
        if (b.isVisible() && top + alto >= e->rect().top()) {
            p.drawText(0, top, margen_->width() - 4, alto, Qt::AlignRight,
                       QString::number(b.blockNumber() + 1));
        }
        top += qRound(blockBoundingRect(b).height());
        b = b.next();
    }
}

} // namespace ide
