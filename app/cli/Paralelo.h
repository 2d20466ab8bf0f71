#pragma once
// Work over independent modules on every core.

#include <cstddef>
#include <functional>

namespace cli {

// Threads to use by default: the machine's cores, at least one.
unsigned HilosPorDefecto();

// Runs trabajo(i) for every i in [0, n) on up to `hilos` threads (the calling thread is one of
// them). Items are handed out in order, one at a time, so a large module does not leave the
// other thread idle behind it. After a failure no new item starts; the first exception is
// rethrown once every thread has stopped.
void EnParalelo(std::size_t n, unsigned hilos, const std::function<void(std::size_t)>& trabajo);

} // namespace cli
