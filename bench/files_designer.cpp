// A form whose designer block nests property groups deep (20,000 "BeginProperty" inside one
// another, one property in each): loading it must cost memory in proportion to the file. The
// run fails when the heap the loaded form holds passes 8 times the file's size.
#include "host/files/ModuleFile.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

std::string NestedForm(long depth) {
    std::string s = "VERSION 5.00\r\nBegin VB.Form Hondo\r\n   Caption = \"Hondo\"\r\n";
    for (long d = 0; d < depth; ++d) {
        s += "   BeginProperty Grupo" + std::to_string(d) +
             "\r\n      Valor = " + std::to_string(d) + "\r\n";
    }
    for (long d = 0; d < depth; ++d) {
        s += "   EndProperty\r\n";
    }
    s += "   Begin VB.CommandButton Command1\r\n      Caption = \"Aceptar\"\r\n   End\r\n"
         "End\r\nAttribute VB_Name = \"Hondo\"\r\nOption Explicit\r\n";
    return s;
}

std::size_t HeapInUse() {
    return mallinfo2().uordblks + mallinfo2().hblkhd;
}

void NestedPropertyGroups(benchmark::State& state) {
    const std::string text = NestedForm(state.range(0));
    double ratio = 0;
    for (auto _ : state) {
        const std::size_t before = HeapInUse();
        auto f = files::ModuleFile::Parse(text, "Hondo.frm", 1252);
        const std::size_t after = HeapInUse();
        benchmark::DoNotOptimize(f.get());
        ratio = double(after > before ? after - before : 0) / double(text.size());
    }
    state.counters["heap_per_file_byte"] = ratio;
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
    if (ratio > 8) {
        state.SkipWithError("the loaded form holds more than 8 times its file in memory");
    }
}
BENCHMARK(NestedPropertyGroups)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

} // namespace
