#pragma once
// The error a call raises, for tests that check its number and message.

#include "base/ErrorVB.h"

#include <gtest/gtest.h>

namespace soporte {

// Runs `f` and returns the error it raised; fails the test when it raised none.
template <typename F> ErrorVB Lanzado(F f) {
    try {
        f();
    } catch (const ErrorVB& e) {
        return e;
    }
    ADD_FAILURE() << "no error raised";
    return ErrorVB(0, "", "");
}

} // namespace soporte
