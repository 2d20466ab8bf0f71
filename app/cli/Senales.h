#pragma once
// Ctrl-C and SIGTERM: a run stopped before its save is committed takes its temporary files away
// and ends with 130 or 143; one stopped while it puts files in place finishes that first.

namespace cli {

// Handles Ctrl-C and SIGTERM on a thread of their own from now on (see
// base/plataforma/Interrupciones.h). Called before any other thread is started.
void AtiendeInterrupciones();

// Once an interruption is being handled, the calling thread waits here for the process to end:
// the handler has the last word and the exit code, not a write that failed because of it.
void CedeSiInterrumpido();

} // namespace cli
