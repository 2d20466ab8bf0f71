#include "app/ide/Arranque.h"

#include "app/ide/Aplicacion.h"
#include "app/ide/VentanaIde.h"
#include "base/ErrorVB.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <new>
#include <string_view>
#include <vector>

namespace ide {

namespace {

constexpr const char* kAyuda =
    "Uso: lintrap-ide [opciones] [proyecto]\n"
    "Entorno que abre proyectos de Visual Basic 6 y carga complementos como Lintrap.\n"
    "\n"
    "Argumentos:\n"
    "  proyecto         Proyecto (.vbp) o grupo (.vbg) que se abre.\n"
    "\n"
    "Opciones:\n"
    "  -h, --help       Muestra esta ayuda.\n"
    "  --addin <ruta>   Carga y conecta el complemento de esta biblioteca.\n"
    "  --addin-window   Conecta el complemento pidiendo su ventana al momento.\n";

[[noreturn]] void MuestraAyuda() {
    std::fputs(kAyuda, stdout);
    std::exit(0);
}

// What Qt says while the window system starts: held back, since a failure there is told in
// one message of ours, and passed on once the start has gone well.
struct Retenido {
    QtMsgType tipo;
    const char* categoria; // a logging category's name lives as long as the process
    QString texto;
};
std::vector<Retenido> retenidos;

void AlArrancar(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
    if (tipo == QtFatalMsg) {
        const QByteArray pantalla = qgetenv("DISPLAY");
        std::fprintf(stderr,
                     "lintrap-ide: no se puede mostrar la ventana: no hay un sistema de ventanas "
                     "al que conectarse (%s). Sin pantalla, 'lintrap' trabaja con los proyectos "
                     "desde la línea de órdenes.\n",
                     pantalla.isEmpty() ? "DISPLAY está vacía"
                                        : ("DISPLAY=" + pantalla).constData());
        std::_Exit(1);
    }
    retenidos.push_back({tipo, contexto.category, texto});
}

} // namespace

void AyudaSinPantalla(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--") {
            return; // what follows is a project's name
        }
        if (a == "-h" || a == "--help" || a == "-help" || a == "-?") {
            MuestraAyuda();
        }
    }
}

std::unique_ptr<Aplicacion> CreaAplicacion(int& argc, char** argv) {
    const QtMessageHandler anterior = qInstallMessageHandler(AlArrancar);
    auto app = std::make_unique<Aplicacion>(argc, argv);
    qInstallMessageHandler(anterior);
    for (const Retenido& r : retenidos) {
        const QMessageLogContext contexto(nullptr, 0, nullptr, r.categoria);
        if (anterior) {
            anterior(r.tipo, contexto, r.texto);
        } else {
            qt_message_output(r.tipo, contexto, r.texto);
        }
    }
    retenidos.clear();
    return app;
}

Arranque LeeArgumentos(const QStringList& argumentos) {
    QCommandLineParser p;
    QCommandLineOption ayuda({"h", "help"}, "Muestra esta ayuda.");
    QCommandLineOption addin("addin", "Carga y conecta el complemento de esta biblioteca.", "ruta");
    QCommandLineOption ventana("addin-window",
                               "Conecta el complemento pidiendo su ventana al momento.");
    p.addOption(ayuda);
    p.addOption(addin);
    p.addOption(ventana);
    if (!p.parse(argumentos)) {
        const QStringList desconocidas = p.unknownOptionNames();
        const QString texto = desconocidas.isEmpty()
                                  ? "falta la ruta tras --addin"
                                  : "opción desconocida '" + desconocidas.join("', '") + "'";
        std::fprintf(stderr, "lintrap-ide: %s ('lintrap-ide --help' muestra las opciones)\n",
                     texto.toLocal8Bit().constData());
        std::exit(2);
    }
    if (p.isSet(ayuda)) {
        MuestraAyuda();
    }
    Arranque a;
    a.proyecto = p.positionalArguments().value(0);
    a.complemento = p.value(addin);
    a.ventanaComplemento = p.isSet(ventana);
    return a;
}

void Prepara(VentanaIde& v, const Arranque& a) {
    Complementos& comps = v.Componentes();
    QStringList problemas;
    comps.CargaRegistrados(&problemas);
    const QString propio = RutaComplementoPropio();
    if (!propio.isEmpty() && !comps.Busca(propio)) {
        try {
            comps.Carga(propio);
            comps.GuardaRegistro();
        } catch (const ErrorVB& e) {
            problemas << QString::fromStdString(e.Description);
        }
    }
    Componente* pedido = nullptr;
    if (!a.complemento.isEmpty()) {
        try {
            pedido = &comps.Carga(a.complemento);
            comps.GuardaRegistro();
        } catch (const ErrorVB& e) {
            problemas << QString::fromStdString(e.Description);
        }
    } else if (a.ventanaComplemento && !propio.isEmpty()) {
        pedido = comps.Busca(propio);
    }
    if (!problemas.isEmpty()) {
        QMessageBox::warning(&v, "lintrap-ide", problemas.join("\n"));
    }
    if (!a.proyecto.isEmpty()) {
        // The model's own refusals are shown by the window; what else may go wrong (no memory
        // for a huge file under a limit) is told here, and the host goes on without it.
        try {
            v.Abre(a.proyecto);
        } catch (const std::exception& e) {
            const bool memoria = dynamic_cast<const std::bad_alloc*>(&e) != nullptr;
            QMessageBox::critical(&v, "lintrap-ide",
                                  "No se ha podido abrir '" + a.proyecto + "': " +
                                      (memoria ? "no hay memoria suficiente" : "error interno"));
        }
    }
    comps.ConectaAlInicio();
    if (pedido) {
        comps.Conecta(*pedido,
                      a.ventanaComplemento ? vbide::ext_cm_External : vbide::ext_cm_AfterStartup);
    }
}

int Arranca(QApplication& app) {
    const Arranque a = LeeArgumentos(app.arguments());
    VentanaIde ventana;
    ventana.show();
    Prepara(ventana, a);
    return app.exec();
}

} // namespace ide
