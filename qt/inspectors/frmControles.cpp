#include "qt/inspectors/frmControles.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace qt {
namespace {

QListWidget* Lista(QWidget* padre, const char* nombre, int x, int y, int ancho, int alto) {
    auto* l = new QListWidget(padre);
    l->setObjectName(nombre);
    l->setGeometry(x, y, ancho, alto);
    return l;
}

QLabel* Etiqueta(QWidget* padre, const char* nombre, const QString& texto, int x, int y, int ancho,
                 int alto) {
    auto* l = new QLabel(texto, padre);
    l->setObjectName(nombre);
    l->setGeometry(x, y, ancho, alto);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

} // namespace

frmControles::frmControles(vbide::VBE& vbe, int paginaCodigos, QWidget* parent)
    : Dialogo(parent), comportamiento_(*this, vbe, paginaCodigos) {
    setObjectName("frmControles");
    setWindowTitle("Informe Controles");
    auto* List3 = Lista(this, "List3", 12, 28, 180, 96);
    auto* Command1 = new QPushButton("Copiar al portapapeles", this);
    Command1->setObjectName("Command1");
    Command1->setToolTip("Copia las propiedades del control seleccionado al portapapeles");
    Command1->setGeometry(12, 392, 180, 28);
    auto* List0 = Lista(this, "List0", 12, 152, 180, 104);
    Lista(this, "List2", 396, 44, 300, 340);
    auto* List1 = Lista(this, "List1", 204, 28, 180, 228);
    auto* CancelButton = new QPushButton("OK", this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setGeometry(608, 392, 88, 28);
    Etiqueta(this, "Label5", "Proyectos", 12, 8, 180, 18);
    // The control's name and " (Tipo de Control : ...)": two whole lines, never wrapped inside
    // the phrase, so the label takes the free width under both lists.
    Etiqueta(this, "Label4", "Label4", 12, 268, 372, 48);
    Etiqueta(this, "Label3", "Propiedades:", 396, 6, 300, 36);
    Etiqueta(this, "Label2", "Controles:", 204, 8, 180, 18);
    Etiqueta(this, "Label1", QString::fromUtf8("Formularios o diseñadores:"), 12, 132, 180, 18);
    setFixedSize(708, 432);

    // A click of the user or a selection set from outside runs the list's handler.
    auto& c = comportamiento_;
    connect(List3, &QListWidget::currentRowChanged, this, [&c](int fila) { c.List3_Click(fila); });
    connect(List0, &QListWidget::currentRowChanged, this, [&c](int fila) { c.List0_Click(fila); });
    connect(List1, &QListWidget::currentRowChanged, this, [&c](int fila) { c.List1_Click(fila); });
    connect(Command1, &QPushButton::clicked, this, [&c] { c.Command1_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [&c] { c.CancelButton_Click(); });
    c.Form_Load();
}

} // namespace qt
