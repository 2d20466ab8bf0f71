#pragma once
// This process and the others: who it is, whether another is still running, and what a child
// started by fork must set up afresh.

namespace plataforma {

// This process's number.
long IdProceso();
// True while the process `id` runs (this one included), also when it is another user's.
bool ProcesoVivo(long id);
// `rehace` runs in a child process made by fork, which holds none of the parent's threads.
// Where there is no fork it never runs.
void AlBifurcar(void (*rehace)());

} // namespace plataforma
