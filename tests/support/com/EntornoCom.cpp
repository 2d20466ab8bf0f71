#include "tests/support/com/EntornoCom.h"

#include "tests/support/com/Mundo.h"

namespace falso {

Entorno::Entorno(const std::filesystem::path& ruta, int cp) : mundo_(std::make_shared<Mundo>()) {
    mundo_->vbe = files::Vbe::Open(ruta, cp);
    mundo_->cp = cp;
    vbe_ = NuevoVbe(mundo_);
}

Entorno::Entorno() : mundo_(std::make_shared<Mundo>()) {
    mundo_->vbe = std::make_unique<files::Vbe>();
    vbe_ = NuevoVbe(mundo_);
}

Entorno::~Entorno() {
    vbe_->Release();
}

std::string Entorno::Codigo(const std::string& componente) {
    for (long p = 1; p <= mundo_->vbe->VBProjects().Count(); ++p) {
        auto& proyecto = static_cast<files::Project&>(mundo_->vbe->VBProjects().Item(p));
        if (files::Component* c = proyecto.Find(componente)) {
            return c->Bytes();
        }
    }
    throw ErrorVB(vberr::SubscriptOutOfRange, "Entorno", "No existe " + componente);
}

std::vector<Entorno::ControlMenu> Entorno::Menu() const {
    std::vector<ControlMenu> r;
    for (const auto& c : mundo_->controles) {
        r.push_back({Estrecho(c.caption.data(), c.caption.size(), mundo_->cp), c.borrado});
    }
    return r;
}

void Entorno::QuitaBarraAddIns() {
    mundo_->sinBarraAddIns = true;
}

void Entorno::PonVentana(long ventana) {
    mundo_->ventana = ventana;
}

} // namespace falso
