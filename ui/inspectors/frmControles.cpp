#include "ui/inspectors/frmControles.h"

#include "base/ErrorVB.h"
#include "ui/TextoQt.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

namespace {

constexpr int Dato = Qt::UserRole;

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

void Rellena(QListWidget* lista, const std::vector<inspectors::Elemento>& elementos) {
    for (const auto& e : elementos) {
        auto* item = new QListWidgetItem(QString::fromStdString(e.texto), lista);
        item->setData(Dato, qlonglong(e.dato));
    }
}

long DatoActual(QListWidget* lista) {
    QListWidgetItem* item = lista->currentItem();
    return item ? long(item->data(Dato).toLongLong()) : 0;
}

QString TextoActual(QListWidget* lista) {
    QListWidgetItem* item = lista->currentItem();
    return item ? item->text() : QString();
}

// A click from the user or a selection set from code runs the list's handler; clearing the
// list does not.
template <class F> void AlElegir(QListWidget* lista, QObject* dueno, F&& manejador) {
    QObject::connect(lista, &QListWidget::currentRowChanged, dueno, [manejador](int fila) {
        if (fila >= 0) {
            manejador();
        }
    });
}

} // namespace

frmControles::frmControles(vbide::VBE& vbe, int paginaCodigos, QWidget* parent)
    : QDialog(parent), controles_(vbe, paginaCodigos) {
    setObjectName("frmControles");
    setWindowTitle("Informe Controles");
    List3 = Lista(this, "List3", 12, 28, 180, 96);
    Command1 = new QPushButton("Copiar al portapapeles", this);
    Command1->setObjectName("Command1");
    Command1->setToolTip("Copia las propiedades del control seleccionado al portapapeles");
    Command1->setGeometry(12, 392, 180, 28);
    List0 = Lista(this, "List0", 12, 152, 180, 104);
    List2 = Lista(this, "List2", 396, 44, 300, 340);
    List1 = Lista(this, "List1", 204, 28, 180, 228);
    CancelButton = new QPushButton("OK", this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setGeometry(608, 392, 88, 28);
    Label5 = Etiqueta(this, "Label5", "Proyectos", 12, 8, 180, 18);
    Label4 = Etiqueta(this, "Label4", "Label4", 204, 268, 180, 48);
    Label4->setWordWrap(true);
    Label3 = Etiqueta(this, "Label3", "Propiedades:", 396, 6, 300, 36);
    Label2 = Etiqueta(this, "Label2", "Controles:", 204, 8, 180, 18);
    Label1 =
        Etiqueta(this, "Label1", QString::fromUtf8("Formularios o diseñadores:"), 12, 132, 180, 18);
    setFixedSize(708, 432);

    AlElegir(List3, this, [this] { List3_Click(); });
    AlElegir(List0, this, [this] { List0_Click(); });
    AlElegir(List1, this, [this] { List1_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::accept);
    Form_Load();
}

template <class F> void frmControles::Maneja(F&& paso) {
    try {
        paso();
    } catch (const ErrorVB& e) {
        QMessageBox::warning(this, "Lintrap", QString::fromStdString(e.Description));
    }
}

void frmControles::Form_Load() {
    Maneja([&] {
        Rellena(List3, controles_.Proyectos());
        if (List3->count() > 0) {
            List3->setCurrentRow(0);
        }
    });
}

void frmControles::List3_Click() {
    List0->clear();
    Maneja([&] {
        Rellena(List0, controles_.Formularios(DatoActual(List3)));
        if (List0->count() > 0) {
            List0->setCurrentRow(0);
        }
    });
}

void frmControles::List0_Click() {
    List1->clear();
    Maneja([&] {
        Rellena(List1, controles_.SeleccionaFormulario(DatoActual(List3),
                                                       TextoActual(List0).toStdString()));
        if (List1->count() > 0) {
            List1->setCurrentRow(0);
        }
    });
}

void frmControles::List1_Click() {
    const auto v =
        controles_.SeleccionaControl(DatoActual(List1), TextoActual(List1).toStdString());
    if (v.label4) {
        Label4->setText(ui::TextoQt(*v.label4));
    }
    List2->clear();
    for (const std::string& linea : v.propiedades) {
        List2->addItem(QString::fromStdString(linea));
    }
    Label3->setText(ui::TextoQt(v.label3));
}

void frmControles::Command1_Click() {
    Maneja([&] {
        std::vector<std::string> propiedades;
        for (int i = 0; i < List2->count(); ++i) {
            propiedades.push_back(List2->item(i)->text().toStdString());
        }
        // With no control selected there is nothing to copy, and nothing is said.
        const auto informe = controles_.Informe(TextoActual(List1).toStdString(),
                                                List1->currentItem() ? DatoActual(List1) : 0,
                                                TextoActual(List0).toStdString(), propiedades);
        if (!informe) {
            return;
        }
        QClipboard* portapapeles = QGuiApplication::clipboard();
        portapapeles->clear();
        portapapeles->setText(QString::fromStdString(*informe));
    });
}
