#include "ui/main/frmAddIn.h"

#include "ClsErrores/Convencion.h"
#include "base/CodePage.h"
#include "engine/Procedimientos.h"
#include "install/Modulos.h"
#include "qt/main/frmAbout.h"
#include "ui/main/CodigoVisor.h"
#include "ui/main/Reglas.h"
#include "ui/main/Variables.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace ui {

// What the engine's commands ask of the window.
class frmAddIn::Ventana : public engine::Ventana {
public:
    explicit Ventana(frmAddIn& w) : w_(w) {}
    void RefrescarCodigo() override { w_.RefrescarCodigo(); }
    void Recarga(const std::string& modulo) override { w_.Form_Load(modulo); }

private:
    frmAddIn& w_;
};

namespace {

QString Qt8(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// The lists' rows follow one another by whole rows, so a scroll bar's value is the top row.
QListWidget* Lista(const char* nombre, QAbstractItemView::SelectionMode modo, QWidget* padre) {
    auto* l = new QListWidget(padre);
    l->setObjectName(nombre);
    l->setSelectionMode(modo);
    l->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    l->setSortingEnabled(false); // rows arrive sorted by the engine, List3's at fixed places
    return l;
}

QRadioButton* Opcion(const char* nombre, const char* caption, QWidget* padre) {
    auto* b = new QRadioButton(QString::fromUtf8(caption), padre);
    b->setObjectName(nombre);
    return b;
}

int Arriba(QListWidget* l) {
    return l->verticalScrollBar()->value();
}

void FijaArriba(QListWidget* l, int fila) {
    l->verticalScrollBar()->setValue(fila);
}

} // namespace

frmAddIn::frmAddIn(vbide::VBE& vbe, std::string carpetaAddIn, int paginaCodigos, QWidget* parent)
    : QMainWindow(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                              Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      VBInstance(vbe), carpeta_(std::move(carpetaAddIn)) {
    estado_.paginaCodigos = paginaCodigos;
    setObjectName("frmAddIn");
    setWindowTitle("AddIn Lintrap - Quovant");
    Registra(this);
    CreaControles();
    CreaMenus();
    progreso_ = std::make_unique<ProgresoQt>(*ProgressBar1);
    ventana_ = std::make_unique<Ventana>(*this);
    // The runtime's own messages (glbErr) appear as this window's boxes while it is loaded.
    vb::FijaDialogos(&msgBox_);

    // The border is fixed: the window keeps the size its controls ask for, centred.
    adjustSize();
    setFixedSize(sizeHint());
    if (const QScreen* pantalla = screen()) {
        move(pantalla->availableGeometry().center() - rect().center());
    }
    Form_Load();
}

frmAddIn::~frmAddIn() {
    if (&vb::DialogosActuales() == &msgBox_) {
        vb::FijaDialogos(nullptr);
    }
}

void frmAddIn::CreaControles() {
    auto* centro = new QWidget(this);
    setCentralWidget(centro);
    auto* raiz = new QVBoxLayout(centro);

    QFont negrita = font();
    negrita.setBold(true);
    Label6 = new QLabel("Proyecto:", centro);
    Label6->setObjectName("Label6");
    Label6->setFont(negrita);
    Label5 = new QLabel(centro);
    Label5->setObjectName("Label5");
    Label5->setFont(negrita);
    auto* fila1 = new QHBoxLayout;
    fila1->addWidget(Label6);
    fila1->addWidget(Label5, 1);
    raiz->addLayout(fila1);

    auto* rejilla = new QGridLayout;
    rejilla->setHorizontalSpacing(0);
    Label1 = new QLabel(QString::fromUtf8("Módulos"), centro);
    Label1->setObjectName("Label1");
    Label3 = new QLabel("Procedimientos", centro);
    Label3->setObjectName("Label3");
    Label2 = new QLabel("On Error", centro);
    Label2->setObjectName("Label2");
    List1 = Lista("List1", QAbstractItemView::SingleSelection, centro);
    List2 = Lista("List2", QAbstractItemView::ExtendedSelection, centro);
    List3 = Lista("List3", QAbstractItemView::ExtendedSelection, centro);
    List1->setMinimumWidth(190);
    List2->setMinimumWidth(230);
    List3->setFixedWidth(64);
    // List3 is a column of List2: the same top and height, no gap between them.
    Label4 = new QLabel("Lineas:", centro);
    Label4->setObjectName("Label4");

    Frame1 = new QGroupBox(centro);
    Frame1->setObjectName("Frame1");
    Option1 = Opcion("Option1", "Números de línea", Frame1);
    Option2 = Opcion("Option2", "clsErrores", Frame1);
    Option3 = Opcion("Option3", "Resume Next (solamente)", Frame1);
    PicManejo = new QFrame(Frame1);
    PicManejo->setObjectName("PicManejo");
    OptExit = Opcion("OptExit", "Exit", PicManejo);
    OptResume = Opcion("OptResume", "Resume Next", PicManejo);
    OptRaise = Opcion("OptRaise", "Err.Raise", PicManejo);
    auto* variantes = new QVBoxLayout(PicManejo);
    variantes->setContentsMargins(0, 0, 0, 0);
    variantes->setSpacing(0);
    variantes->addWidget(OptExit);
    variantes->addWidget(OptResume);
    variantes->addWidget(OptRaise);
    // Hidden, the variants keep their place: the frame does not jump when Option2 is chosen.
    QSizePolicy sitio = PicManejo->sizePolicy();
    sitio.setRetainSizeWhenHidden(true);
    PicManejo->setSizePolicy(sitio);
    auto* opciones = new QGridLayout(Frame1);
    opciones->addWidget(Option1, 0, 0);
    opciones->addWidget(Option2, 1, 0);
    opciones->addWidget(PicManejo, 1, 1);
    opciones->addWidget(Option3, 2, 0);
    opciones->setColumnStretch(1, 1);

    Check1 = new QCheckBox("Todos los procedimientos", centro);
    Check1->setObjectName("Check1");
    Check1->setToolTip("Insertar en todos los procedimientos del módulo");

    auto* izquierda = new QVBoxLayout;
    izquierda->addWidget(List1, 1);
    izquierda->addWidget(Label4);
    izquierda->addWidget(Frame1);
    izquierda->addWidget(Check1);
    rejilla->addWidget(Label1, 0, 0);
    rejilla->addWidget(Label3, 0, 2);
    rejilla->addWidget(Label2, 0, 3);
    rejilla->addLayout(izquierda, 1, 0);
    rejilla->addWidget(List2, 1, 2);
    rejilla->addWidget(List3, 1, 3);
    rejilla->setColumnMinimumWidth(1, 8);
    raiz->addLayout(rejilla, 1);

    Command1 = new QPushButton("Insertar", centro);
    Command1->setObjectName("Command1");
    Command2 = new QPushButton("Quitar", centro);
    Command2->setObjectName("Command2");
    CancelButton = new QPushButton("Salir", centro);
    CancelButton->setObjectName("CancelButton");
    auto* botones = new QHBoxLayout;
    botones->addWidget(Command1);
    botones->addWidget(Command2);
    botones->addStretch(1);
    botones->addWidget(CancelButton);
    raiz->addLayout(botones);

    ProgressBar1 = new QProgressBar(centro);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, 100);
    QSizePolicy barra = ProgressBar1->sizePolicy();
    barra.setRetainSizeWhenHidden(true);
    ProgressBar1->setSizePolicy(barra);
    ProgressBar1->hide();
    raiz->addWidget(ProgressBar1);

    // Option buttons: the state the engine reads follows them at once.
    const auto modo = [this](QRadioButton* b, engine::Modo m) {
        connect(b, &QRadioButton::toggled, this, [this, m](bool elegido) {
            if (elegido) {
                estado_.modo = m;
            }
            MuestraOcultaPicManejo();
        });
    };
    modo(Option1, engine::Modo::Option1);
    modo(Option2, engine::Modo::Option2);
    modo(Option3, engine::Modo::Option3);
    const auto variante = [this](QRadioButton* b, engine::Variante v) {
        connect(b, &QRadioButton::toggled, this, [this, v](bool elegido) {
            if (elegido) {
                estado_.variante = v;
            }
        });
    };
    variante(OptExit, engine::Variante::OptExit);
    variante(OptResume, engine::Variante::OptResume);
    variante(OptRaise, engine::Variante::OptRaise);

    connect(List1, &QListWidget::currentRowChanged, this, [this] { List1_Click(); });
    connect(List1, &QListWidget::itemDoubleClicked, this, [this] { List1_DblClick(); });
    connect(List2, &QListWidget::itemDoubleClicked, this, [this] { List2_DblClick(); });
    connect(List3, &QListWidget::itemDoubleClicked, this, [this] { List2_DblClick(); });
    // A selection changed by the user or by the program is a click, unless it is one list
    // following the other.
    connect(List2, &QListWidget::itemSelectionChanged, this, [this] {
        if (!sincronizando_) {
            cambioEnPulsacion_ = pulsando_;
            List2_Click();
        }
    });
    connect(List3, &QListWidget::itemSelectionChanged, this, [this] {
        if (!sincronizando_) {
            cambioEnPulsacion_ = pulsando_;
            List3_Click();
        }
    });
    // Pressing on the row that is already current changes nothing, yet still refreshes.
    connect(List2, &QListWidget::pressed, this, [this] {
        if (!cambioEnPulsacion_) {
            List2_Click();
        }
    });
    connect(List3, &QListWidget::pressed, this, [this] {
        if (!cambioEnPulsacion_) {
            List3_Click();
        }
    });
    List2->viewport()->installEventFilter(this);
    List3->viewport()->installEventFilter(this);
    connect(List2->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int fila) {
        if (!sincronizando_) {
            QScopedValueRollback guarda(sincronizando_, true);
            FijaArriba(List3, fila);
        }
    });
    connect(List3->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int fila) {
        if (!sincronizando_) {
            QScopedValueRollback guarda(sincronizando_, true);
            FijaArriba(List2, fila);
        }
    });
    connect(Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { close(); });
}

