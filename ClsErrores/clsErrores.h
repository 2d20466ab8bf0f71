#pragma once
// The runtime error handler: a call stack of procedure names, the error message, the log file
// and the e-mail report. The program holds one instance, glbErr(), created on first use.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class clsErrores {
public:
    // Creation: log path beside the executable, empty stack of 20 levels, IniVal, and the mail
    // client registration in the registry. Never fails: a failing step is skipped.
    clsErrores();

    const std::string& MsgOnError() const { return c_MsgOnError; }
    void MsgOnError(std::string v) { c_MsgOnError = std::move(v); }
    const std::string& EmailDir() const { return c_EMailDir; }
    void EmailDir(std::string v) { c_EMailDir = std::move(v); }
    // Full path of the log file.
    const std::string& Destination() const { return m_Destination; }
    void Destination(std::string v) { m_Destination = std::move(v); }
    bool MandaEmailOnError() const { return m_fSendEmailOnError; }
    void MandaEmailOnError(bool v) { m_fSendEmailOnError = v; }
    bool LogOnError() const { return m_fLogOnError; }
    void LogOnError(bool v) { m_fLogOnError = v; }

    // How many nested names the stack records. Setting it empties every slot and keeps the
    // depth; a value whose slots 0 to value + 2 cannot be formed throws ErrorVB (9 below -2,
    // 6 above 32765) and changes nothing.
    std::int16_t MaxProcStackItems() const { return m_Capacidad; }
    void MaxProcStackItems(std::int16_t valor);

    // Replaces the log file by the single line "Log Borrado el " + date and time. True when
    // written; a failure throws ErrorVB naming the file.
    bool ClearLog();
    // Handles the current error (vb::Err()): message, log record, mail prompt, and leaves the
    // error current again for the caller. Never throws.
    void ManejoError() noexcept;
    // Leaves one level; the depth never goes below 0.
    void Pop() noexcept;
    // Enters one level; the name is kept when the depth is within the capacity.
    void Push(std::string_view strProc) noexcept;
    // Mails the short report of the error just handled / the full report with the log attached,
    // through the function installed by FijaEnvioCorreo. Nothing when EmailDir is empty.
    void MandaEMAIL() noexcept;
    void MandaEMAILCompleto() noexcept;
    // The four settings, in this order: mail offer on, destination address, "normal" message,
    // log on.
    void IniVal() noexcept;

    // The values captured by the last ManejoError.
    const std::string& ErrDescription() const { return m_ErrDescription; }
    long ErrLine() const { return m_ErrLine; }
    long ErrNumber() const { return m_ErrNumber; }
    const std::string& ErrProcedure() const { return m_ErrProcedure; }
    const std::string& ErrSource() const { return m_ErrSource; }

    // The stack as it stands: the depth, the entry of slot n (empty outside the slots) and the
    // entry at the current depth.
    std::int16_t Profundidad() const { return m_Profundidad; }
    const std::string& Entrada(int n) const;
    const std::string& ProcedimientoActual() const { return Entrada(m_Profundidad); }
    // Number of slots: capacity + 3 (slots 0 to capacity + 2).
    int Ranuras() const { return static_cast<int>(m_Pila.size()); }

    // Single-byte code page the log file is written in (1252 unless changed).
    int PaginaCodigos() const { return m_PaginaCodigos; }
    void PaginaCodigos(int cp) { m_PaginaCodigos = cp; }

    // The address IniVal sets: fictitious, so that nothing is mailed to a real person by default.
    static constexpr std::string_view DireccionPredeterminada = "errores@lintrap.invalid";

private:
    void MandaPorCorreo(bool completo) noexcept;
    void GrabaLog() noexcept;
    void CreaPila(int capacidad);

    std::string c_MsgOnError;
    std::string c_EMailDir;
    bool m_fSendEmailOnError = true;
    bool m_fLogOnError = true;
    std::string m_Destination;
    std::int16_t m_Capacidad = 20;
    std::vector<std::string> m_Pila;
    std::int16_t m_Profundidad = 0;
    int m_PaginaCodigos = 1252;

    long m_ErrNumber = 0;
    std::string m_ErrSource;
    long m_ErrLine = 0;
    std::string m_ErrDescription;
    std::string m_ErrProcedure;
};

// The one instance of the program, created on first use.
clsErrores& glbErr();

// The mail reports are built by the system-report library, which installs itself here.
using EnvioCorreo = std::function<void(clsErrores&, bool completo)>;
void FijaEnvioCorreo(EnvioCorreo envio);
