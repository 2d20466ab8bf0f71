#include "app/ide/Complementos.h"

#include "base/ErrorVB.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace ide {

namespace {

QString Canonica(const QString& ruta) {
    QFileInfo f(ruta);
    QString c = f.canonicalFilePath();
    return c.isEmpty() ? f.absoluteFilePath() : c;
}

ErrorVB Falla(const QString& ruta, const QString& motivo) {
    return ErrorVB(vberr::FileNotFound, ruta.toStdString(),
                   ("No se puede cargar el complemento '" + ruta + "': " + motivo).toStdString());
}

} // namespace

Complementos::~Complementos() {
    DesconectaTodos();
}

Componente* Complementos::Busca(const QString& ruta) {
    const QString c = Canonica(ruta);
    for (auto& comp : lista_) {
        if (comp->ruta == c) {
            return comp.get();
        }
    }
    return nullptr;
}

Componente& Complementos::Carga(const QString& rutaDada) {
    if (Componente* c = Busca(rutaDada)) {
        return *c;
    }
    const QString ruta = Canonica(rutaDada);
    if (!QFileInfo(ruta).isFile()) {
        throw Falla(rutaDada, "el archivo no existe");
    }
    auto comp = std::make_unique<Componente>();
    comp->ruta = ruta;
    comp->biblioteca = std::make_unique<QLibrary>(ruta);
    // A component that brings windows and their classes stays in memory until the host ends.
    comp->biblioteca->setLoadHints(QLibrary::PreventUnloadHint);
    if (!comp->biblioteca->load()) {
        throw Falla(rutaDada, "no es una biblioteca que se pueda cargar (" +
                                  comp->biblioteca->errorString() + ")");
    }
    auto entrada =
        reinterpret_cast<DllGetClassObjectFn>(comp->biblioteca->resolve(kDllGetClassObject));
    if (!entrada) {
        throw Falla(rutaDada, QString("no es un complemento: no exporta %1")
                                  .arg(QString::fromLatin1(kDllGetClassObject)));
    }
    comp->fabrica = entrada();
    if (!comp->fabrica) {
        throw Falla(rutaDada, "el complemento no ha dado su clase de conexión");
    }
    comp->registro = comp->fabrica->Registration();
    lista_.push_back(std::move(comp));
    return *lista_.back();
}

void Complementos::CargaRegistrados(QStringList* problemas) {
    QSettings s;
    const int n = s.beginReadArray("Complementos");
    for (int i = 0; i < n; ++i) {
        s.setArrayIndex(i);
        const QString ruta = s.value("Ruta").toString();
        const bool alInicio = s.value("AlInicio", false).toBool();
        try {
            Carga(ruta).alInicio = alInicio;
        } catch (const ErrorVB& e) {
            if (problemas) {
                *problemas << QString::fromStdString(e.Description);
            }
        }
    }
    s.endArray();
}

void Complementos::GuardaRegistro() const {
    QSettings s;
    s.beginWriteArray("Complementos", int(lista_.size()));
    for (int i = 0; i < int(lista_.size()); ++i) {
        s.setArrayIndex(i);
        s.setValue("Ruta", lista_[size_t(i)]->ruta);
        s.setValue("AlInicio", lista_[size_t(i)]->alInicio);
    }
    s.endArray();
}

void Complementos::Conecta(Componente& c, vbide::ConnectMode modo) {
    if (c.conexion) {
        return;
    }
    c.conexion = c.fabrica->CreateInstance();
    c.conexion->OnConnection(vbe_, modo, nullptr);
}

void Complementos::Desconecta(Componente& c, vbide::DisconnectMode modo) {
    if (!c.conexion) {
        return;
    }
    auto conexion = std::move(c.conexion);
    conexion->OnDisconnection(modo, nullptr);
}

void Complementos::DesconectaTodos() {
    for (auto& c : lista_) {
        Desconecta(*c, vbide::ext_dm_HostShutdown);
    }
}

void Complementos::ConectaAlInicio() {
    for (auto& c : lista_) {
        if (c->alInicio) {
            Conecta(*c, vbide::ext_cm_Startup);
        }
    }
}

QString RutaComplementoPropio() {
    const QDir aqui(QCoreApplication::applicationDirPath());
    for (const QString& r :
         {QStringLiteral("../lib/lintrap/liblintrap-addin.so"),
          QStringLiteral("../addin/liblintrap-addin.so"), QStringLiteral("liblintrap-addin.so")}) {
        if (QFileInfo(aqui.filePath(r)).isFile()) {
            return QFileInfo(aqui.filePath(r)).canonicalFilePath();
        }
    }
    return {};
}

} // namespace ide