void frmAddIn::CreaMenus() {
    QMenuBar* barra = menuBar();
    mnuConfig = barra->addAction(QString::fromUtf8("&Configuración"));
    mnuConfig->setObjectName("mnuConfig");
    mnuUtils = barra->addMenu("&Utilidades");
    mnuUtils->setObjectName("mnuUtils");
    mnuCodigo = mnuUtils->addAction(Qt8(std::string(VerCodigo)));
    mnuCodigo->setObjectName("mnuCodigo");
    mnuRef = mnuUtils->addAction("&Referencias");
    mnuRef->setObjectName("mnuRef");
    mnuControles = mnuUtils->addAction("&Controles");
    mnuControles->setObjectName("mnuControles");
    mnuRefrescar = mnuUtils->addAction("&Actualizar");
    mnuRefrescar->setObjectName("mnuRefrescar");
    mnuRefrescar->setShortcut(Qt::Key_F5);
    // The entry is not shown in the menu; its command and F5 still work (a hidden action
    // keeps its shortcut only while it is part of the window, hence the window's copy).
    mnuRefrescar->setVisible(false);
    auto* f5 = new QAction(this);
    f5->setObjectName("mnuRefrescarF5");
    f5->setShortcut(Qt::Key_F5);
    addAction(f5);
    mnuAyuda = barra->addMenu("&Ayuda");
    mnuAyuda->setObjectName("mnuAyuda");
    mnuAyuda2 = mnuAyuda->addAction("&Ayuda");
    mnuAyuda2->setObjectName("mnuAyuda2");
    mnuAyuda2->setShortcut(Qt::Key_F1);
    mnuAbout = mnuAyuda->addAction("A&cerca de");
    mnuAbout->setObjectName("mnuAbout");

    const auto abre = [this](QAction* entrada, std::function<void(frmAddIn&)> frmAddIn::*quien,
                             const char* identidad) {
        connect(entrada, &QAction::triggered, this, [this, quien, identidad] {
            if (this->*quien) {
                Procedimiento(identidad, [&] { (this->*quien)(*this); });
            }
        });
    };
    abre(mnuConfig, &frmAddIn::abreConfiguracion, "frmAddIn \\ mnuConfig_Click");
    abre(mnuRef, &frmAddIn::abreReferencias, "frmAddIn \\ mnuRef_Click");
    // The controls inspector handles its own errors.
    connect(mnuControles, &QAction::triggered, this, [this] {
        if (abreControles) {
            abreControles(*this);
        }
    });
    connect(mnuCodigo, &QAction::triggered, this, [this] { mnuCodigo_Click(); });
    const auto recarga = [this] {
        Procedimiento("frmAddIn \\ mnuRefrescar_Click", [&] { Form_Load(); });
    };
    connect(mnuRefrescar, &QAction::triggered, this, recarga);
    connect(f5, &QAction::triggered, this, recarga);
    connect(mnuAyuda2, &QAction::triggered, this, [this] { mnuAyuda2_Click(); });
    connect(mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });
}

