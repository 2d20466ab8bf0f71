#pragma once
// This process and the others: who it is, which program file it runs, whether another is still
// running, and what a child started by fork must set up afresh.

#include <filesystem>

namespace plataforma {

// This process's number.
long IdProceso();
// The program file this process runs; empty when the system does not say.
std::filesystem::path Ejecutable();
// True when another process runs the same program file.
bool OtraInstancia();
// True while the process `id` runs (this one included), also when it is another user's.
bool ProcesoVivo(long id);
// `rehace` runs in a child process made by fork, which holds none of the parent's threads.
// Where there is no fork it never runs.
void AlBifurcar(void (*rehace)());

} // namespace plataforma
