#pragma once
// The view's primitives over the child windows of a Win32 top-level window, found by their
// form names. Every Win32 skin is one: it creates its controls with Crea, forwards their
// notifications (Evento) to its behaviour and says how it opens other windows. As in VB, no
// primitive raises a control's event: notifications that a primitive's own call sends (an
// edit's EN_CHANGE on SetWindowText) are dropped. Texts are UTF-8 here and UTF-16 at the calls.

#include "ui/Vista.h"

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace win32 {

// A control's place in its window's client area, in pixels.
struct Sitio {
    int x, y, ancho, alto;
};

class VistaWin32 : public ui::Vista {
public:
    VistaWin32(const VistaWin32&) = delete;
    VistaWin32& operator=(const VistaWin32&) = delete;
    ~VistaWin32() override;

    void Rellena(std::string_view control, const std::vector<std::string>& filas) override;
    void Selecciona(std::string_view control, int fila) override;
    void PonTexto(std::string_view control, std::string_view texto) override;
    void Marca(std::string_view control, bool marcado) override;
    void Muestra(std::string_view control, bool visible) override;
    void PonFondo(std::string_view control, ui::Color color) override;
    int Mensaje(const std::string& texto, int botones, const std::string& titulo) override;
    void Portapapeles(const std::string& texto) override;
    void Abre(std::string_view /*ventana*/) override {}
    void Cierra(bool aceptada) override;
    void PonArriba(std::string_view control, int fila) override;
    void PonValor(std::string_view control, int valor) override;
    void RelojArena(bool activo) override;
    std::string PideTexto(const std::string& texto, const std::string& titulo) override;
    void PonTextoColoreado(std::string_view control, std::u32string_view texto,
                           const std::vector<viewer::Tramo>& tramos, long cursor) override;

    // Shows the window modally over its owner and returns when it closes: true when it was
    // closed by its accepting button.
    bool Modal();
    // Shows the window without waiting (the tests and the screenshots drive it so).
    void Enseña();

    HWND Ventana() const { return ventana_; }
    // The control of that form name; null when the window has none (the empty name is the
    // window itself).
    HWND Control(std::string_view nombre) const;

    // A window of the add-in shown modeless: no loop of ours reads its messages, so the
    // keyboard hook (Teclado) gives it its keys.
    static bool SinBucle(HWND ventana);
    // What the keyboard hook sends such a window for each key pressed: its answer is non-zero
    // when the window used the key (Tecla).
    static UINT MensajeTecla();

protected:
    VistaWin32() = default;

    // Creates the top-level window with a client area of `ancho` x `alto` pixels, owned by
    // `dueno` (null for none); a `redimensionable` one has the sizing border and the maximize
    // box, and hears of its new size through Redimensiona.
    void CreaVentana(const char* titulo, int ancho, int alto, HWND dueno,
                     bool redimensionable = false);
    // A rich-text box (RichEdit 4.1) named `nombre`: read-only, no wrapping.
    HWND CreaTextoRico(const char* nombre, Sitio sitio);
    // A command `nombre` of the window's menu bar, or of the menu `menu` (made with CreaMenu),
    // after those added before it; `atajo` is the key shown beside it. Muestra shows or takes
    // it off its menu, PonTexto changes its caption; its click arrives as Evento(nombre, 0).
    void CreaEntrada(const char* nombre, std::string_view texto, const char* menu = nullptr,
                     std::string_view atajo = {});
    // A menu `nombre` of the window's menu bar, that opens the entries added to it.
    void CreaMenu(const char* nombre, std::string_view texto);
    // Creates the child control `nombre` of the system class `clase` at the given client
    // place; `estilo` adds to WS_CHILD | WS_VISIBLE. Returns it for what only the skin sets.
    HWND Crea(const char* nombre, const wchar_t* clase, std::string_view texto, DWORD estilo,
              Sitio sitio, DWORD extendido = 0);
    // A windowless frame drawn on the window, as VB's Shape is.
    void Marco(Sitio sitio) {
        marcos_.push_back({sitio.x, sitio.y, sitio.x + sitio.ancho, sitio.y + sitio.alto});
    }
    // The button that Enter presses.
    void PonPorDefecto(std::string_view boton) { porDefecto_ = Control(boton); }
    // A bold copy of the window's font for `control`.
    void Negrita(std::string_view control);
    // A font of its own for `control`: the face and its size in points.
    // `fija`: of fixed pitch, so that a system without that face gives one like it.
    void PonFuente(std::string_view control, const wchar_t* cara, int puntos, bool negrita = false,
                   bool fija = false);
    void PonAyuda(std::string_view control, std::string_view texto);

    // A notification of control `control` (BN_CLICKED, LBN_SELCHANGE, EN_CHANGE ...).
    virtual void Evento(const std::string& control, int codigo) = 0;
    // The close box (and Escape); by default the window closes unaccepted.
    virtual void CierreVentana() { Cierra(false); }
    // The client area's new size, of a resizable window.
    virtual void Redimensiona(int /*ancho*/, int /*alto*/) {}
    // A key (VK_F1 ...) pressed in a modeless window: true when the window used it.
    virtual bool Tecla(int /*tecla*/) { return false; }
    // Asks for Diferido to run from the message loop, once the handler running now has
    // returned; Diferido may destroy the window's object.
    void Difiere();
    virtual void Diferido() {}

    // The UTF-8 text of a control.
    std::string Texto(std::string_view control) const;

private:
    static LRESULT CALLBACK Procedimiento(HWND ventana, UINT mensaje, WPARAM w, LPARAM l);
    LRESULT Atiende(UINT mensaje, WPARAM w, LPARAM l);
    HFONT Fuente(const LOGFONTW& lf);

    HWND ventana_ = nullptr;
    HWND dueno_ = nullptr;
    HWND porDefecto_ = nullptr;
    HWND ayuda_ = nullptr; // the tooltip window
    std::map<std::string, HWND, std::less<>> controles_;
    std::vector<std::string> nombres_; // by control id - PrimerId
    std::map<HWND, std::pair<COLORREF, HBRUSH>> fondos_;
    std::vector<HFONT> fuentes_; // ours, deleted with the window
    std::vector<RECT> marcos_;
    struct Entrada {
        std::string nombre;
        std::wstring texto;
        HMENU dentro;  // the menu bar or a menu
        HMENU submenu; // for a menu, null for a command
        UINT id;
        bool visible = true;
    };
    HMENU menu_ = nullptr;
    HMENU Barra();
    Entrada* BuscaEntrada(std::string_view nombre);
    std::vector<Entrada> entradas_; // the menus' entries in order
    int callado_ = 0;               // >0 while a primitive changes a control
    bool abierta_ = false;          // while Modal waits
    bool aceptada_ = false;
    HCURSOR cursorAnterior_ = nullptr;
    bool reloj_ = false;
};

} // namespace win32
