#pragma once
// The host's menus as the object model's command bars: a bar is a menu of the main window,
// a control one of its entries, and the command-bar events are the entries' triggers.

#include "host/vbide/VBE.h"

#include <QPointer>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QAction>
#include <QMenu>

namespace ide {

class BarraMenu;

class ControlMenu : public vbide::CommandBarControl {
public:
    ControlMenu(BarraMenu& barra, QAction* accion) : barra_(barra), accion_(accion) {}
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    // Takes the entry off its menu; the object is gone afterwards.
    void Delete() override;
    QAction* Accion() const { return accion_; }

private:
    BarraMenu& barra_;
    QPointer<QAction> accion_;
};

class BarraMenu : public vbide::CommandBar {
public:
    explicit BarraMenu(QMenu* menu) : menu_(menu) {}
    ~BarraMenu() override;
    vbide::CommandBarControl& AddControl(int type) override;
    void Quita(ControlMenu* control);
    QMenu* Menu() const { return menu_; }

private:
    QPointer<QMenu> menu_;
    std::vector<std::unique_ptr<ControlMenu>> controles_;
};

class BarrasIde : public vbide::CommandBars {
public:
    // `nombre` as the add-ins ask for it ("Add-Ins"); the menu stays the window's.
    void Anade(const std::string& nombre, QMenu* menu);
    vbide::CommandBar* Item(const std::string& name) override;

private:
    std::map<std::string, std::unique_ptr<BarraMenu>> barras_;
};

class EventosIde : public vbide::Events {
public:
    void CommandBarEvents(vbide::CommandBarControl& control,
                          std::function<void()> onClick) override;
};

} // namespace ide
