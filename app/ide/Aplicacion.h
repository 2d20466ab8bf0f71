#pragma once
// The host's application object. It counts how deep the event being handled is nested, so
// that everything one user action does (a click on an add-in's button, with the message boxes
// it opens on the way) becomes one step of the host's undo stack.

#include <QApplication>

namespace ide {

class Aplicacion : public QApplication {
    Q_OBJECT

public:
    Aplicacion(int& argc, char** argv);
    bool notify(QObject* receptor, QEvent* evento) override;

    // How many events are being handled now, one inside another (0: none).
    static int Profundidad();

signals:
    // The outermost event has been handled: whatever it set off is over.
    void accionTerminada();
};

} // namespace ide
