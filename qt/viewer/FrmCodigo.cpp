#include "qt/viewer/FrmCodigo.h"

#include "qt/CajaMensaje.h"
#include "qt/Lugar.h"
#include "qt/TextoQt.h"
#include "qt/viewer/Dependencias.h"
#include "ui/viewer/Documento.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QInputDialog>
#include <QMenuBar>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include <algorithm>
#include <map>

namespace qt {
namespace {

QFont FuenteFija() {
    // Courier New where it is installed (or a metric twin such as Liberation Mono stands in for
    // it), else the platform's fixed font.
    QFont f("Courier New", 10);
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    if (!QFontInfo(f).fixedPitch()) {
        f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        f.setPointSize(10);
    }
    return f;
}

QTextCharFormat FormatoQt(const viewer::Formato& f) {
    QTextCharFormat q;
    q.setForeground(QColor::fromRgb(f.color));
    q.setFontWeight(f.negrita ? QFont::Bold : QFont::Normal);
    return q;
}

// Lines per paragraph of the document. A QTextDocument's cost grows faster than its number of
// paragraphs and text fragments, so the lines go into paragraphs of this many, joined by line
// separators (the same one position each, the same look), and the colours into each
// paragraph's layout rather than into fragments: a whole module is then built in linear time.
constexpr int kLineasPorParrafo = 32;

// The document's text: every line break a line separator but one in kLineasPorParrafo, which
// stays '\n' and starts a paragraph.
QString TextoEnParrafos(std::u32string_view texto) {
    QString r(static_cast<qsizetype>(viewer::LargoDocumento(texto)), Qt::Uninitialized);
    char16_t* d = reinterpret_cast<char16_t*>(r.data());
    viewer::EscribeDocumento(texto, d);
    int lineas = 0;
    for (qsizetype i = 0; i < r.size(); ++i) {
        if (d[i] == u'\n' && ++lineas % kLineasPorParrafo != 0)
            d[i] = QChar::LineSeparator;
    }
    return r;
}

// Gives each paragraph of `doc` the formats of the runs (document positions, in order) that
// fall in it, as a syntax highlighter would.
void PonFormatos(QTextDocument& doc, const std::vector<viewer::Tramo>& tramos) {
    // A handful of formats: each made once, not once per run.
    std::map<std::pair<viewer::Color, bool>, QTextCharFormat> formatos;
    auto formato = [&](const viewer::Formato& f) -> const QTextCharFormat& {
        auto [it, nuevo] = formatos.try_emplace({f.color, f.negrita});
        if (nuevo)
            it->second = FormatoQt(f);
        return it->second;
    };
    auto t = tramos.begin();
    for (QTextBlock b = doc.begin(); b.isValid() && t != tramos.end(); b = b.next()) {
        const long inicio = b.position();
        const long fin = inicio + b.length();
        QList<QTextLayout::FormatRange> rangos;
        // A run across the paragraph's end goes on in the next one.
        for (; t != tramos.end() && t->inicio < fin; ++t) {
            const long desde = std::max(t->inicio, inicio);
            const long hasta = std::min(t->inicio + t->largo, fin);
            rangos.append({int(desde - inicio), int(hasta - desde), formato(t->formato)});
            if (t->inicio + t->largo > fin)
                break;
        }
        b.layout()->setFormats(rangos);
    }
}

} // namespace

FrmCodigo::FrmCodigo(vbide::VBE& vbe, const engine::EstadoSeleccion& seleccion, QWidget* parent)
    : QMainWindow(parent), vbe_(vbe), seleccion_(seleccion), comportamiento_(*this) {
    setObjectName("FrmCodigo");

    txtCodigo_ = new QTextEdit(this);
    txtCodigo_->setObjectName("TxtCodigo");
    txtCodigo_->setReadOnly(true);
    // Read-only, but with a caret the keyboard moves, as in a rich-text box.
    txtCodigo_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtCodigo_->setLineWrapMode(QTextEdit::NoWrap);
    txtCodigo_->setUndoRedoEnabled(false);
    txtCodigo_->setFont(FuenteFija());
    QPalette p = txtCodigo_->palette();
    p.setColor(QPalette::Text, Qt::black);
    txtCodigo_->setPalette(p);
    // The text box fills the window's inner area, and follows it when the window is resized.
    setCentralWidget(txtCodigo_);

    mnuDep_ = menuBar()->addAction("Dependencias");
    mnuDep_->setObjectName("mnuDep");
    mnuResaltar_ = menuBar()->addAction("Resaltar");
    mnuResaltar_->setObjectName("mnuResaltar");
    auto& c = comportamiento_;
    connect(mnuDep_, &QAction::triggered, this, [&c] { c.mnuDep_Click(); });
    connect(mnuResaltar_, &QAction::triggered, this, [&c] { c.mnuResaltar_Click(); });

    PonTextoColoreado("TxtCodigo", U"", {}, 0); // the empty text, in a document of the view's own
    resize(640, 480);
}

void FrmCodigo::PonTexto(std::string_view control, std::string_view texto) {
    if (control.empty())
        setWindowTitle(TextoQt(texto));
}

void FrmCodigo::Muestra(std::string_view control, bool visible) {
    if (control == "TxtCodigo")
        txtCodigo_->setVisible(visible);
    else if (control == "mnuDep")
        mnuDep_->setVisible(visible);
}

int FrmCodigo::Mensaje(const std::string& texto, int botones, const std::string& titulo) {
    return CajaMensaje(this, texto, botones, titulo);
}

void FrmCodigo::Cierra(bool) {
    close();
}

void FrmCodigo::PonTextoColoreado(std::string_view, std::u32string_view texto,
                                  const std::vector<viewer::Tramo>& tramos, long cursor) {
    // The view keeps where the user was: highlighting rebuilds the text under the caret.
    const int caret = cursor >= 0 ? static_cast<int>(viewer::PosicionDocumento(texto, cursor))
                                  : txtCodigo_->textCursor().position();
    const int arriba = txtCodigo_->verticalScrollBar()->value();
    const int izquierda = txtCodigo_->horizontalScrollBar()->value();

    // The document is built on its own and then put in the view: filling the one on show
    // would have the view follow every change.
    auto* doc = new QTextDocument(txtCodigo_);
    doc->setUndoRedoEnabled(false);
    doc->setDefaultFont(txtCodigo_->font());
    QTextCursor c(doc);
    c.insertText(TextoEnParrafos(texto));
    PonFormatos(*doc, viewer::TramosDocumento(texto, tramos));
    // The view deletes the document it made itself; the ones made here are deleted here.
    QTextDocument* anterior = txtCodigo_->document();
    const bool hechoAqui = anterior->parent() == txtCodigo_;
    txtCodigo_->setDocument(doc);
    if (hechoAqui)
        delete anterior;

    c.setPosition(std::clamp(caret, 0, doc->characterCount() - 1));
    txtCodigo_->setTextCursor(c);
    txtCodigo_->verticalScrollBar()->setValue(arriba);
    txtCodigo_->horizontalScrollBar()->setValue(izquierda);
}

std::string FrmCodigo::PideTexto(const std::string& texto, const std::string& titulo) {
    const QString t = QInputDialog::getText(this, TextoQt(titulo), TextoQt(texto));
    return t.toStdString(); // empty when cancelled
}

void FrmCodigo::MuestraVentana(std::string_view ventana, bool visible) {
    if (ventana != "Dependencias" || !visible)
        return;
    // Modeless: it lives until it is closed, or until this window goes.
    auto* d = new Dependencias(vbe_.ActiveVBProject(), comportamiento_.Tag(), seleccion_, this);
    d->setAttribute(Qt::WA_DeleteOnClose);
    CentraEn(*d, *this);
    d->show();
    d->raise();
    d->activateWindow();
}

void FrmCodigo::closeEvent(QCloseEvent* e) {
    emit Cerrando();
    e->accept();
}

} // namespace qt
