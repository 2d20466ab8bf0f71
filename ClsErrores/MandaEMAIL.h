#pragma once
// The e-mail error reports of clsErrores: the short report of the error just handled, and the
// full system report with the log file attached. Both go out through the system's mail (Correo.h)
// without any compose window; a report that could not be sent is told to the user once.

class clsErrores;

// Subject "Informe de Error Remoto en <title>", the error's details and the short system
// report. Nothing when the destination address is empty.
void MandaEMAIL(clsErrores& errores) noexcept;

// Subject "Informe de Errores Remotos en <title>", the full system report and the log file.
void MandaEMAILCompleto(clsErrores& errores) noexcept;

// Makes clsErrores::MandaEMAIL and MandaEMAILCompleto send through the two above. The programs
// call it once at start.
void InstalaCorreo();