vbide::VBProject* frmAddIn::Proyecto() {
    return VBInstance.ActiveVBProject();
}

void frmAddIn::Form_Load(const std::string& modulo) {
    vbide::VBProject* proyecto = Proyecto();
    {
        const QSignalBlocker b1(List1), b2(Option1), b3(Option2), b4(Option3), b5(OptExit),
            b6(OptResume), b7(OptRaise);
        Label5->setText(proyecto != nullptr
                            ? Qt8(codepage::AUtf8(proyecto->Name(), estado_.paginaCodigos))
                            : QString());
        List1->clear();
        modulos_.clear();
        Option1->setChecked(true);
        OptExit->setChecked(true);
    }
    estado_.modo = engine::Modo::Option1;
    estado_.variante = engine::Variante::OptExit;
    MuestraOcultaPicManejo();
    if (proyecto == nullptr) {
        estado_.ajustes.Restablece();
        return;
    }
    modulos_ = engine::CargaEstado(*proyecto, estado_, *progreso_, modulo);
    {
        const QSignalBlocker b(List1);
        for (const auto& nombre : modulos_) {
            List1->addItem(Qt8(codepage::AUtf8(nombre, estado_.paginaCodigos)));
        }
    }
    if (modulos_.empty()) {
        return; // nothing selected: the procedure lists stay as they were
    }
    int fila = 0;
    for (std::size_t i = 0; i < modulos_.size(); ++i) {
        if (modulos_[i] == estado_.modulo) {
            fila = static_cast<int>(i);
            break;
        }
    }
    {
        const QSignalBlocker b(List1);
        List1->setCurrentRow(fila);
    }
    // The module was selected by the engine; the window shows what that found.
    long lineas = 0;
    const bool existe = PasoSinError([&] {
        lineas = proyecto->VBComponents().Item(estado_.modulo).CodeModule().CountOfLines();
    });
    MuestraProcedimientos();
    if (existe) {
        Label4->setText("Lineas: " + QString::number(lineas));
        RefrescarCodigo();
        PasoSinError(
            [&] { proyecto->VBComponents().Item(estado_.modulo).CodeModule().CodePane().Show(); });
        activateWindow();
    }
}

