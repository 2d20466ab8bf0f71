#pragma once

namespace cli {

// The whole program: parses the command line, runs the command, turns every failure into a
// message on stderr and an exit code (0 done, 1 findings, 2 usage or input error).
int Principal(int argc, const char* const* argv);

} // namespace cli
