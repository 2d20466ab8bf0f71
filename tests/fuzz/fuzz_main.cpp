// libFuzzer entry point of one target: the build names its case (CasoModulo, CasoProyecto or
// CasoMotor), where the checks live.
#include "tests/fuzz/Casos.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    fuzz::LINTRAP_FUZZ_CASO({reinterpret_cast<const char*>(datos), n});
    return 0;
}
