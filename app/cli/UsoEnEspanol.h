#pragma once
// The argument library's own texts in Spanish, as every other message of lintrap: the help's
// headings and labels through its formatter, its usage errors through its failure hook.

#include <CLI/CLI.hpp>

#include <string>

namespace cli {

// A usage error found by lintrap itself, already in Spanish: given as it is.
class ErrorUso : public CLI::ValidationError {
public:
    explicit ErrorUso(const std::string& mensaje) : CLI::ValidationError(mensaje) {}
};

// Before any option or subcommand is added: the formatter, the help flag, the option group.
void AyudaEnEspanol(CLI::App& app);
// After the subcommands are added: their heading in the help.
void OrdenesEnEspanol(CLI::App& app);

// The failure hook: the library's error in Spanish, and where to find help.
std::string MensajeDeUso(const CLI::App* app, const CLI::Error& e);

} // namespace cli
