#include "qt/main/frmAddIn.h"

#include "qt/Lugar.h"
#include "qt/config/frmConfiguracion.h"
#include "qt/inspectors/frmControles.h"
#include "qt/inspectors/frmRefs.h"
#include "qt/main/frmAbout.h"
#include "ui/main/Reglas.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
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
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace qt {
namespace {

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

QLabel* Etiqueta(const char* nombre, const char* caption, QWidget* padre) {
    auto* l = new QLabel(QString::fromUtf8(caption), padre);
    l->setObjectName(nombre);
    return l;
}

QPushButton* Boton(const char* nombre, const char* caption, QWidget* padre) {
    auto* b = new QPushButton(QString::fromUtf8(caption), padre);
    b->setObjectName(nombre);
    return b;
}

// A modeless window lives until it is closed, or until the main window goes.
void MuestraSinModo(QWidget* ventana) {
    ventana->show();
    ventana->raise();
    ventana->activateWindow();
}

} // namespace

frmAddIn::frmAddIn(vbide::VBE& vbe, std::string carpetaAddIn, int paginaCodigos, QWidget* parent)
    : QMainWindow(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                              Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      VistaQt(static_cast<QWidget&>(*this)),
      comportamiento_(*this, vbe, std::move(carpetaAddIn), paginaCodigos) {
    setObjectName("frmAddIn");
    setWindowTitle("AddIn Lintrap - Quovant");
    CreaControles();
    CreaMenus();
    // The border is fixed: the window keeps the size its controls ask for, centred on the
    // environment's window (on the screen without one).
    adjustSize();
    setFixedSize(sizeHint());
    if (parent) {
        CentraEn(*this, *parent);
    } else if (const QScreen* pantalla = screen()) {
        move(pantalla->availableGeometry().center() - rect().center());
    }
    comportamiento_.Form_Load();
}

frmAddIn::~frmAddIn() {
    // The controls go while their handlers can still hear them.
    DescargaVentanas();
    delete takeCentralWidget();
}

void frmAddIn::CreaControles() {
    auto* centro = new QWidget(this);
    setCentralWidget(centro);
    auto* raiz = new QVBoxLayout(centro);

    QFont negrita = font();
    negrita.setBold(true);
    auto* Label6 = Etiqueta("Label6", "Proyecto:", centro);
    Label6->setFont(negrita);
    auto* Label5 = Etiqueta("Label5", "", centro);
    Label5->setFont(negrita);
    auto* fila1 = new QHBoxLayout;
    fila1->addWidget(Label6);
    fila1->addWidget(Label5, 1);
    raiz->addLayout(fila1);

    auto* rejilla = new QGridLayout;
    rejilla->setHorizontalSpacing(0);
    auto* Label1 = Etiqueta("Label1", "Módulos", centro);
    auto* Label3 = Etiqueta("Label3", "Procedimientos", centro);
    auto* Label2 = Etiqueta("Label2", "On Error", centro);
    auto* List1 = Lista("List1", QAbstractItemView::SingleSelection, centro);
    List2 = Lista("List2", QAbstractItemView::ExtendedSelection, centro);
    List3 = Lista("List3", QAbstractItemView::ExtendedSelection, centro);
    List1->setMinimumWidth(190);
    List2->setMinimumWidth(230);
    List3->setFixedWidth(64);
    // List3 is a column of List2: the same top and height, no gap between them.
    auto* Label4 = Etiqueta("Label4", "Lineas:", centro);

    auto* Frame1 = new QGroupBox(centro);
    Frame1->setObjectName("Frame1");
    auto* Option1 = Opcion("Option1", "Números de línea", Frame1);
    auto* Option2 = Opcion("Option2", "clsErrores", Frame1);
    auto* Option3 = Opcion("Option3", "Resume Next (solamente)", Frame1);
    auto* PicManejo = new QFrame(Frame1);
    PicManejo->setObjectName("PicManejo");
    auto* OptExit = Opcion("OptExit", "Exit", PicManejo);
    auto* OptResume = Opcion("OptResume", "Resume Next", PicManejo);
    auto* OptRaise = Opcion("OptRaise", "Err.Raise", PicManejo);
    auto* variantes = new QVBoxLayout(PicManejo);
    variantes->setContentsMargins(0, 0, 0, 0);
    variantes->setSpacing(0);
    variantes->addWidget(OptExit);
    variantes->addWidget(OptResume);
    variantes->addWidget(OptRaise);
    auto* opciones = new QGridLayout(Frame1);
    opciones->addWidget(Option1, 0, 0);
    opciones->addWidget(Option2, 1, 0);
    opciones->addWidget(PicManejo, 1, 1);
    opciones->addWidget(Option3, 2, 0);
    opciones->setColumnStretch(1, 1);
    // Hidden, the variants take no room in height: the frame grows into the module list when
    // Option2 is chosen, rather than keeping a blank band for them. Their width is kept, so
    // that no option's text is cut when they show.
    Frame1->setMinimumWidth(Frame1->sizeHint().width());
    PicManejo->hide();

    auto* Check1 = new QCheckBox("Todos los procedimientos", centro);
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

    auto* Command1 = Boton("Command1", "Insertar", centro);
    auto* Command2 = Boton("Command2", "Quitar", centro);
    auto* CancelButton = Boton("CancelButton", "Salir", centro);
    auto* botones = new QHBoxLayout;
    botones->addWidget(Command1);
    botones->addWidget(Command2);
    botones->addStretch(1);
    botones->addWidget(CancelButton);
    raiz->addLayout(botones);

    auto* ProgressBar1 = new QProgressBar(centro);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, 100);
    // As the environment's bar: no percentage written on it. Hidden, it takes no room.
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
    raiz->addWidget(ProgressBar1);

    auto& c = comportamiento_;
    // An option button's click is its choice; the one it unchecks says nothing.
    const auto opcion = [this](QRadioButton* b, void (ui::frmAddIn::*handler)()) {
        connect(b, &QRadioButton::toggled, this, [this, handler](bool elegido) {
            if (elegido) {
                (comportamiento_.*handler)();
            }
        });
    };
    opcion(Option1, &ui::frmAddIn::Option1_Click);
    opcion(Option2, &ui::frmAddIn::Option2_Click);
    opcion(Option3, &ui::frmAddIn::Option3_Click);
    opcion(OptExit, &ui::frmAddIn::OptExit_Click);
    opcion(OptResume, &ui::frmAddIn::OptResume_Click);
    opcion(OptRaise, &ui::frmAddIn::OptRaise_Click);

    connect(List1, &QListWidget::currentRowChanged, this, [&c](int fila) { c.List1_Click(fila); });
    connect(List1, &QListWidget::itemDoubleClicked, this, [&c] { c.List1_DblClick(); });
    connect(List2, &QListWidget::itemDoubleClicked, this, [&c] { c.List2_DblClick(); });
    connect(List3, &QListWidget::itemDoubleClicked, this, [&c] { c.List2_DblClick(); });
    // A selection changed by the user is a click; so is a press on the row already current,
    // which changes nothing.
    const auto clic3 = [this] { comportamiento_.List3_Click(List3->currentRow()); };
    connect(List2, &QListWidget::itemSelectionChanged, this, [this] {
        cambioEnPulsacion_ = pulsando_;
        List2_Click();
    });
    connect(List3, &QListWidget::itemSelectionChanged, this, [this, clic3] {
        cambioEnPulsacion_ = pulsando_;
        clic3();
    });
    connect(List2, &QListWidget::pressed, this, [this] {
        if (!cambioEnPulsacion_) {
            List2_Click();
        }
    });
    connect(List3, &QListWidget::pressed, this, [this, clic3] {
        if (!cambioEnPulsacion_) {
            clic3();
        }
    });
    List2->viewport()->installEventFilter(this);
    List3->viewport()->installEventFilter(this);
    connect(List2->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int fila) {
        if (!primitiva_) {
            comportamiento_.List2_Scroll(fila);
        }
    });
    connect(List3->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int fila) {
        if (!primitiva_) {
            comportamiento_.List3_Scroll(fila);
        }
    });
    connect(Check1, &QCheckBox::toggled, this, [&c](bool marcado) { c.Check1_Click(marcado); });
    connect(Command1, &QPushButton::clicked, this, [&c] { c.Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [&c] { c.Command2_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [&c] { c.CancelButton_Click(); });
}

void frmAddIn::List2_Click() {
    std::vector<int> seleccionadas;
    for (int i = 0; i < List2->count(); ++i) {
        if (List2->item(i)->isSelected()) {
            seleccionadas.push_back(i);
        }
    }
    comportamiento_.List2_Click(List2->currentRow(), seleccionadas);
}

void frmAddIn::CreaMenus() {
    QMenuBar* barra = menuBar();
    QAction* mnuConfig = barra->addAction(QString::fromUtf8("&Configuración"));
    mnuConfig->setObjectName("mnuConfig");
    QMenu* mnuUtils = barra->addMenu("&Utilidades");
    mnuUtils->setObjectName("mnuUtils");
    QAction* mnuCodigo = mnuUtils->addAction(QString::fromUtf8(ui::VerCodigo));
    mnuCodigo->setObjectName("mnuCodigo");
    QAction* mnuRef = mnuUtils->addAction("&Referencias");
    mnuRef->setObjectName("mnuRef");
    QAction* mnuControles = mnuUtils->addAction("&Controles");
    mnuControles->setObjectName("mnuControles");
    QAction* mnuRefrescar = mnuUtils->addAction("&Actualizar");
    mnuRefrescar->setObjectName("mnuRefrescar");
    mnuRefrescar->setShortcut(Qt::Key_F5);
    // The entry is not shown in the menu; its command and F5 still work (a hidden action
    // keeps its shortcut only while it is part of the window, hence the window's copy).
    mnuRefrescar->setVisible(false);
    auto* f5 = new QAction(this);
    f5->setObjectName("mnuRefrescarF5");
    f5->setShortcut(Qt::Key_F5);
    addAction(f5);
    QMenu* mnuAyuda = barra->addMenu("&Ayuda");
    mnuAyuda->setObjectName("mnuAyuda");
    QAction* mnuAyuda2 = mnuAyuda->addAction("&Ayuda");
    mnuAyuda2->setObjectName("mnuAyuda2");
    mnuAyuda2->setShortcut(Qt::Key_F1);
    QAction* mnuAbout = mnuAyuda->addAction("A&cerca de");
    mnuAbout->setObjectName("mnuAbout");

    const auto menu = [this](QAction* entrada, void (ui::frmAddIn::*handler)()) {
        connect(entrada, &QAction::triggered, this,
                [this, handler] { (comportamiento_.*handler)(); });
    };
    menu(mnuConfig, &ui::frmAddIn::mnuConfig_Click);
    menu(mnuCodigo, &ui::frmAddIn::mnuCodigo_Click);
    menu(mnuRef, &ui::frmAddIn::mnuRef_Click);
    menu(mnuControles, &ui::frmAddIn::mnuControles_Click);
    menu(mnuRefrescar, &ui::frmAddIn::mnuRefrescar_Click);
    menu(f5, &ui::frmAddIn::mnuRefrescar_Click);
    menu(mnuAyuda2, &ui::frmAddIn::mnuAyuda2_Click);
    menu(mnuAbout, &ui::frmAddIn::mnuAbout_Click);
}

void frmAddIn::Rellena(std::string_view control, const std::vector<std::string>& filas) {
    QScopedValueRollback guarda(primitiva_, true);
    VistaQt::Rellena(control, filas);
}

void frmAddIn::Selecciona(std::string_view control, int fila) {
    QScopedValueRollback guarda(primitiva_, true);
    VistaQt::Selecciona(control, fila);
}

void frmAddIn::PonArriba(std::string_view control, int fila) {
    QScopedValueRollback guarda(primitiva_, true);
    VistaQt::PonArriba(control, fila);
}

void frmAddIn::Abre(std::string_view ventana) {
    ui::frmAddIn& c = comportamiento_;
    if (ventana == "frmConfiguracion") {
        frmConfiguracion dialogo(c.Estado().ajustes, c.VBInstance.ActiveVBProject(),
                                 c.Estado().paginaCodigos, this);
        CentraEn(dialogo, *this);
        dialogo.exec();
    } else if (ventana == "frmAbout") {
        frmAbout acerca(this);
        CentraEn(acerca, *this);
        acerca.exec();
    }
}

void frmAddIn::Cierra(bool) {
    close();
}

void frmAddIn::MuestraVentana(std::string_view ventana, bool visible) {
    ui::frmAddIn& c = comportamiento_;
    if (ventana.empty()) {
        activateWindow();
        return;
    }
    const QString nombre = QString::fromUtf8(ventana.data(), qsizetype(ventana.size()));
    if (ventana == "FrmCodigo") {
        if (visor_.isNull() && visible) {
            visor_ = new FrmCodigo(c.VBInstance, c.Estado(), this);
            connect(visor_.data(), &FrmCodigo::Cerrando, this, [&c] { c.FrmCodigo_Unload(); });
            AlLadoDe(*visor_, *this); // the code to read beside the lists, not over them
        }
        if (visor_ && visible) {
            MuestraSinModo(visor_);
        } else if (visor_) {
            visor_->hide();
        }
        return;
    }
    // The references and the controls inspector: one of each while it is open, each loaded
    // afresh when opened again after closing.
    QWidget* abierta = findChild<QWidget*>(nombre, Qt::FindDirectChildrenOnly);
    if (abierta == nullptr && visible) {
        if (ventana == "frmRefs") {
            abierta = new frmRefs(c.VBInstance, c.Estado().paginaCodigos, this);
        } else if (ventana == "frmControles") {
            abierta = new frmControles(c.VBInstance, c.Estado().paginaCodigos, this);
        } else {
            return;
        }
        abierta->setAttribute(Qt::WA_DeleteOnClose);
        CentraEn(*abierta, *this);
    }
    if (abierta != nullptr) {
        if (visible) {
            MuestraSinModo(abierta);
        } else {
            abierta->hide();
        }
    }
}

void frmAddIn::MuestraCodigo(const ui::VistaCodigo& codigo) {
    if (visor_) {
        visor_->Muestra(codigo);
    }
}

void frmAddIn::MuestraAyuda(const std::string& ruta) {
    if (ayuda_.isNull()) {
        ayuda_ = new QTextBrowser(this);
        ayuda_->setWindowFlag(Qt::Window);
        ayuda_->setObjectName("frmAyuda");
        ayuda_->setWindowTitle("Ayuda de Lintrap");
        ayuda_->setOpenExternalLinks(true);
        ayuda_->resize(640, 520);
        CentraEn(*ayuda_, *this);
    }
    ayuda_->setSource(QUrl::fromLocalFile(QString::fromStdString(ruta)));
    ayuda_->show();
    ayuda_->raise();
}

void frmAddIn::DescargaVentanas() {
    // Guarded: unloading a window may unload others.
    std::vector<QPointer<QWidget>> ventanas;
    for (QWidget* hija : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (hija->windowType() == Qt::Window || hija->windowType() == Qt::Dialog) {
            ventanas.emplace_back(hija);
        }
    }
    for (const QPointer<QWidget>& ventana : ventanas) {
        delete ventana.data();
    }
}

void frmAddIn::closeEvent(QCloseEvent* e) {
    // Form_Unload: every other window of the add-in goes with this one.
    comportamiento_.Form_Unload();
    DescargaVentanas();
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

} // namespace qt