void frmAddIn::List1_Click() {
    vbide::VBProject* proyecto = Proyecto();
    const int fila = List1->currentRow();
    if (proyecto == nullptr || fila < 0 || fila >= static_cast<int>(modulos_.size())) {
        return;
    }
    estado_.modulo = modulos_[static_cast<std::size_t>(fila)];
    LeeSeleccion();
    const engine::ResultadoSeleccion r = engine::SeleccionaModulo(*proyecto, estado_, *progreso_);
    MuestraProcedimientos();
    if (!r.encontrado) {
        return;
    }
    Label4->setText("Lineas: " + QString::number(r.lineas));
    RefrescarCodigo();
    PasoSinError(
        [&] { proyecto->VBComponents().Item(estado_.modulo).CodeModule().CodePane().Show(); });
    // The host's code window took the focus: the add-in's window gets it back.
    activateWindow();
}

void frmAddIn::MuestraProcedimientos() {
    QScopedValueRollback guarda(sincronizando_, true);
    const QSignalBlocker b2(List2), b3(List3);
    List2->clear();
    List3->clear();
    int i = 0;
    for (const auto& fila : estado_.procedimientos) {
        List2->addItem(Qt8(codepage::AUtf8(fila.nombre, estado_.paginaCodigos)));
        // The status goes where its procedure landed, whatever the column's own order.
        List3->insertItem(i++, Qt8(fila.estado));
    }
}

