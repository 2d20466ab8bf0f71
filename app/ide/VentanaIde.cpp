#include "app/ide/VentanaIde.h"

#include "app/ide/Administrador.h"
#include "base/CodePage.h"
#include "base/ErrorVB.h"
#include "host/files/Journal.h"
#include "host/files/PendingSave.h"
#include "host/files/ProjectFileIo.h"
#include "host/files/ProjectLock.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>

#include <exception>
#include <filesystem>
#include <new>

namespace ide {

namespace {

constexpr int kMaxRecientes = 8;
constexpr const char* kTitulo = "lintrap-ide";

QString Utf8(const std::string& bytes, int cp) {
    return QString::fromStdString(codepage::AUtf8(bytes, cp));
}

std::int64_t Hora(const std::filesystem::path& p) {
    return QFileInfo(QString::fromStdString(p.string())).lastModified().toMSecsSinceEpoch();
}

} // namespace

void CodePaneIde::Show() {
    ventana_.MuestraPanel(modulo_);
}

VentanaIde::VentanaIde(OpcionesIde opciones, QWidget* parent)
    : QMainWindow(parent),
      seguimiento_(pila_, [this](files::CodeModuleMem& m) { return Panel(m); }) {
    setObjectName("VentanaIde");
    setWindowTitle(kTitulo);
    arbol_ = new QTreeWidget(this);
    arbol_->setObjectName("Proyecto");
    arbol_->setHeaderLabel("Proyecto");
    paneles_ = new QTabWidget(this);
    paneles_->setObjectName("Paneles");
    paneles_->setDocumentMode(true);
    paneles_->setTabsClosable(true);
    auto* division = new QSplitter(this);
    division->addWidget(arbol_);
    division->addWidget(paneles_);
    division->setStretchFactor(1, 3);
    division->setSizes({270, 710});
    setCentralWidget(division);
    statusBar();
    resize(900, 600);
    CreaMenus(opciones);

    connect(arbol_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (auto* m =
                static_cast<files::CodeModuleMem*>(item->data(0, Qt::UserRole).value<void*>())) {
            MuestraPanel(*m);
        }
    });
    connect(paneles_, &QTabWidget::tabCloseRequested, this, [this](int i) {
        auto* panel = static_cast<PanelCodigo*>(paneles_->widget(i));
        panelDe_.erase(&panel->Modulo());
        paneles_->removeTab(i);
        panel->deleteLater();
    });
    connect(&seguimiento_, &Seguimiento::modificado, this, [this] { MarcasLuego(); });
    connect(&seguimiento_, &Seguimiento::componentesCambiados, this, [this] {
        LlenaArbol();
        Vigila();
    });
    connect(&pila_, &QUndoStack::indexChanged, this, [this] { MarcasLuego(); });
    // Told once the undo is over, not from inside it.
    connect(
        &seguimiento_, &Seguimiento::aviso, this,
        [this](const QString& texto) { QMessageBox::information(this, kTitulo, texto); },
        Qt::QueuedConnection);
    comprobacion_.setSingleShot(true);
    comprobacion_.setInterval(300);
    connect(&comprobacion_, &QTimer::timeout, this, &VentanaIde::CompruebaDisco);
    connect(&vigia_, &QFileSystemWatcher::fileChanged, &comprobacion_, qOverload<>(&QTimer::start));
    connect(&vigia_, &QFileSystemWatcher::directoryChanged, &comprobacion_,
            qOverload<>(&QTimer::start));
}

VentanaIde::~VentanaIde() {
    complementos_.DesconectaTodos();
    Cierra();
}

