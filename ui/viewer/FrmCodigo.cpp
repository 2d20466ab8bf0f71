#include "ui/viewer/FrmCodigo.h"

#include "ClsErrores/Convencion.h"
#include "ui/viewer/Caracteres.h"
#include "ui/viewer/Documento.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include <algorithm>
#include <map>

namespace ui {
namespace {

constexpr const char* kPromptResaltar = "Introduzca el término a resaltar (se coloreará de rojo)";
constexpr const char* kTituloAplicacion = "Lintrap";

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

} // namespace

FrmCodigo::FrmCodigo(QWidget* parent)
    : QMainWindow(parent), colores_(std::make_unique<viewer::ColoresCodigo>(U"")) {
    setObjectName("FrmCodigo");
    setAttribute(Qt::WA_DeleteOnClose, false);

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
    connect(mnuDep_, &QAction::triggered, this, [this] { mnuDep_Click(); });
    connect(mnuResaltar_, &QAction::triggered, this, [this] { mnuResaltar_Click(); });

    AplicaFormatos(); // the empty text, in a document of the view's own
    resize(640, 480);
}

FrmCodigo::~FrmCodigo() = default;

void FrmCodigo::PonTexto(const std::string& bytes, int paginaCodigos) {
    paginaCodigos_ = paginaCodigos;
    colores_ = std::make_unique<viewer::ColoresCodigo>(viewer::Caracteres(bytes, paginaCodigos));
    AplicaFormatos();
}

void FrmCodigo::Muestra(const VistaCodigo& vista) {
    // Each step on its own: one that fails is skipped and the rest still runs.
    PasoSinError([&] { txtCodigo_->hide(); });
    if (vista.texto)
        PasoSinError([&] { PonTexto(*vista.texto, vista.paginaCodigos); });
    PasoSinError([&] {
        setWindowTitle(QString::fromStdString(codepage::AUtf8(vista.caption, vista.paginaCodigos)));
    });
    tag_ = vista.tag;
    mnuDep_->setVisible(vista.mnuDepVisible);
    PasoSinError([&] { formateaCodigo(); });
    PasoSinError([&] { PonCursor(1); });
    PasoSinError([&] { txtCodigo_->show(); });
}

void FrmCodigo::formateaCodigo() {
    colores_->formateaCodigo();
    PasoSinError([&] { AplicaFormatos(); });
    // The selection is emptied: the caret stays where it was.
    QTextCursor c = txtCodigo_->textCursor();
    c.clearSelection();
    txtCodigo_->setTextCursor(c);
}

void FrmCodigo::AplicaFormatos() {
    // The view keeps where the user was: highlighting rebuilds the text under the caret.
    const int caret = txtCodigo_->textCursor().position();
    const int arriba = txtCodigo_->verticalScrollBar()->value();
    const int izquierda = txtCodigo_->horizontalScrollBar()->value();

    const std::u32string& texto = colores_->Texto();
    const QString documento = QString::fromStdU16String(viewer::TextoDocumento(texto));
    // A handful of formats: each made once, not once per run.
    std::map<std::pair<viewer::Color, bool>, QTextCharFormat> formatos;
    auto formato = [&](const viewer::Formato& f) -> const QTextCharFormat& {
        auto [it, nuevo] = formatos.try_emplace({f.color, f.negrita});
        if (nuevo)
            it->second = FormatoQt(f);
        return it->second;
    };

    // The document is built on its own and then put in the view: filling the one on show
    // would have the view follow every insertion. One insertion per run, in order.
    auto* doc = new QTextDocument(txtCodigo_);
    doc->setUndoRedoEnabled(false);
    doc->setDefaultFont(txtCodigo_->font());
    QTextCursor c(doc);
    c.beginEditBlock();
    for (const viewer::Tramo& t : viewer::TramosDocumento(texto, colores_->TodosLosTramos()))
        c.insertText(documento.mid(t.inicio, t.largo), formato(t.formato));
    c.endEditBlock();
    // The view deletes the document it made itself; the ones made here are deleted here.
    QTextDocument* anterior = txtCodigo_->document();
    const bool hechoAqui = anterior->parent() == txtCodigo_;
    txtCodigo_->setDocument(doc);
    if (hechoAqui)
        delete anterior;

    c.setPosition(std::min(caret, static_cast<int>(documento.size())));
    txtCodigo_->setTextCursor(c);
    txtCodigo_->verticalScrollBar()->setValue(arriba);
    txtCodigo_->horizontalScrollBar()->setValue(izquierda);
}

void FrmCodigo::PonCursor(long offset) {
    QTextCursor c = txtCodigo_->textCursor();
    c.setPosition(static_cast<int>(viewer::PosicionDocumento(colores_->Texto(), offset)));
    txtCodigo_->setTextCursor(c);
}

void FrmCodigo::mnuResaltar_Click() {
    Procedimiento("FrmCodigo \\ mnuResaltar_Click", [&] {
        bool aceptado = false;
        const QString termino = QInputDialog::getText(this, kTituloAplicacion, kPromptResaltar,
                                                      QLineEdit::Normal, QString(), &aceptado);
        // A cancelled box gives an empty term, like an empty one: nothing to paint.
        if (!aceptado || termino.isEmpty())
            return;
        if (colores_->Resaltar(termino.toStdU32String()) > 0)
            AplicaFormatos();
    });
}

void FrmCodigo::mnuDep_Click() {
    Procedimiento("FrmCodigo \\ mnuDep_Click", [&] {
        if (!abreDependencias)
            throw ErrorVB(vberr::ObjectRequired, "FrmCodigo",
                          "La ventana Dependencias no está disponible");
        abreDependencias(*this);
    });
}

void FrmCodigo::closeEvent(QCloseEvent* e) {
    Procedimiento("FrmCodigo \\ Form_QueryUnload", [&] {
        if (mnuCodigo_)
            mnuCodigo_->setText("&Ver Codigo");
    });
    emit Cerrando();
    e->accept();
}

} // namespace ui
