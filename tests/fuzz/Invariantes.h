#pragma once
// What must hold of a module whatever the input: the checks shared by the fuzz targets and by
// the replay of their corpus in test_reliability. A broken invariant throws Hallazgo, which no
// code under test ever throws, so libFuzzer reports it as a crash and GoogleTest as a failure.

#include "host/files/ModuleFile.h"
#include "host/vbide/CodeModule.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace fuzz {

struct Hallazgo : std::logic_error {
    using std::logic_error::logic_error;
};

// Throws Hallazgo with `que` when `cierto` is false.
void Exige(bool cierto, const std::string& que);

// The procedure index of `m` agrees with itself: the declarations own no procedure, each
// procedure's start, body and count hold every line that names it, consecutive owners tile the
// lines below the declarations, and each method member sits on its procedure's header.
void CompruebaIndice(vbide::CodeModule& m);

// The edited module gives the same lines, owners, ranges and members as a fresh parse of its
// own serialized bytes.
void ComparaConReleido(files::ModuleFile& editado, const std::string& ruta);

// What no insertion or removal may break in any procedure of `m`: no label defined twice, no
// jump to a label the procedure lacks, each OnError block followed by exactly one ManejoError
// block before the procedure's end line. The first that does not hold, described; empty when
// all hold. Checked after a command only where it held before: the input may break them.
std::string FaltaEnProcedimientos(vbide::CodeModule& m);

// Reads the fuzz input a byte at a time; past the end every read gives zero.
class Lector {
public:
    explicit Lector(std::string_view datos) : datos_(datos) {}
    std::uint8_t Byte() { return pos_ < datos_.size() ? std::uint8_t(datos_[pos_++]) : 0; }
    // A number in [0, n).
    unsigned Hasta(unsigned n) { return n == 0 ? 0 : Byte() % n; }
    bool Vacio() const { return pos_ >= datos_.size(); }
    std::string_view Resto() const { return datos_.substr(std::min(pos_, datos_.size())); }

private:
    std::string_view datos_;
    std::size_t pos_ = 0;
};

} // namespace fuzz
