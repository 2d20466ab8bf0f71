#include "ui/main/Variables.h"

#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace ui {
namespace {

// Pointers that become null when their window is destroyed: a destroyed window is unloaded.
std::vector<QPointer<QWidget>>& Cargadas() {
    static std::vector<QPointer<QWidget>> cargadas;
    std::erase_if(cargadas, [](const QPointer<QWidget>& v) { return v.isNull(); });
    return cargadas;
}

} // namespace

void Registra(QWidget* ventana) {
    if (ventana != nullptr && !isLoaded(ventana)) {
        Cargadas().emplace_back(ventana);
    }
}

bool isLoaded(const QWidget* ventana) {
    const auto& cargadas = Cargadas();
    return ventana != nullptr &&
           std::any_of(cargadas.begin(), cargadas.end(),
                       [&](const QPointer<QWidget>& v) { return v.data() == ventana; });
}

void Cierra() {
    // A copy: destroying a window may load or unload others.
    const std::vector<QPointer<QWidget>> cargadas = Cargadas();
    for (const auto& v : cargadas) {
        if (!v.isNull() && v->objectName() != QLatin1String("frmAddIn")) {
            delete v.data();
        }
    }
}

} // namespace ui
