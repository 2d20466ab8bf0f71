#include "qt/main/frmAbout.h"

#include "ui/main/Reglas.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

namespace qt {
namespace {

QPlainTextEdit* Texto(const char* nombre, const QString& texto, QWidget* padre) {
    auto* t = new QPlainTextEdit(texto, padre);
    t->setObjectName(nombre);
    t->setReadOnly(true);
    // Tahoma where the system has it (Windows); DejaVu Sans, its wider relative, elsewhere.
    QFont tahoma;
    tahoma.setFamilies({"Tahoma", "DejaVu Sans"});
    tahoma.setPointSize(9);
    t->setFont(tahoma);
    return t;
}

QLabel* Rotulo(const char* nombre, const QString& texto, QWidget* padre) {
    auto* l = new QLabel(texto, padre);
    l->setObjectName(nombre);
    // Impact where the system has it; elsewhere a narrow bold face of the same look.
    QFont impact;
    impact.setFamilies({"Impact", "Liberation Sans Narrow"});
    impact.setPointSize(14);
    impact.setBold(true);
    l->setFont(impact);
    return l;
}

} // namespace

frmAbout::frmAbout(QWidget* parent)
    : Dialogo(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      comportamiento_(*this) {
    setObjectName("frmAbout");
    setModal(true);
    auto* cmdOK = new QPushButton("Aceptar", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    auto* picIcon = new QLabel(this);
    picIcon->setObjectName("picIcon");
    picIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));
    // The multi-line box breaks lines with a line feed of its own; the text's CR LF are one.
    auto* txtAppAbout = Texto(
        "txtAppAbout",
        QString::fromStdString(ui::ResumenAcercaDe()).replace(QLatin1String("\r\n"), "\n"), this);
    auto* txtCredits =
        Texto("txtCredits",
              // "Visual Basic 6." is kept on one line: no lone "6." when the line wraps.
              "Lintrap: complemento para quienes mantienen código de Visual\u00A0Basic\u00A06.\n"
              "Quovant, 2026. Escrito en C++ con Qt 6.",
              this);
    txtCredits->setFixedHeight(56);
    auto* lblTitle = Rotulo("lblTitle", "Comentarios:", this);
    auto* Label2 = Rotulo("Label2", "Autor", this);

    auto* rejilla = new QGridLayout(this);
    rejilla->addWidget(picIcon, 0, 0, Qt::AlignTop);
    rejilla->addWidget(lblTitle, 0, 1);
    rejilla->addWidget(txtAppAbout, 1, 1);
    rejilla->addWidget(Label2, 2, 1);
    rejilla->addWidget(txtCredits, 3, 1);
    rejilla->addWidget(cmdOK, 4, 1, Qt::AlignRight);
    txtAppAbout->setMinimumSize(430, 300);

    auto& c = comportamiento_;
    connect(cmdOK, &QPushButton::clicked, this, [&c] { c.cmdOK_Click(); });
    c.Form_Load();
}

} // namespace qt
