#include "ClsErrores/clsErrores.h"

#include "ClsErrores/App.h"
#include "ClsErrores/Convencion.h"
#include "ClsErrores/ErrObject.h"
#include "ClsErrores/LogRegistro.h"
#include "ClsErrores/MsgBox.h"
#include "ClsErrores/Registro.h"
#include "base/ErrorVB.h"
#include "base/PorHilo.h"
#include "base/Programa.h"

#include <cstdint>
#include <limits>
#include <mutex>

namespace {

// Room for a typical "module \ procedure" text, so that Push does not allocate.
constexpr std::size_t TamanoRanura = 64;

std::mutex& CerrojoCorreo() {
    static std::mutex m;
    return m;
}
EnvioCorreo& EnvioInstalado() {
    static EnvioCorreo envio;
    return envio;
}

bool EsNormal(std::string_view s) {
    constexpr std::string_view normal = "normal";
    if (s.size() != normal.size()) {
        return false;
    }
    for (std::size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != normal[i]) {
            return false;
        }
    }
    return true;
}

// Breaks a long description into lines for the message box: a break comes before the first
// word that starts when more than 50 letters (spaces not counted) are on the line.
std::string AjustaDescripcion(const std::string& descripcion) {
    if (logerrores::Caracteres(descripcion) <= 50) {
        return descripcion;
    }
    std::string resultado;
    std::size_t contador = 0;
    std::size_t inicio = 0;
    while (true) {
        const std::size_t fin = descripcion.find(' ', inicio);
        const std::string_view palabra =
            std::string_view(descripcion)
                .substr(inicio, fin == std::string::npos ? fin : fin - inicio);
        if (contador > 50) {
            resultado += "\r\n";
            contador = 0;
        }
        resultado += palabra;
        resultado += ' ';
        contador += logerrores::Caracteres(palabra);
        if (fin == std::string::npos) {
            break;
        }
        inicio = fin + 1;
    }
    return resultado;
}

std::string TextoNormal(const clsErrores& e) {
    std::string t = "Ha ocurrido un error.\r\n\r\nProcedimiento:   '";
    t += e.ErrProcedure();
    t += "'\r\nLínea: ";
    t += e.ErrLine() == 0 ? std::string("<desconocida>") : std::to_string(e.ErrLine());
    t += "\r\nNº Error: ";
    t += std::to_string(e.ErrNumber());
    t += "\r\nDescripción: ";
    t += AjustaDescripcion(e.ErrDescription());
    return t;
}

} // namespace

clsErrores::clsErrores() {
    // Every step is attempted; a failing one is skipped.
    PasoSinError([&] { m_Destination = logerrores::RutaLog(programa::Carpeta()); });
    PasoSinError([&] { CreaPila(20); });
    IniVal();
    PasoSinError([] {
        // Register a mail client for the platform's simple mail interface unless one is there.
        // Nobody asked for it: where the store cannot be written, it is skipped quietly.
        constexpr auto clave = "SOFTWARE\\Microsoft\\Windows Messaging Subsystem\\MSMapiApps";
        const auto v =
            registro::RegistryGetKeyValue(registro::HKEY_LOCAL_MACHINE, clave, "tarvolk");
        const auto* texto = std::get_if<std::string>(&v);
        if (std::holds_alternative<std::monostate>(v) || (texto && texto->empty())) {
            registro::RegistryTrySetKeyValue(registro::HKEY_LOCAL_MACHINE, clave, "tarvolk",
                                             std::string("Microsoft Outlook"), registro::REG_SZ);
        }
    });
}

void clsErrores::IniVal() noexcept {
    // These four assignments are the settings an installed copy is configured with.
    m_fSendEmailOnError = true;
    PasoSinError([&] { c_EMailDir = DireccionPredeterminada; });
    PasoSinError([&] { c_MsgOnError = "normal"; });
    m_fLogOnError = true;
}

void clsErrores::CreaPila(int capacidad) {
    std::vector<std::string> pila(static_cast<std::size_t>(capacidad) + 3);
    for (auto& ranura : pila) {
        ranura.reserve(TamanoRanura);
    }
    m_Pila = std::move(pila);
    m_Capacidad = static_cast<std::int16_t>(capacidad);
}

