#include "app/ide/Arranque.h"

#include "app/ide/VentanaIde.h"
#include "base/ErrorVB.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

namespace ide {

Arranque LeeArgumentos(const QStringList& argumentos) {
    QCommandLineParser p;
    p.setApplicationDescription("Entorno que abre proyectos de Visual Basic 6 y carga "
                                "complementos como Lintrap.");
    p.addHelpOption();
    p.addPositionalArgument("proyecto", "Proyecto (.vbp) o grupo (.vbg) que se abre.");
    QCommandLineOption addin("addin", "Carga y conecta el complemento de esta biblioteca.", "ruta");
    QCommandLineOption ventana("addin-window",
                               "Conecta el complemento pidiendo su ventana al momento.");
    p.addOption(addin);
    p.addOption(ventana);
    p.process(argumentos);
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
        v.Abre(a.proyecto);
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
