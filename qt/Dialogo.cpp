#include "qt/Dialogo.h"

namespace qt {

void Dialogo::Abre(std::string_view) {}

void Dialogo::Cierra(bool aceptada) {
    done(aceptada ? QDialog::Accepted : QDialog::Rejected);
}

} // namespace qt
