#include "ui/viewer/Dependencias.h"

#include "ClsErrores/Convencion.h"
#include "base/CodePage.h"
#include "ui/viewer/Llamadores.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QResizeEvent>

namespace {

// The window's sizes were given in twips against its outer height; 15 twips make a pixel at 96
// dots per inch, and the title bar and borders take 405 twips of that height.
constexpr int DesdeAltoExterior(int twips) {
    return (twips - 405) / 15;
}

QString DesdeCodigo(const std::string& bytes, int cp) {
    return QString::fromStdString(codepage::AUtf8(bytes, cp));
}

// The hourglass while the project is searched, back to the normal pointer on every exit.
struct RelojDeArena {
    RelojDeArena() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~RelojDeArena() { QApplication::restoreOverrideCursor(); }
};

} // namespace

Dependencias::Dependencias(vbide::VBProject* proyecto, const std::string& etiqueta,
                           const engine::EstadoSeleccion& seleccion, QWidget* parent)
    : QDialog(parent) {
    setObjectName("Dependencias");
    setWindowTitle("Dependencias");
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(48, 8, 280, 24);
    QFont negrita = Label1->font();
    negrita.setBold(true);
    Label1->setFont(negrita);
    // The arrow the window has always shown beside the name (0xF0 of Wingdings).
    Label2 = new QLabel(QString::fromUtf8("\u21E8"), this);
    Label2->setObjectName("Label2");
    Label2->setGeometry(12, 4, 32, 32);
    QFont simbolo = Label2->font();
    simbolo.setPointSize(18);
    Label2->setFont(simbolo);
    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    List1->setGeometry(12, 36, 236, 200);
    Command1 = new QPushButton("OK", this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(258, 200, 72, 26);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    resize(340, 320);
    Form_Load(proyecto, etiqueta, seleccion);
}

void Dependencias::Form_Load(vbide::VBProject* proyecto, const std::string& etiqueta,
                             const engine::EstadoSeleccion& seleccion) {
    RelojDeArena reloj;
    if (etiqueta == viewer::Todos) {
        return;
    }
    Label1->setText(DesdeCodigo(etiqueta, seleccion.paginaCodigos));
    viewer::BusquedaLlamadores b;
    b.nombre = etiqueta;
    b.modulo = seleccion.modulo;
    if (seleccion.actual >= 0 && size_t(seleccion.actual) < seleccion.procedimientos.size()) {
        b.procedimiento = seleccion.procedimientos[size_t(seleccion.actual)].nombre;
    }
    b.paginaCodigos = seleccion.paginaCodigos;
    std::vector<std::string> lista;
    // A failing object model is reported; what was found before it stays listed.
    Procedimiento("Dependencias \\ Form_Load", [&] {
        if (!proyecto) {
            throw ErrorVB(vberr::ObjectRequired, "Dependencias", "No hay ningún proyecto activo");
        }
        viewer::BuscaLlamadores(*proyecto, b, lista);
    });
    for (const std::string& entrada : lista) {
        List1->addItem(DesdeCodigo(entrada, seleccion.paginaCodigos));
    }
}

void Dependencias::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    // The list fills the height, the button stays beside its foot; a window too small for
    // them leaves them as they were.
    const int alto = e->size().height();
    const int altoLista = alto - DesdeAltoExterior(945);
    if (altoLista > 0) {
        List1->resize(List1->width(), altoLista);
        Command1->move(Command1->x(), alto - DesdeAltoExterior(975));
    }
}
