#include "app/ide/BarrasIde.h"

#include "base/ErrorVB.h"

#include <QAction>
#include <QMenu>

#include <algorithm>

namespace ide {

std::string ControlMenu::Caption() const {
    return accion_ ? accion_->text().toStdString() : std::string();
}

void ControlMenu::SetCaption(const std::string& caption) {
    if (accion_) {
        accion_->setText(QString::fromStdString(caption));
    }
}

void ControlMenu::Delete() {
    delete accion_.data();
    barra_.Quita(this); // destroys this object: nothing may follow
}

BarraMenu::~BarraMenu() {
    for (auto& c : controles_) {
        delete c->Accion();
    }
}

vbide::CommandBarControl& BarraMenu::AddControl(int type) {
    if (type != 1) {
        throw ErrorVB(vberr::InvalidProcedureCall, "Controls.Add",
                      "Controls.Add: solo se pueden añadir botones (tipo 1), no el tipo " +
                          std::to_string(type));
    }
    if (!menu_) {
        throw ErrorVB(vberr::ObjectRequired, "Controls.Add", "El menú ya no existe");
    }
    QAction* accion = menu_->addAction(QString());
    controles_.push_back(std::make_unique<ControlMenu>(*this, accion));
    return *controles_.back();
}

void BarraMenu::Quita(ControlMenu* control) {
    auto it = std::find_if(controles_.begin(), controles_.end(),
                           [control](const auto& c) { return c.get() == control; });
    if (it != controles_.end()) {
        controles_.erase(it);
    }
}

void BarrasIde::Anade(const std::string& nombre, QMenu* menu) {
    barras_[nombre] = std::make_unique<BarraMenu>(menu);
}

vbide::CommandBar* BarrasIde::Item(const std::string& name) {
    auto it = barras_.find(name);
    return it == barras_.end() || !it->second->Menu() ? nullptr : it->second.get();
}

void EventosIde::CommandBarEvents(vbide::CommandBarControl& control,
                                  std::function<void()> onClick) {
    auto* entrada = dynamic_cast<ControlMenu*>(&control);
    if (!entrada || !entrada->Accion()) {
        throw ErrorVB(vberr::InvalidProcedureCall, "CommandBarEvents",
                      "CommandBarEvents: el control no es una entrada de este menú");
    }
    QObject::connect(entrada->Accion(), &QAction::triggered, entrada->Accion(),
                     [onClick = std::move(onClick)] { onClick(); });
}

} // namespace ide
