#pragma once
// One object per thread, made on the thread's first use.
//
// mingw-w64 frees a thread's emulated thread-local storage before it runs the destructors of the
// objects kept there: a worker thread that ends then destroys freed memory (lintrap.exe crashed
// now and then in the heap as its workers finished). There each thread's object is reached
// through a plain pointer, which leaves nothing to run when the thread ends, and is never
// destroyed: a few per command, given back with the process. Elsewhere it is an ordinary
// thread_local object.

#include <utility>

namespace porhilo {

// The calling thread's object of type T for the caller `Marca` (two callers that keep the same
// type keep two objects), made from `args` on first use.
template <class Marca, class T, class... Args> T& Objeto(Args&&... args) {
#if defined(__MINGW32__)
    thread_local T* objeto = nullptr;
    if (objeto == nullptr) {
        objeto = new T(std::forward<Args>(args)...);
    }
    return *objeto;
#else
    thread_local T objeto(std::forward<Args>(args)...);
    return objeto;
#endif
}

} // namespace porhilo
