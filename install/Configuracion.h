#pragma once
// The error-handler configuration dialog without widgets: what frmConfiguracion and
// MsgPersonal show and do with the pending settings. The windows mirror this state in their
// controls; the command line's "config" drives it as a user would.

#include "engine/EstadoSeleccion.h"
#include "host/vbide/Project.h"

#include <string>
#include <string_view>

namespace install {

// Combo1's items, by index.
inline constexpr std::string_view ItemsMensaje[] = {"no", "normal", "personalizar"};
inline constexpr int MensajeNo = 0;
inline constexpr int MensajeNormal = 1;
inline constexpr int MensajePersonalizar = 2;

inline constexpr std::string_view DireccionVacia =
    "No es posible dejar vacía la dirección electrónica de destino";

enum class Aceptacion {
    Cerrar,         // the settings are stored (and written into an installed class)
    DireccionVacia, // e-mail is on with no address: the dialog stays open
    ValorNoValido,  // a text the class cannot hold (Motivo() says why): nothing is stored
};

class Configuracion {
public:
    // The dialog edits `ajustes` (the add-in's pending settings, UTF-8).
    explicit Configuracion(engine::AjustesPendientes& ajustes) : ajustes_(ajustes) {}

    // Loading: Check1, Text1 and Label2, Combo1 (under the loading flag) and Check3 from the
    // pending settings.
    void Carga();

    // Check1 ticked or unticked by the user: ticking shows Text1 refilled with the pending
    // address and Label2; unticking hides them and keeps Text1's text.
    void MarcaCheck1(bool marcado);
    // Combo1 set to `indice` (by the user or by loading). True when the custom message dialog
    // must open: "personalizar" chosen while not loading.
    bool EligeMensaje(int indice);
    void MarcaCheck3(bool marcado) { check3_ = marcado; }
    void EscribeText1(std::string texto) { text1_ = std::move(texto); }

    // MsgPersonal's "Aceptar" with its text: an empty text is stored as two double quotes (and
    // written doubled, like any quote, so the program shows them as stored). False, nothing
    // stored, when the class could not hold the text: Motivo() says why.
    bool AceptaMsgPersonal(std::string texto);

    // "Aceptar": first a typed address the class could not hold is refused (nothing stored);
    // then, in its order: e-mail flag, address (refused when empty with e-mail on; the new flag
    // stays), message mode, log flag, and then, when the project holds clsErrores, the rewrite
    // of its IniVal lines with the dialog's keys. An error of the object model or a text the
    // code page cannot hold raises ErrorVB; the settings stay as set so far.
    Aceptacion Acepta(vbide::VBProject* proyecto, int paginaCodigos);

    // Why the last acceptance refused a value.
    const std::string& Motivo() const { return motivo_; }

    bool Check1() const { return check1_; }
    bool Text1Visible() const { return text1Visible_; }
    bool Label2Visible() const { return text1Visible_; }
    const std::string& Text1() const { return text1_; }
    int Combo1() const { return combo1_; }
    bool Check3() const { return check3_; }
    bool Cargando() const { return cargando_; }

private:
    engine::AjustesPendientes& ajustes_;
    bool check1_ = false;
    bool text1Visible_ = false; // Text1 and Label2 show and hide together
    std::string text1_;
    int combo1_ = -1;
    bool check3_ = false;
    bool cargando_ = false;
    std::string motivo_;
};

// Rewrites the IniVal lines of the project's clsErrores with the pending settings, found by the
// dialog's search keys. False (nothing done) when the project has no such class. A setting the
// class cannot hold raises ErrorVB before any line changes.
bool ReescribeAjustes(vbide::VBProject& proyecto, const engine::AjustesPendientes& ajustes,
                      int paginaCodigos);

} // namespace install
