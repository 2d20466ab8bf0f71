#pragma once
// The add-in's own error handler (glbErr) as the command line needs it: an error shows its
// message (which the command then reports on stderr), and nothing is logged beside the program
// or offered by mail.

namespace cli {

// Sets up glbErr for the calling thread's use. Cheap after the first call on a thread.
void PreparaErrores();

} // namespace cli
