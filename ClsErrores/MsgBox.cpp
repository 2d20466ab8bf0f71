#include "ClsErrores/MsgBox.h"

#include "base/plataforma/Consola.h"

#include <cstdio>
#include <iostream>

namespace vb {
namespace {

thread_local Dialogos* instalados = nullptr;

// The terminal shows plain line ends.
std::string SinCR(const std::string& s) {
    std::string r;
    r.reserve(s.size());
    for (char c : s) {
        if (c != '\r') {
            r += c;
        }
    }
    return r;
}

char PrimeraLetra() {
    std::string linea;
    if (!std::getline(std::cin, linea)) {
        return '\0';
    }
    for (char c : linea) {
        if (c != ' ' && c != '\t') {
            return static_cast<char>(c | 0x20);
        }
    }
    return '\n'; // just Enter: the default button
}

} // namespace

int DialogosTerminal::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    const int juego = buttons & 7;
    std::cerr << "[" << title << "]\n" << SinCR(prompt) << "\n";
    const bool interactivo = plataforma::EsTerminal(plataforma::Flujo::Entrada);
    switch (juego) {
    case vbOKCancel:
        if (!interactivo) {
            std::cerr << "(Cancelar)\n";
            return vbCancel;
        }
        std::cerr << "Aceptar (A) / Cancelar (C) [C]: " << std::flush;
        return PrimeraLetra() == 'a' ? vbOK : vbCancel;
    case vbYesNo:
    case vbYesNoCancel: {
        const int seguro = juego == vbYesNo ? vbNo : vbCancel;
        if (!interactivo) {
            std::cerr << (seguro == vbNo ? "(No)\n" : "(Cancelar)\n");
            return seguro;
        }
        std::cerr << (juego == vbYesNo ? "Sí (S) / No (N) [N]: "
                                       : "Sí (S) / No (N) / Cancelar (C) [C]: ")
                  << std::flush;
        switch (PrimeraLetra()) {
        case 's':
            return vbYes;
        case 'n':
            return vbNo;
        default:
            return seguro;
        }
    }
    default:
        if (interactivo) {
            std::cerr << "Pulse Intro para continuar." << std::flush;
            PrimeraLetra();
        }
        return vbOK;
    }
}

Dialogos& DialogosActuales() {
    static DialogosTerminal terminal;
    return instalados ? *instalados : terminal;
}

void FijaDialogos(Dialogos* d) {
    instalados = d;
}

int MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    return DialogosActuales().MsgBox(prompt, buttons, title);
}

} // namespace vb
