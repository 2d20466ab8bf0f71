#pragma once
// Answers the real Qt modal boxes (message box, input box) that a test's click opens. Call one
// of these before the click: a timer looks for the box every few milliseconds and, once it is
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

// An input box: types the text and presses OK. The prompt shown is kept in *etiqueta when given.
void Escribe(const QString& texto, QString* etiqueta = nullptr);

// An input box: presses Cancel.
void CancelaEntrada();

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
