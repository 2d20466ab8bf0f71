#include "app/ide/Administrador.h"

#include "base/ErrorVB.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ide {

namespace {

QString Comportamiento(bool cargado, bool alInicio) {
    QStringList s;
    if (alInicio) {
        s << "Inicio";
    }
    s << (cargado ? "Cargado" : "Descargado");
    return s.join(" / ");
}

} // namespace

Administrador::Administrador(Complementos& complementos, QWidget* parent)
    : QDialog(parent), complementos_(complementos) {
    setObjectName("Administrador");
    setWindowTitle("Administrador de complementos");
    lista_ = new QTableWidget(0, 2, this);
    lista_->setObjectName("Lista");
    lista_->setHorizontalHeaderLabels({"Complementos disponibles", "Comportamiento de carga"});
    lista_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    lista_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    lista_->verticalHeader()->hide();
    lista_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lista_->setSelectionMode(QAbstractItemView::SingleSelection);
    lista_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    descripcion_ = new QLabel(this);
    descripcion_->setObjectName("Descripcion");
    descripcion_->setWordWrap(true);
    descripcion_->setMinimumHeight(3 * fontMetrics().height());
    descripcion_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto* cajaDesc = new QGroupBox("Descripción", this);
    (new QVBoxLayout(cajaDesc))->addWidget(descripcion_);

    cargadoCasilla_ = new QCheckBox("Cargado/Descargado", this);
    cargadoCasilla_->setObjectName("Cargado");
    alInicioCasilla_ = new QCheckBox("Cargar al iniciar", this);
    alInicioCasilla_->setObjectName("AlInicio");
    auto* cajaCarga = new QGroupBox("Comportamiento de carga", this);
    auto* lc = new QVBoxLayout(cajaCarga);
    lc->addWidget(cargadoCasilla_);
    lc->addWidget(alInicioCasilla_);

    auto* botones = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    botones->button(QDialogButtonBox::Ok)->setText("Aceptar");
    botones->button(QDialogButtonBox::Cancel)->setText("Cancelar");
    auto* anadir = botones->addButton("Añadir...", QDialogButtonBox::ActionRole);
    anadir->setObjectName("Anadir");

    auto* abajo = new QHBoxLayout;
    abajo->addWidget(cajaDesc, 2);
    abajo->addWidget(cajaCarga, 1);
    auto* raiz = new QVBoxLayout(this);
    raiz->addWidget(lista_);
    raiz->addLayout(abajo);
    raiz->addWidget(botones);
    resize(560, 360);

    connect(botones, &QDialogButtonBox::accepted, this, &Administrador::accept);
    connect(botones, &QDialogButtonBox::rejected, this, &Administrador::reject);
    connect(anadir, &QPushButton::clicked, this, &Administrador::Anade);
    connect(lista_, &QTableWidget::currentCellChanged, this, [this](int fila) { Fila(fila); });
    connect(cargadoCasilla_, &QCheckBox::toggled, this, [this](bool v) {
        int f = lista_->currentRow();
        if (f >= 0) {
            cargado_[size_t(f)] = v;
            lista_->item(f, 1)->setText(Comportamiento(v, alInicio_[size_t(f)]));
        }
    });
    connect(alInicioCasilla_, &QCheckBox::toggled, this, [this](bool v) {
        int f = lista_->currentRow();
        if (f >= 0) {
            alInicio_[size_t(f)] = v;
            lista_->item(f, 1)->setText(Comportamiento(cargado_[size_t(f)], v));
        }
    });
    Llena();
}

void Administrador::Llena() {
    filas_.clear();
    cargado_.clear();
    alInicio_.clear();
    lista_->setRowCount(0);
    for (const auto& c : complementos_.Lista()) {
        const int f = lista_->rowCount();
        lista_->insertRow(f);
        filas_.push_back(c.get());
        cargado_.push_back(c->conexion != nullptr);
        alInicio_.push_back(c->alInicio);
        lista_->setItem(f, 0,
                        new QTableWidgetItem(QString::fromStdString(c->registro.displayName)));
        lista_->setItem(f, 1, new QTableWidgetItem(Comportamiento(cargado_.back(), c->alInicio)));
    }
    if (!filas_.empty()) {
        lista_->setCurrentCell(0, 0);
    }
    Fila(lista_->currentRow());
}

void Administrador::Fila(int fila) {
    const bool hay = fila >= 0 && fila < int(filas_.size());
    cargadoCasilla_->setEnabled(hay);
    alInicioCasilla_->setEnabled(hay);
    QSignalBlocker a(cargadoCasilla_), b(alInicioCasilla_);
    cargadoCasilla_->setChecked(hay && cargado_[size_t(fila)]);
    alInicioCasilla_->setChecked(hay && alInicio_[size_t(fila)]);
    descripcion_->setText(
        hay ? QString::fromStdString(filas_[size_t(fila)]->registro.description).trimmed()
            : QString());
}

void Administrador::Anade() {
    const QString ruta =
        QFileDialog::getOpenFileName(this, "Añadir un complemento", {}, "Complementos (*.so)");
    if (ruta.isEmpty()) {
        return;
    }
    try {
        complementos_.Carga(ruta);
        complementos_.GuardaRegistro();
        Llena();
    } catch (const ErrorVB& e) {
        QMessageBox::warning(this, "Lintrap", QString::fromStdString(e.Description));
    }
}

void Administrador::accept() {
    for (size_t i = 0; i < filas_.size(); ++i) {
        Componente& c = *filas_[i];
        c.alInicio = alInicio_[i];
        if (cargado_[i]) {
            complementos_.Conecta(c, vbide::ext_cm_AfterStartup);
        } else {
            complementos_.Desconecta(c, vbide::ext_dm_UserClosed);
        }
    }
    complementos_.GuardaRegistro();
    QDialog::accept();
}

} // namespace ide