void VentanaIde::CreaMenus(const OpcionesIde& opciones) {
    QMenu* archivo = menuBar()->addMenu("&Archivo");
    archivo->setObjectName("mnuArchivo");
    QAction* abrir = archivo->addAction("&Abrir proyecto...", this, &VentanaIde::AbreDialogo);
    abrir->setShortcut(QKeySequence::Open);
    menuRecientes_ = archivo->addMenu("Archivos &recientes");
    menuRecientes_->setObjectName("mnuRecientes");
    QAction* guardar = archivo->addAction("&Guardar proyecto", this, [this] { Guarda(); });
    guardar->setObjectName("mnuGuardar");
    guardar->setShortcut(QKeySequence::Save);
    archivo->addSeparator();
    archivo->addAction("&Salir", this, &QWidget::close);
    LlenaRecientes();

    QMenu* edicion = menuBar()->addMenu("&Edición");
    QAction* deshacer = pila_.createUndoAction(this, "&Deshacer");
    deshacer->setObjectName("mnuDeshacer");
    deshacer->setShortcut(QKeySequence::Undo);
    QAction* rehacer = pila_.createRedoAction(this, "&Rehacer");
    rehacer->setObjectName("mnuRehacer");
    // Ctrl+Y, and the platform's own keys for redo (which may hold Ctrl+Y already).
    QList<QKeySequence> teclas{QKeySequence(Qt::CTRL | Qt::Key_Y)};
    for (const QKeySequence& k : QKeySequence::keyBindings(QKeySequence::Redo)) {
        if (!teclas.contains(k)) {
            teclas << k;
        }
    }
    rehacer->setShortcuts(teclas);
    edicion->addAction(deshacer);
    edicion->addAction(rehacer);

    if (opciones.menuComplementos) {
        menuComplementos_ = menuBar()->addMenu("Add-&Ins");
        menuComplementos_->setObjectName("Add-Ins");
        menuComplementos_->addAction("&Administrador de complementos...", this,
                                     &VentanaIde::AbreAdministrador);
        menuComplementos_->addSeparator();
        vbe_.Barras().Anade("Add-Ins", menuComplementos_);
    }
}

void VentanaIde::AbreDialogo() {
    const QString ruta = QFileDialog::getOpenFileName(this, "Abrir proyecto", {},
                                                      "Proyectos de Visual Basic (*.vbp *.vbg)");
    if (!ruta.isEmpty()) {
        Abre(ruta);
    }
}

void VentanaIde::AbreAdministrador() {
    Administrador dialogo(complementos_, this);
    dialogo.exec();
}

void VentanaIde::Cierra() {
    seguimiento_.Olvida();
    while (paneles_->count() > 0) {
        QWidget* w = paneles_->widget(0);
        paneles_->removeTab(0);
        delete w;
    }
    panelDe_.clear();
    if (files::Vbe* modelo = vbe_.Modelo()) {
        for (long i = 1; i <= modelo->VBProjects().Count(); ++i) {
            auto& p = static_cast<files::Project&>(modelo->VBProjects().Item(i));
            p.Observa(nullptr);
            for (std::size_t c = 0; c < p.ComponentCount(); ++c) {
                if (auto* code = files::CodeOf(p.ComponentAt(c))) {
                    code->FijaCodePane(nullptr);
                }
            }
        }
    }
    codePanes_.clear();
    vbe_.Cambia(nullptr);
    arbol_->clear();
}

bool VentanaIde::Abre(const QString& ruta) {
    return PreguntaGuardar() && AbreYa(ruta, false);
}