void clsErrores::MaxProcStackItems(std::int16_t valor) {
    if (valor < -2) {
        throw ErrorVB(vberr::SubscriptOutOfRange, app::Title(),
                      "El subíndice está fuera del intervalo");
    }
    if (valor > std::numeric_limits<std::int16_t>::max() - 2) {
        throw ErrorVB(vberr::Overflow, app::Title(), "Desbordamiento");
    }
    CreaPila(valor);
}

const std::string& clsErrores::Entrada(int n) const {
    static const std::string vacia;
    return n >= 0 && n < static_cast<int>(m_Pila.size()) ? m_Pila[static_cast<std::size_t>(n)]
                                                         : vacia;
}

void clsErrores::Push(std::string_view strProc) noexcept {
    if (m_Profundidad == std::numeric_limits<std::int16_t>::max()) {
        return; // the count cannot grow: it stays at its maximum
    }
    ++m_Profundidad;
    // Above the capacity nothing is stored: the slots there stay empty, so an error at such a
    // depth names no procedure rather than a stale one.
    if (m_Profundidad <= m_Capacidad) {
        try {
            m_Pila[static_cast<std::size_t>(m_Profundidad)].assign(strProc);
        } catch (...) {
        }
    }
}

void clsErrores::Pop() noexcept {
    if (m_Profundidad <= m_Capacidad && m_Profundidad < static_cast<int>(m_Pila.size())) {
        m_Pila[static_cast<std::size_t>(m_Profundidad)].clear();
    }
    if (m_Profundidad > 0) {
        --m_Profundidad;
    }
}

void clsErrores::ManejoError() noexcept {
    auto& err = vb::Err();
    // Capture first, before anything below can change the current error.
    // (A failed copy must not go through PasoSinError: that would overwrite the error itself.)
    m_ErrNumber = err.Number;
    m_ErrLine = err.Erl;
    try {
        m_ErrSource = err.Source;
        m_ErrDescription = err.Description;
        m_ErrProcedure = ProcedimientoActual();
    } catch (...) {
    }

    if (!c_MsgOnError.empty()) {
        PasoSinError([&] {
            const std::string texto = EsNormal(c_MsgOnError) ? TextoNormal(*this) : c_MsgOnError;
            vb::MsgBox(texto, vb::vbCritical, app::Title());
        });
    }
    if (m_fLogOnError) {
        GrabaLog();
    }
    if (m_fSendEmailOnError) {
        PasoSinError([&] {
            std::string texto = c_MsgOnError.empty() ? "Ocurrió un error inesperado.\r\n\r\n" : "";
            texto += "Se enviará automáticamente un email informando\r\n"
                     "del tipo de error al autor de la aplicación.\r\n\r\n"
                     "Pulse 'Cancelar' si no quiere que se envie ningún mensaje";
            if (vb::MsgBox(texto, vb::vbOKCancel, app::Title()) == vb::vbOK) {
                MandaEMAIL();
            }
        });
    }
    // The caller's handler finds the error it handed over still in place.
    PasoSinError([&] {
        err.Number = m_ErrNumber;
        err.Source = m_ErrSource;
        err.Description = m_ErrDescription;
        err.Erl = m_ErrLine;
    });
}

// Both reports go through the mail sender the system-report library installed; without one,
// or without an address, nothing is sent.
void clsErrores::MandaPorCorreo(bool completo) noexcept {
    PasoSinError([&] {
        if (c_EMailDir.empty()) {
            return;
        }
        EnvioCorreo envio;
        {
            std::lock_guard l(CerrojoCorreo());
            envio = EnvioInstalado();
        }
        if (envio) {
            envio(*this, completo);
        }
    });
}

void clsErrores::MandaEMAIL() noexcept {
    MandaPorCorreo(false);
}

void clsErrores::MandaEMAILCompleto() noexcept {
    MandaPorCorreo(true);
}

clsErrores& glbErr() {
    // One per thread: the command line works on modules in parallel, and a shared call stack
    // would interleave their procedures.
    struct Marca;
    return porhilo::Objeto<Marca, clsErrores>();
}

void FijaEnvioCorreo(EnvioCorreo envio) {
    std::lock_guard l(CerrojoCorreo());
    EnvioInstalado() = std::move(envio);
}
