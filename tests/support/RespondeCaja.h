#pragma once
// Answers the real Qt message boxes that a test's click opens. Call one of these before the
// click: a timer looks for the box every few milliseconds and, once it is
// up, presses its button. A box that never appears fails the test after a few seconds.

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

namespace prueba {

// Runs `responde` on the first modal widget that appears, from the event loop.
void CuandoAparezca(std::function<void(QWidget*)> responde);

// A message box: presses the given standard button.
void PulsaBoton(QMessageBox::StandardButton boton);

// The text of the last message box answered by PulsaBoton, and its title.
QString UltimoMensaje();
QString UltimoTitulo();

// Closes every modal box that appears (as Escape does) and counts them, while alive.
class CuentaCajas {
public:
    CuentaCajas();
    ~CuentaCajas();
    int Cuantas() const { return cuantas_; }
    QString Ultima() const { return ultima_; } // the last message box's text

private:
    int cuantas_ = 0;
    QString ultima_;
    class QTimer* timer_;
};

} // namespace prueba