void frmAddIn::MuestraEstados() {
    QScopedValueRollback guarda(sincronizando_, true);
    const QSignalBlocker b3(List3);
    const int arriba = Arriba(List2);
    List3->clear();
    int i = 0;
    for (const auto& fila : estado_.procedimientos) {
        List3->insertItem(i++, Qt8(fila.estado));
    }
    FijaArriba(List3, arriba);
}

void frmAddIn::LeeSeleccion() {
    const int filas = std::min(List2->count(), static_cast<int>(estado_.procedimientos.size()));
    for (int i = 0; i < filas; ++i) {
        estado_.procedimientos[static_cast<std::size_t>(i)].seleccionado =
            List2->item(i)->isSelected();
    }
    estado_.actual = List2->currentRow();
    estado_.Check1 = Check1->isChecked();
}

void frmAddIn::SincronizaDesdeList2() {
    QScopedValueRollback guarda(sincronizando_, true);
    FijaArriba(List3, Arriba(List2));
    if (List3->currentRow() != List2->currentRow()) {
        List3->setCurrentRow(List2->currentRow());
    }
}

void frmAddIn::List2_Click() {
    if (List2->count() > 0) {
        SincronizaDesdeList2();
    }
    LeeSeleccion();
    if (List2->currentRow() >= 0) {
        Check1->setChecked(false);
        estado_.Check1 = false;
        estado_.vistaModulo = false;
        RefrescarCodigo();
    }
}

void frmAddIn::List3_Click() {
    PasoSinError([&] {
        {
            QScopedValueRollback guarda(sincronizando_, true);
            FijaArriba(List2, Arriba(List3));
            List2->setCurrentRow(List3->currentRow());
        }
        // Choosing a status row chooses its procedure, as a click on it would.
        List2_Click();
    });
}

void frmAddIn::List1_DblClick() {
    PasoSinError([&] {
        if (DobleClicAbreVisor(mnuCodigo->text().toStdString(), List1->count(),
                               List1->currentRow())) {
            mnuCodigo_Click();
        }
    });
}

void frmAddIn::List2_DblClick() {
    PasoSinError([&] {
        if (DobleClicAbreVisor(mnuCodigo->text().toStdString(), List2->count(),
                               List2->currentRow())) {
            mnuCodigo_Click();
        }
    });
}

void frmAddIn::Check1_Click() {
    Procedimiento("frmAddIn \\ Check1_Click", [&] {
        if (Check1->isChecked() && List2->count() > 0) {
            // The deselection is not a click on a procedure: the box stays checked.
            QScopedValueRollback guarda(sincronizando_, true);
            List2->clearSelection();
        }
        LeeSeleccion();
        if (isLoaded(visor_.data()) && Check1->isChecked()) {
            List1_Click();
        }
    });
}

void frmAddIn::MuestraOcultaPicManejo() {
    PicManejo->setVisible(Option2->isChecked());
}

void frmAddIn::ActualizaList3() {
    if (vbide::VBProject* proyecto = Proyecto()) {
        engine::ActualizaList3(*proyecto, estado_);
    }
    MuestraEstados();
}