bool VentanaIde::AbreYa(const QString& ruta, bool descartaDiario) {
    std::unique_ptr<files::Vbe> modelo;
    QStringList hechos;
    try {
        // As the command line does: each project file locked while a save left pending beside
        // it is completed, before a byte of it is read.
        std::vector<std::unique_ptr<files::ProjectLock>> cerrojos;
        auto antes = [&](const std::filesystem::path& archivo) {
            cerrojos.push_back(
                std::make_unique<files::ProjectLock>(archivo, std::chrono::seconds(2)));
            if (auto hecho = files::SettlePendingSave(archivo, descartaDiario)) {
                hechos << QString::fromStdString(hecho->Text());
            }
        };
        modelo = files::Vbe::Open(std::filesystem::path(ruta.toStdString()),
                                  codepage::Predeterminada, antes);
    } catch (const files::JournalRefused& e) {
        const auto r = QMessageBox::question(
            this, kTitulo,
            QString::fromStdString(e.Description) +
                ".\n\nTermine ese guardado en la carpeta original del proyecto, o descarte el "
                "diario y abra el proyecto tal como está. ¿Descartar el diario?",
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        return r == QMessageBox::Yes && AbreYa(ruta, true);
    } catch (const ErrorVB& e) {
        QMessageBox::critical(this, kTitulo, QString::fromStdString(e.Description));
        return false;
    } catch (const std::bad_alloc&) {
        QMessageBox::critical(this, kTitulo,
                              "No hay memoria suficiente para abrir '" + ruta + "'; no se abre");
        return false;
    } catch (const std::exception& e) {
        QMessageBox::critical(this, kTitulo,
                              "No se ha podido abrir '" + ruta + "': " + QString(e.what()));
        return false;
    }
    Cierra();
    vbe_.Cambia(std::move(modelo));
    ruta_ = QFileInfo(ruta).absoluteFilePath();
    ignorados_.clear();
    files::Vbe* m = vbe_.Modelo();
    for (long i = 1; i <= m->VBProjects().Count(); ++i) {
        static_cast<files::Project&>(m->VBProjects().Item(i)).Observa(&seguimiento_);
    }
    LlenaArbol();
    Vigila();
    AnadeReciente(ruta_);
    setWindowTitle(QString("%1[*] - %2").arg(QFileInfo(ruta_).completeBaseName(), kTitulo));
    if (!hechos.isEmpty()) {
        QString texto = hechos.join("; ");
        texto[0] = texto[0].toUpper();
        statusBar()->showMessage(texto);
    }
    const auto problemas = m->LoadProblems();
    if (!problemas.empty()) {
        QStringList textos;
        for (const auto& p : problemas) {
            textos << QString::fromStdString(p.Description);
        }
        QMessageBox::warning(this, kTitulo,
                             "Se ha abierto el proyecto, pero no todo se ha podido cargar:\n\n" +
                                 textos.join("\n"));
    }
    return true;
}

void VentanaIde::LlenaArbol() {
    arbol_->clear();
    files::Vbe* m = vbe_.Modelo();
    if (!m) {
        return;
    }
    for (long i = 1; i <= m->VBProjects().Count(); ++i) {
        auto& p = static_cast<files::Project&>(m->VBProjects().Item(i));
        auto* raiz = new QTreeWidgetItem(arbol_, {Utf8(p.Name(), p.CodePage())});
        raiz->setData(0, Qt::UserRole + 1, QVariant::fromValue<void*>(&p));
        for (std::size_t c = 0; c < p.ComponentCount(); ++c) {
            files::Component& comp = p.ComponentAt(c);
            auto* hoja = new QTreeWidgetItem(raiz);
            hoja->setData(0, Qt::UserRole + 1, QVariant::fromValue<void*>(&comp));
            if (auto* code = files::CodeOf(comp)) {
                hoja->setData(0, Qt::UserRole, QVariant::fromValue<void*>(code));
                auto& pane = codePanes_[code];
                if (!pane) {
                    pane = std::make_unique<CodePaneIde>(*this, *code);
                    code->FijaCodePane(pane.get());
                }
            }
        }
        raiz->setExpanded(true);
    }
    ActualizaMarcas();
}

void VentanaIde::MarcasLuego() {
    if (!marcasPendientes_) {
        marcasPendientes_ = true;
        QTimer::singleShot(0, this, [this] { ActualizaMarcas(); });
    }
}

void VentanaIde::ActualizaMarcas() {
    marcasPendientes_ = false;
    for (int i = 0; i < arbol_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* raiz = arbol_->topLevelItem(i);
        auto* p = static_cast<files::Project*>(raiz->data(0, Qt::UserRole + 1).value<void*>());
        raiz->setText(0, Utf8(p->Name(), p->CodePage()) + (p->Modified() ? " *" : ""));
        for (int j = 0; j < raiz->childCount(); ++j) {
            QTreeWidgetItem* hoja = raiz->child(j);
            auto* c =
                static_cast<files::Component*>(hoja->data(0, Qt::UserRole + 1).value<void*>());
            hoja->setText(
                0, Utf8(c->Name(), p->CodePage()) +
                       QString(" (%1)").arg(QString::fromStdString(c->File().filename().string())) +
                       (c->NeedsWrite() ? " *" : ""));
        }
    }
    for (int i = 0; i < paneles_->count(); ++i) {
        auto* panel = static_cast<PanelCodigo*>(paneles_->widget(i));
        paneles_->setTabText(i, panel->objectName() + (panel->Modulo().Modified() ? " *" : ""));
    }
    setWindowModified(HayCambios());
}

bool VentanaIde::HayCambios() const {
    auto* m = const_cast<VbeIde&>(vbe_).Modelo();
    return m && m->Opened() && m->Opened()->Modified();
}

PanelCodigo* VentanaIde::Panel(files::CodeModuleMem& modulo) const {
    auto it = panelDe_.find(&modulo);
    return it == panelDe_.end() ? nullptr : it->second;
}

PanelCodigo* VentanaIde::MuestraPanel(files::CodeModuleMem& modulo) {
    PanelCodigo* panel = Panel(modulo);
    if (!panel) {
        int cp = vbe_.Modelo() && vbe_.Modelo()->Active() ? vbe_.Modelo()->Active()->CodePage()
                                                          : codepage::Predeterminada;
        panel = new PanelCodigo(modulo, cp, paneles_);
        panelDe_[&modulo] = panel;
        paneles_->addTab(panel, panel->objectName());
        connect(panel, &PanelCodigo::escrito, this,
                [this](PanelCodigo* p, const Escritura& e) { seguimiento_.Escrito(p, e); });
        connect(panel, &PanelCodigo::rechazado, this, [this](const QString& motivo) {
            statusBar()->showMessage(motivo, 8000);
            QApplication::beep();
        });
        ActualizaMarcas();
    }
    paneles_->setCurrentWidget(panel);
    // A window of this one's (an add-in's) that is active stays above it, with the focus: the
    // pane changes behind it.
    QWidget* activa = QApplication::activeWindow();
    while (activa && activa != this) {
        activa = activa->parentWidget() ? activa->parentWidget()->window() : nullptr;
    }
    if (activa == nullptr) {
        raise();
        activateWindow();
    }
    return panel;
}

files::CodeModuleMem* VentanaIde::Modulo(const QString& componente) {
    files::Vbe* m = vbe_.Modelo();
    files::Project* p = m ? m->Active() : nullptr;
    if (!p) {
        return nullptr;
    }
    auto bytes = codepage::DesdeUtf8(componente.toStdString(), p->CodePage());
    files::Component* c = bytes ? p->Find(*bytes) : nullptr;
    return c ? files::CodeOf(*c) : nullptr;
}

bool VentanaIde::Guarda() {
    files::Vbe* m = vbe_.Modelo();
    if (!m) {
        return true;
    }
    seguimiento_.CierraPaso();
    seguimiento_.ComparaConGuardado();
    try {
        // The command line takes the same lock: neither saves over the other's run. The
        // save itself goes through the journal, all files or none.
        files::ProjectLock cerrojo(std::filesystem::path(ruta_.toStdString()),
                                   std::chrono::seconds(2));
        try {
            m->Save(false);
        } catch (const ErrorVB& e) {
            if (e.Number != vberr::FileAlreadyExists) {
                throw;
            }
            const auto r = QMessageBox::question(
                this, kTitulo,
                QString::fromStdString(e.Description) +
                    "\n\n¿Guardar de todos modos? Se perderá lo que el otro programa escribió.",
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
            if (r != QMessageBox::Yes) {
                return false;
            }
            m->Save(true);
        }
    } catch (const ErrorVB& e) {
        QMessageBox::critical(this, kTitulo,
                              "No se ha guardado nada: " + QString::fromStdString(e.Description));
        return false;
    }
    ActualizaMarcas();
    Vigila();
    statusBar()->showMessage("Proyecto guardado", 4000);
    return true;
}

bool VentanaIde::PreguntaGuardar() {
    seguimiento_.ComparaConGuardado(); // typing taken back by hand is no change to ask about
    if (!HayCambios()) {
        return true;
    }
    const auto r = QMessageBox::question(
        this, kTitulo,
        QString("¿Guardar los cambios de %1 antes de cerrarlo?").arg(QFileInfo(ruta_).fileName()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (r == QMessageBox::Save) {
        return Guarda();
    }
    return r == QMessageBox::Discard;
}

void VentanaIde::closeEvent(QCloseEvent* e) {
    if (!PreguntaGuardar()) {
        e->ignore();
        return;
    }
    complementos_.DesconectaTodos();
    e->accept();
}

void VentanaIde::Vigila() {
    if (!vigia_.files().isEmpty()) {
        vigia_.removePaths(vigia_.files());
    }
    if (!vigia_.directories().isEmpty()) {
        vigia_.removePaths(vigia_.directories());
    }
    files::Vbe* m = vbe_.Modelo();
    if (!m) {
        return;
    }
    QStringList rutas;
    for (long i = 1; i <= m->VBProjects().Count(); ++i) {
        auto& p = static_cast<files::Project&>(m->VBProjects().Item(i));
        rutas << QString::fromStdString(p.Path().string())
              << QString::fromStdString(p.Folder().string());
        for (std::size_t c = 0; c < p.ComponentCount(); ++c) {
            files::Component& comp = p.ComponentAt(c);
            if (comp.Stamp()) {
                rutas << QString::fromStdString(comp.File().string())
                      << QString::fromStdString(comp.File().parent_path().string());
            }
        }
    }
    rutas.removeDuplicates();
    vigia_.addPaths(rutas);
}

void VentanaIde::CompruebaDisco() {
    files::Vbe* m = vbe_.Modelo();
    if (!m || preguntando_) {
        return;
    }
    QStringList cambiados;
    std::vector<std::pair<std::string, std::int64_t>> vistos;
    auto mira = [&](const std::filesystem::path& ruta, const files::FileStamp& sello) {
        if (sello.ChangedOnDisk(ruta)) {
            std::pair<std::string, std::int64_t> clave{ruta.string(), Hora(ruta)};
            if (!ignorados_.count(clave)) {
                cambiados << QString::fromStdString(ruta.string());
                vistos.push_back(clave);
            }
        }
    };
    for (long i = 1; i <= m->VBProjects().Count(); ++i) {
        auto& p = static_cast<files::Project&>(m->VBProjects().Item(i));
        mira(p.Path(), p.Stamp());
        for (std::size_t c = 0; c < p.ComponentCount(); ++c) {
            files::Component& comp = p.ComponentAt(c);
            if (comp.Stamp()) {
                mira(comp.File(), *comp.Stamp());
            }
        }
    }
    Vigila(); // a file replaced by another program is a new file to watch
    if (cambiados.isEmpty()) {
        return;
    }
    QString texto = "Otro programa ha cambiado estos archivos en el disco:\n\n" +
                    cambiados.join("\n") + "\n\n¿Volver a cargar el proyecto?";
    if (HayCambios()) {
        texto += "\nSe perderán los cambios que no se han guardado.";
    }
    preguntando_ = true;
    const auto r = QMessageBox::question(this, kTitulo, texto, QMessageBox::Yes | QMessageBox::No,
                                         QMessageBox::Yes);
    preguntando_ = false;
    if (r == QMessageBox::Yes) {
        const QString ruta = ruta_;
        std::vector<QString> abiertos;
        for (int i = 0; i < paneles_->count(); ++i) {
            abiertos.push_back(paneles_->widget(i)->objectName());
        }
        Cierra(); // what was unsaved goes: the user said so
        ruta_.clear();
        if (Abre(ruta)) {
            for (const QString& nombre : abiertos) {
                if (files::CodeModuleMem* mod = Modulo(nombre)) {
                    MuestraPanel(*mod);
                }
            }
        }
    } else {
        ignorados_.insert(vistos.begin(), vistos.end());
    }
}

void VentanaIde::AnadeReciente(const QString& ruta) {
    QSettings s;
    QStringList lista = s.value("Recientes").toStringList();
    lista.removeAll(ruta);
    lista.prepend(ruta);
    while (lista.size() > kMaxRecientes) {
        lista.removeLast();
    }
    s.setValue("Recientes", lista);
    LlenaRecientes();
}

void VentanaIde::LlenaRecientes() {
    menuRecientes_->clear();
    const QStringList lista = QSettings().value("Recientes").toStringList();
    for (int i = 0; i < lista.size(); ++i) {
        const QString ruta = lista[i];
        menuRecientes_->addAction(QString("&%1 %2").arg(i + 1).arg(ruta), this,
                                  [this, ruta] { Abre(ruta); });
    }
    menuRecientes_->setEnabled(!lista.isEmpty());
}

} // namespace ide
