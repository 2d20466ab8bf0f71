#include "app/cli/Paralelo.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace cli {

unsigned HilosPorDefecto() {
    return std::max(1u, std::thread::hardware_concurrency());
}

void EnParalelo(std::size_t n, unsigned hilos, const std::function<void(std::size_t)>& trabajo) {
    std::atomic<std::size_t> siguiente{0};
    std::atomic<bool> fallo{false};
    std::exception_ptr primero;
    std::mutex cerrojo;

    auto trabajador = [&] {
        for (;;) {
            if (fallo.load())
                return;
            std::size_t i = siguiente.fetch_add(1);
            if (i >= n)
                return;
            try {
                trabajo(i);
            } catch (...) {
                std::lock_guard<std::mutex> guarda(cerrojo);
                if (!primero)
                    primero = std::current_exception();
                fallo.store(true);
            }
        }
    };

    std::size_t extra = std::min<std::size_t>(std::max(1u, hilos), n > 0 ? n : 1) - 1;
    std::vector<std::thread> hilosExtra;
    hilosExtra.reserve(extra);
    for (std::size_t t = 0; t < extra; ++t)
        hilosExtra.emplace_back(trabajador);
    trabajador();
    for (auto& h : hilosExtra)
        h.join();
    if (primero)
        std::rethrow_exception(primero);
}

} // namespace cli
