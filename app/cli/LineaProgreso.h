#pragma once
// The progress line of work over many modules: one line on standard error, rewritten in place,
// and only when standard error is a terminal (a log file or a pipe gets nothing).

#include <chrono>
#include <cstddef>
#include <mutex>
#include <string>

namespace cli {

class LineaProgreso {
public:
    // `activa` false prints nothing at all; by default it follows whether stderr is a terminal.
    LineaProgreso(std::size_t total, bool activa);
    explicit LineaProgreso(std::size_t total);
    ~LineaProgreso(); // clears the line, so that later messages start on a clean one
    LineaProgreso(const LineaProgreso&) = delete;
    LineaProgreso& operator=(const LineaProgreso&) = delete;

    // One more module done (safe from any thread). `nombre` is UTF-8.
    void Hecho(const std::string& nombre);
    // Clears the line now, before the command prints anything else.
    void Termina();

    static bool EsTerminal();

private:
    std::mutex cerrojo_;
    std::size_t total_;
    std::size_t hechos_ = 0;
    bool activa_;
    bool escrito_ = false;
    std::chrono::steady_clock::time_point ultimo_{};
};

} // namespace cli
