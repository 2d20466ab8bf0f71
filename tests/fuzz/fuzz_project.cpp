// libFuzzer entry point; the checks live in CasoProyecto.
#include "tests/fuzz/Casos.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    fuzz::CasoProyecto({reinterpret_cast<const char*>(datos), n});
    return 0;
}
