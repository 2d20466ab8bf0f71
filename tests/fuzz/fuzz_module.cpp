// libFuzzer entry point; the checks live in CasoModulo.
#include "tests/fuzz/Casos.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    fuzz::CasoModulo({reinterpret_cast<const char*>(datos), n});
    return 0;
}