void frmAddIn::Command1_Click() {
    vbide::VBProject* proyecto = Proyecto();
    if (proyecto == nullptr) {
        return;
    }
    LeeSeleccion();
    install::InstalacionProyecto instalacion(*proyecto, estado_, carpeta_, dialogos_);
    engine::Entorno entorno{dialogos_, *progreso_, *ventana_, &instalacion};
    engine::ComandoInsertar(*proyecto, estado_, entorno);
    MuestraEstados();
}

void frmAddIn::Command2_Click() {
    vbide::VBProject* proyecto = Proyecto();
    if (proyecto == nullptr) {
        return;
    }
    LeeSeleccion();
    engine::Entorno entorno{dialogos_, *progreso_, *ventana_, nullptr};
    engine::ComandoQuitar(*proyecto, estado_, entorno);
    MuestraEstados();
}

void frmAddIn::RefrescarCodigo() {
    // With the viewer closed there is no viewer work at all.
    vbide::VBProject* proyecto = Proyecto();
    if (!isLoaded(visor_.data()) || proyecto == nullptr) {
        return;
    }
    LeeSeleccion();
    visor_->Muestra(CodigoVisor(*proyecto, estado_));
    emit codigoRefrescado();
}

void frmAddIn::mnuCodigo_Click() {
    Procedimiento("frmAddIn \\ mnuCodigo_Click", [&] {
        const std::string caption = mnuCodigo->text().toStdString();
        if (VisorOculto(caption)) {
            mnuCodigo->setText(Qt8(std::string(OcultarCodigo)));
            if (visor_.isNull()) {
                visor_ = new qt::FrmCodigo(VBInstance, estado_, this);
                // Closed by the user, the viewer is hidden: the entry offers to show it again.
                connect(visor_, &qt::FrmCodigo::Cerrando, this,
                        [this] { mnuCodigo->setText(Qt8(std::string(VerCodigo))); });
                Registra(visor_);
            }
            visor_->show();
            RefrescarCodigo();
            visor_->activateWindow();
        } else if (VisorMostrado(caption)) {
            if (visor_) {
                visor_->hide();
            }
            mnuCodigo->setText(Qt8(std::string(VerCodigo)));
        }
    });
}

void frmAddIn::mnuAyuda2_Click() {
    // A help file that cannot be shown is not reported.
    const QString ruta = Qt8(RutaAyuda(carpeta_));
    if (!QFileInfo(ruta).isReadable()) {
        return;
    }
    if (ayuda_.isNull()) {
        ayuda_ = new QTextBrowser(this);
        ayuda_->setWindowFlag(Qt::Window);
        ayuda_->setObjectName("frmAyuda");
        ayuda_->setWindowTitle("Ayuda de Lintrap");
        ayuda_->setOpenExternalLinks(true);
        ayuda_->resize(640, 520);
        Registra(ayuda_);
    }
    ayuda_->setSource(QUrl::fromLocalFile(ruta));
    ayuda_->show();
    ayuda_->raise();
}

void frmAddIn::mnuAbout_Click() {
    Procedimiento("frmAddIn \\ mnuAbout_Click", [&] {
        qt::frmAbout acerca(this);
        Registra(&acerca);
        acerca.exec();
    });
}

void frmAddIn::closeEvent(QCloseEvent* e) {
    // Form_Unload: every other window of the add-in goes with this one.
    Cierra();
    emit descargado();
    QMainWindow::closeEvent(e);
}

bool frmAddIn::eventFilter(QObject* objeto, QEvent* e) {
    if (objeto == List2->viewport() || objeto == List3->viewport()) {
        if (e->type() == QEvent::MouseButtonPress) {
            pulsando_ = true;
            cambioEnPulsacion_ = false;
        } else if (e->type() == QEvent::MouseButtonRelease) {
            pulsando_ = false;
        }
    }
    return QMainWindow::eventFilter(objeto, e);
}

} // namespace ui
