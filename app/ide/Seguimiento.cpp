#include "app/ide/Seguimiento.h"

#include "app/ide/Aplicacion.h"
#include "base/CodePage.h"
#include "host/files/Project.h"

#include <QTimer>

#include <functional>
#include <string_view>

namespace ide {

namespace {

// The module's code as it goes into its file, hashed.
std::size_t Huella(const files::CodeModuleMem& m) {
    std::string bytes;
    m.AppendTo(bytes);
    return std::hash<std::string_view>{}(bytes);
}

} // namespace

Seguimiento::Seguimiento(QUndoStack& pila,
                         std::function<PanelCodigo*(files::CodeModuleMem&)> panelDe)
    : pila_(pila), panelDe_(std::move(panelDe)) {
    if (auto* app = qobject_cast<Aplicacion*>(QCoreApplication::instance())) {
        connect(app, &Aplicacion::accionTerminada, this, &Seguimiento::CierraPaso);
    }
}

void Seguimiento::AntesDeCambiar(files::CodeModuleMem& modulo) {
    if (!modulo.Modified()) {
        guardado_[&modulo] = Huella(modulo); // once per change away from the saved lines
    }
    if (aplicando_) {
        return;
    }
    PanelCodigo* panel = panelDe_(modulo);
    if (panel && panel->Escribiendo()) {
        return;
    }
    AbrePaso();
    antes_.try_emplace(&modulo, modulo.Toma());
}

void Seguimiento::AbrePaso() {
    if (!abierto_) {
        abierto_ = true;
        // Outside any event (a call from a test or a script) the step ends once the event
        // loop runs again.
        if (Aplicacion::Profundidad() == 0 ||
            !qobject_cast<Aplicacion*>(QCoreApplication::instance())) {
            QTimer::singleShot(0, this, &Seguimiento::CierraPaso);
        }
    }
}

void Seguimiento::ComparaConGuardado() {
    for (auto& [modulo, huella] : guardado_) {
        if (modulo->Modified() && Huella(*modulo) == huella) {
            modulo->MarkSaved();
            emit modificado(modulo);
        }
    }
}

void Seguimiento::Cambiado(files::CodeModuleMem& modulo, long primera, long quitadas,
                           long puestas) {
    if (PanelCodigo* panel = panelDe_(modulo)) {
        panel->Cambiado(primera, quitadas, puestas);
    }
    emit modificado(&modulo);
}

void Seguimiento::ComponenteAnadido(files::Project& p, files::Component& c) {
    if (!aplicando_) {
        AbrePaso();
        anadidos_ << QString::fromStdString(codepage::AUtf8(c.Name(), p.CodePage()));
    }
    emit componentesCambiados();
}

void Seguimiento::CierraPaso() {
    if (!abierto_) {
        return;
    }
    abierto_ = false;
    std::vector<PasoComplemento::Modulo> modulos;
    QStringList nombres;
    for (auto& [modulo, antes] : antes_) {
        modulos.push_back({modulo, std::move(antes), modulo->Toma()});
        nombres << QString::fromStdString(codepage::AUtf8(modulo->Name()));
    }
    antes_.clear();
    QStringList anadidos = std::exchange(anadidos_, {});
    if (!modulos.empty() || !anadidos.isEmpty()) {
        pila_.push(new PasoComplemento(*this, std::move(modulos), std::move(anadidos),
                                       "Comando del complemento en " + nombres.join(", ")));
    }
}

void Seguimiento::Escrito(PanelCodigo* panel, const Escritura& cambio) {
    CierraPaso();
    pila_.push(new PasoEscritura(*this, panel->Modulo(), cambio));
}

void Seguimiento::Aplica(const std::function<void()>& cambio) {
    CierraPaso();
    aplicando_ = true;
    struct Fin {
        bool& b;
        ~Fin() { b = false; }
    } fin{aplicando_};
    cambio();
    ComparaConGuardado();
}

void Seguimiento::Olvida() {
    abierto_ = false;
    antes_.clear();
    anadidos_.clear();
    guardado_.clear();
    pila_.clear();
}

PasoComplemento::PasoComplemento(Seguimiento& seg, std::vector<Modulo> modulos,
                                 QStringList anadidos, const QString& texto)
    : QUndoCommand(texto), seg_(seg), modulos_(std::move(modulos)), anadidos_(std::move(anadidos)) {
}

void PasoComplemento::undo() {
    seg_.Aplica([&] {
        for (auto& m : modulos_) {
            m.modulo->Restaura(m.antes);
        }
    });
    if (!anadidos_.isEmpty()) {
        // The object model has no way to take a component out of a project; the user is told
        // rather than left to find the modules saved with it.
        emit seg_.aviso("Se ha deshecho el código del comando. Lo que añadió al proyecto (" +
                        anadidos_.join(", ") +
                        ") sigue en él y se guardará con el proyecto, porque este entorno no "
                        "quita componentes de un proyecto; para no guardarlo, cierre el proyecto "
                        "sin guardar.");
    }
}

void PasoComplemento::redo() {
    if (std::exchange(hecho_, false)) {
        return;
    }
    seg_.Aplica([&] {
        for (auto& m : modulos_) {
            m.modulo->Restaura(m.despues);
        }
    });
}

namespace {

// Lines `primera`.. (as many as `quitar`) become `poner`.
void Reemplaza(files::CodeModuleMem& m, long primera, const std::vector<std::string>& quitar,
               const std::vector<std::string>& poner) {
    if (quitar.size() == poner.size()) {
        for (size_t i = 0; i < poner.size(); ++i) {
            m.ReplaceLine(primera + long(i), poner[i]);
        }
        return;
    }
    if (!quitar.empty()) {
        m.DeleteLines(primera, long(quitar.size()));
    }
    if (!poner.empty()) {
        std::string texto;
        for (size_t i = 0; i < poner.size(); ++i) {
            texto += (i ? "\r\n" : "") + poner[i];
        }
        m.InsertLines(primera, texto);
    }
}

} // namespace

PasoEscritura::PasoEscritura(Seguimiento& seg, files::CodeModuleMem& modulo, Escritura cambio)
    : QUndoCommand("Escritura en " + QString::fromStdString(codepage::AUtf8(modulo.Name()))),
      seg_(seg), modulo_(modulo), cambio_(std::move(cambio)) {}

void PasoEscritura::undo() {
    seg_.Aplica([&] { Reemplaza(modulo_, cambio_.primera, cambio_.despues, cambio_.antes); });
}

void PasoEscritura::redo() {
    if (std::exchange(hecho_, false)) {
        return;
    }
    seg_.Aplica([&] { Reemplaza(modulo_, cambio_.primera, cambio_.antes, cambio_.despues); });
}

bool PasoEscritura::mergeWith(const QUndoCommand* otro) {
    auto* o = static_cast<const PasoEscritura*>(otro);
    if (&o->modulo_ != &modulo_ || o->cambio_.primera != cambio_.primera ||
        cambio_.despues.size() != 1 || o->cambio_.antes.size() != 1 ||
        o->cambio_.despues.size() != 1) {
        return false;
    }
    cambio_.despues = o->cambio_.despues;
    return true;
}

} // namespace ide
