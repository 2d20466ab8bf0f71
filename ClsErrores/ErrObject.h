#pragma once
// The program's current error, as VB's Err object and Erl function give it: what the last
// handled run-time error was and the line number most recently passed (0 in procedures
// without line numbers). Handlers read it; clsErrores::ManejoError leaves it in place for them.

#include <string>

namespace vb {

struct ErrObject {
    long Number = 0;
    std::string Source, Description;
    long Erl = 0;

    // No current error: number 0, empty texts, line 0.
    void Clear();
    // Makes the error current and throws it as ErrorVB. An empty source becomes the program's
    // title, as VB fills it in.
    [[noreturn]] void Raise(long number, std::string source = {}, std::string description = {});
    // Makes the error current without throwing (what a raise under "resume next" leaves).
    void Fija(long number, std::string source, std::string description);
};

// The current error of the calling thread: each thread has its own, as it has its own glbErr().
ErrObject& Err();

} // namespace vb
