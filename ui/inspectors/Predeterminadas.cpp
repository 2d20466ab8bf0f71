#include "ui/inspectors/Predeterminadas.h"

#include <algorithm>
#include <cctype>

namespace inspectors {
namespace {

// One entry per class: its design-time properties as "Name=default", separated by "|"; "Font"
// stands for the font group. A property whose default is True or False is a Boolean. Colours
// are written as a form file writes them, enumerations as their number, pictures as the
// Properties window shows an empty one.
struct Clase {
    std::string_view nombre;
    std::string_view propiedades;
};

#define COMUNES                                                                                    \
    "DragIcon=(None)|DragMode=0|Enabled=True|Left=0|MouseIcon=(None)|MousePointer=0|Tag=|Top=0|"   \
    "Visible=True"
#define AYUDA "HelpContextID=0|WhatsThisHelpID=0"
#define FOCO "CausesValidation=True|TabIndex=0|TabStop=True|ToolTipText="
#define DATOS "DataField=|DataSource="
#define DDE "LinkItem=|LinkMode=0|LinkTimeout=50|LinkTopic="
#define BOTON                                                                                      \
    "Appearance=1|BackColor=&H8000000F&|Caption=|DisabledPicture=(None)|DownPicture=(None)|"       \
    "MaskColor=&H00C0C0C0&|OLEDropMode=0|Picture=(None)|RightToLeft=False|"                        \
    "Style=0|UseMaskColor=False|Font|" COMUNES "|" AYUDA "|" FOCO
#define LISTA                                                                                      \
    "Appearance=1|BackColor=&H80000005&|ForeColor=&H80000008&|IntegralHeight=True|OLEDragMode=0|"  \
    "OLEDropMode=0|RightToLeft=False|Sorted=False|Style=0|Font|" COMUNES "|" AYUDA "|" FOCO        \
    "|" DATOS
#define ARCHIVOS                                                                                   \
    "Appearance=1|BackColor=&H80000005&|ForeColor=&H80000008&|OLEDropMode=0|Font|" COMUNES         \
    "|" AYUDA "|" FOCO
// What a Form and an MDIForm share.
#define VENTANA                                                                                    \
    "Appearance=1|Caption=|Enabled=True|HelpContextID=0|Icon=(Icon)|LinkMode=0|LinkTopic=|"        \
    "MouseIcon=(None)|MousePointer=0|Moveable=True|OLEDropMode=0|Picture=(None)|"                  \
    "RightToLeft=False|StartUpPosition=0|Tag=|Visible=True|WhatsThisHelp=False|WindowState=0"
// A scroll bar takes the focus but has no tooltip.
#define BARRA                                                                                      \
    "CausesValidation=True|LargeChange=1|Max=32767|Min=0|RightToLeft=False|SmallChange=1|"         \
    "TabIndex=0|TabStop=True|Value=0|" COMUNES "|" AYUDA

constexpr Clase kClases[] = {
    // A form's size and place are its client area's, which the file always writes.
    {"Form",
     "AutoRedraw=False|BackColor=&H8000000F&|BorderStyle=2|ClipControls=True|ControlBox=True|"
     "DrawMode=13|DrawStyle=0|DrawWidth=1|FillColor=&H00000000&|FillStyle=1|FontTransparent=True|"
     "ForeColor=&H80000012&|HasDC=True|KeyPreview=False|MaxButton=True|MDIChild=False|"
     "MinButton=True|NegotiateMenus=True|Palette=(None)|PaletteMode=0|ScaleLeft=0|ScaleMode=1|"
     "ScaleTop=0|ShowInTaskbar=True|WhatsThisButton=False|Font|" VENTANA},
    // An MDIForm has no font: only aligned controls lie on it.
    {"MDIForm", "AutoShowChildren=True|BackColor=&H8000000C&|NegotiateToolbars=True|"
                "ScrollBars=True|" VENTANA},
    {"CommandButton", "Cancel=False|Default=False|" BOTON},
    // A CommandButton has no ForeColor: its text takes the system's colour.
    {"CheckBox", "Alignment=0|ForeColor=&H80000012&|Value=0|" BOTON "|" DATOS},
    {"OptionButton", "Alignment=0|ForeColor=&H80000012&|Value=False|" BOTON},
    {"TextBox",
     "Alignment=0|Appearance=1|BackColor=&H80000005&|BorderStyle=1|ForeColor=&H80000008&|"
     "HideSelection=True|IMEMode=0|Locked=False|MaxLength=0|MultiLine=False|OLEDragMode=0|"
     "OLEDropMode=0|PasswordChar=|RightToLeft=False|ScrollBars=0|Text=|Font|" COMUNES "|" AYUDA
     "|" FOCO "|" DATOS "|" DDE},
    {"Label",
     "Alignment=0|Appearance=1|AutoSize=False|BackColor=&H8000000F&|BackStyle=1|BorderStyle=0|"
     "Caption=|ForeColor=&H80000012&|OLEDropMode=0|RightToLeft=False|TabIndex=0|ToolTipText=|"
     "UseMnemonic=True|WordWrap=False|Font|" COMUNES "|" AYUDA "|" DATOS "|" DDE},
    {"Frame",
     "Appearance=1|BackColor=&H8000000F&|BorderStyle=1|Caption=|ClipControls=True|ForeColor=&"
     "H80000012&|OLEDropMode=0|RightToLeft=False|TabIndex=0|ToolTipText=|Font|" COMUNES "|" AYUDA},
    {"ComboBox", "Locked=False|Text=|" LISTA},
    {"ListBox", "Columns=0|MultiSelect=0|" LISTA},
    {"PictureBox",
     "Align=0|Appearance=1|AutoRedraw=False|AutoSize=False|BackColor=&H8000000F&|BorderStyle=1|"
     "ClipControls=True|DrawMode=13|DrawStyle=0|DrawWidth=1|FillColor=&H00000000&|FillStyle=1|"
     "FontTransparent=True|ForeColor=&H80000012&|HasDC=True|Negotiate=False|OLEDragMode=0|"
     "OLEDropMode=0|Picture=(None)|RightToLeft=False|ScaleLeft=0|ScaleMode=1|ScaleTop=0|"
     "Font|" COMUNES "|" AYUDA "|" FOCO "|" DATOS "|" DDE},
    {"Image", "Appearance=1|BorderStyle=0|OLEDragMode=0|OLEDropMode=0|Picture=(None)|Stretch=False|"
              "ToolTipText=|" COMUNES "|" AYUDA "|" DATOS},
    {"Timer", "Enabled=True|Interval=0|Left=0|Tag=|Top=0"},
    {"HScrollBar", BARRA},
    {"VScrollBar", BARRA},
    {"DriveListBox", ARCHIVOS},
    {"DirListBox", "OLEDragMode=0|" ARCHIVOS},
    {"FileListBox", "Archive=True|Hidden=False|MultiSelect=0|Normal=True|OLEDragMode=0|Pattern=*.*|"
                    "ReadOnly=True|System=False|" ARCHIVOS},
    {"Shape",
     "BackColor=&H80000005&|BackStyle=0|BorderColor=&H80000008&|BorderStyle=1|BorderWidth=1|"
     "DrawMode=13|FillColor=&H00000000&|FillStyle=1|Left=0|Shape=0|Tag=|Top=0|Visible=True"},
    {"Line", "BorderColor=&H80000008&|BorderStyle=1|BorderWidth=1|DrawMode=13|Tag=|Visible=True|X1="
             "0|X2=0|Y1=0|Y2=0"},
    {"Data",
     "Align=0|Appearance=1|BackColor=&H8000000F&|BOFAction=0|Caption=|Connect=Access|DatabaseName=|"
     "DefaultCursorType=0|DefaultType=2|EOFAction=0|Exclusive=False|ForeColor=&H80000012&|"
     "Negotiate=False|OLEDropMode=0|Options=0|ReadOnly=False|RecordsetType=1|RecordSource=|"
     "RightToLeft=False|ToolTipText=|Font|" COMUNES "|" AYUDA},
    {"OLE",
     "Appearance=1|AutoActivate=2|AutoVerbMenu=True|BackColor=&H80000005&|BackStyle=1|BorderStyle="
     "1|Class=|DisplayType=0|HostName=|MiscFlags=0|OLEDropAllowed=False|OLETypeAllowed=2|SizeMode="
     "0|SourceDoc=|SourceItem=|UpdateOptions=0|Verb=0|" COMUNES "|" AYUDA "|" FOCO "|" DATOS},
};

#undef COMUNES
#undef AYUDA
#undef FOCO
#undef DATOS
#undef DDE
#undef BOTON
#undef LISTA
#undef ARCHIVOS
#undef VENTANA
#undef BARRA

// The environment's font: a form's when its file writes none, and a control's when neither its
// file nor its form's does.
constexpr std::string_view kFuente = "Font.Name=MS Sans Serif|Font.Size=8.25|Font.Charset=0|"
                                     "Font.Weight=400|Font.Underline=False|Font.Italic=False|"
                                     "Font.Strikethrough=False";

std::string Pliega(std::string_view s) {
    std::string r(s);
    std::transform(r.begin(), r.end(), r.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return r;
}

bool EsBooleana(std::string_view valor) {
    return valor == "True" || valor == "False";
}

// A file writes a Boolean as -1 or 0 ("Default = -1  'True"); any other number is True too.
std::string ComoBooleana(const std::string& valor) {
    if (EsBooleana(valor)) {
        return valor;
    }
    return valor == "0" ? "False" : "True";
}

void Anade(std::string_view lista, Propiedades& destino) {
    while (!lista.empty()) {
        const auto corte = lista.find('|');
        const std::string_view entrada = lista.substr(0, corte);
        lista.remove_prefix(corte == std::string_view::npos ? lista.size() : corte + 1);
        if (entrada == "Font") {
            Anade(kFuente, destino);
            continue;
        }
        const auto igual = entrada.find('=');
        destino.emplace_back(entrada.substr(0, igual), entrada.substr(igual + 1));
    }
}

// The entry of `escritas` named `nombre` in any case, or null.
template <class P> auto* Busca(P& escritas, const std::string& nombre) {
    const std::string buscada = Pliega(nombre);
    const auto e = std::find_if(escritas.begin(), escritas.end(),
                                [&](const auto& p) { return Pliega(p.first) == buscada; });
    return e == escritas.end() ? nullptr : &*e;
}

// The value a file writes for a property whose default is `predeterminado`.
std::string Leida(const std::string& predeterminado, const std::string& escrita) {
    return EsBooleana(predeterminado) ? ComoBooleana(escrita) : escrita;
}

} // namespace

Propiedades CompletaPropiedades(std::string_view clase, Propiedades escritas,
                                const Propiedades& formulario) {
    if (clase.starts_with("VB.")) {
        clase.remove_prefix(3);
    }
    const auto c = std::find_if(std::begin(kClases), std::end(kClases),
                                [&](const Clase& k) { return k.nombre == clase; });
    if (c == std::end(kClases)) {
        return escritas;
    }
    Propiedades todas;
    Anade(c->propiedades, todas);
    for (auto& [nombre, valor] : todas) {
        // A control placed on a form takes the form's font.
        if (const auto* f =
                Pliega(nombre).starts_with("font.") ? Busca(formulario, nombre) : nullptr) {
            valor = Leida(valor, f->second);
        }
        if (auto* escrita = Busca(escritas, nombre)) {
            valor = Leida(valor, escrita->second);
            escrita->first.clear(); // taken
        }
    }
    // What the file writes beyond the table (Height, Index, a list's items) stays.
    for (auto& e : escritas) {
        if (!e.first.empty()) {
            todas.push_back(std::move(e));
        }
    }
    std::stable_sort(todas.begin(), todas.end(), [](const auto& a, const auto& b) {
        const bool nombreA = Pliega(a.first) == "name", nombreB = Pliega(b.first) == "name";
        return nombreA != nombreB ? nombreA : Pliega(a.first) < Pliega(b.first);
    });
    return todas;
}

} // namespace inspectors
