#include "qt/viewer/Dependencias.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QResizeEvent>

namespace qt {
namespace {

// The window's sizes were given in twips against its outer height; 15 twips make a pixel at 96
// dots per inch, and the title bar and borders take 405 twips of that height.
constexpr int DesdeAltoExterior(int twips) {
    return (twips - 405) / 15;
}

} // namespace

Dependencias::Dependencias(vbide::VBProject* proyecto, const std::string& etiqueta,
                           const engine::EstadoSeleccion& seleccion, QWidget* parent)
    : Dialogo(parent), comportamiento_(*this, proyecto, etiqueta, seleccion) {
    setObjectName("Dependencias");
    setWindowTitle("Dependencias");
    auto* Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(48, 8, 280, 24);
    QFont negrita = Label1->font();
    negrita.setBold(true);
    Label1->setFont(negrita);
    // The arrow the window has always shown beside the name (0xF0 of Wingdings).
    auto* Label2 = new QLabel(QString::fromUtf8("\u21E8"), this);
    Label2->setObjectName("Label2");
    Label2->setGeometry(12, 4, 32, 32);
    QFont simbolo = Label2->font();
    simbolo.setPointSize(18);
    Label2->setFont(simbolo);
    auto* List1 = new QListWidget(this);
    List1->setObjectName("List1");
    List1->setGeometry(12, 36, 236, 200);
    auto* Command1 = new QPushButton("OK", this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(258, 200, 72, 26);
    Command1->setDefault(true);
    resize(340, 320);
    auto& c = comportamiento_;
    connect(Command1, &QPushButton::clicked, this, [&c] { c.Command1_Click(); });
    c.Form_Load();
}

void Dependencias::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    // The list fills the height, the button stays beside its foot; a window too small for
    // them leaves them as they were.
    auto* List1 = findChild<QListWidget*>("List1");
    auto* Command1 = findChild<QPushButton*>("Command1");
    const int alto = e->size().height();
    const int altoLista = alto - DesdeAltoExterior(945);
    if (List1 && Command1 && altoLista > 0) {
        List1->resize(List1->width(), altoLista);
        Command1->move(Command1->x(), alto - DesdeAltoExterior(975));
    }
}

} // namespace qt
