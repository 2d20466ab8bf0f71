// The engine's walk over a module (read, ProcOfLine, ReplaceLine, a line inserted or deleted
// every 20 lines), a walk that rewrites every header and end line, and loading and saving, on
// generated modules of 5,000 procedures per 100,000 lines.
#include "host/files/ModuleFile.h"

#include <benchmark/benchmark.h>

namespace {

std::string Generate(long lines) {
    std::string s = "Attribute VB_Name = \"Grande\"\r\nOption Explicit\r\n";
    long procs = lines / 20;
    for (long p = 0; p < procs; ++p) {
        s += "' Procedimiento " + std::to_string(p) + "\r\n";
        s += "Public Function Proc" + std::to_string(p) + "(ByVal a As Long, _\r\n";
        s += "                    ByVal b As Long) As Long\r\n";
        if (p % 10 == 0) {
            s += "Attribute Proc" + std::to_string(p) + ".VB_Description = \"x\"\r\n";
        }
        s += "    Dim i As Long\r\n";
        for (int k = 0; k < 14; ++k) {
            s += "    i = i + a * b ' paso " + std::to_string(k) + "\r\n";
        }
        s += "    Proc" + std::to_string(p) + " = i\r\n";
        s += "End Function\r\n";
    }
    return s;
}

void Walk(benchmark::State& state) {
    std::string text = Generate(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto f = files::ModuleFile::Parse(text, "Grande.bas", 1252);
        state.ResumeTiming();
        vbide::CodeModule& cm = f->Code();
        bool insert = true;
        for (long i = 1; i <= cm.CountOfLines(); ++i) {
            std::string owner = cm.ProcOfLine(i);
            std::string_view line = cm.Line(i); // read as the engine reads: no copy
            benchmark::DoNotOptimize(owner);
            if (!owner.empty() && line.starts_with("    i = ")) {
                cm.ReplaceLine(i, "10 " + std::string(line));
            }
            if (i % 20 == 0) {
                if (insert) {
                    cm.InsertLines(i + 1, "    On Error GoTo Error_Handler");
                    ++i;
                } else if (cm.Line(i + 1).starts_with("    i = ")) {
                    cm.DeleteLines(i + 1, 1);
                }
                insert = !insert;
            }
        }
        state.PauseTiming();
        f.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(Walk)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Complexity();

// Rewrites each procedure's header and end line (numbered): every edit touches the procedures.
void HeaderEdits(benchmark::State& state) {
    std::string text = Generate(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto f = files::ModuleFile::Parse(text, "Grande.bas", 1252);
        state.ResumeTiming();
        vbide::CodeModule& cm = f->Code();
        for (long i = 1; i <= cm.CountOfLines(); ++i) {
            std::string_view line = cm.Line(i);
            if (line.starts_with("Public Function ") || line == "End Function") {
                cm.ReplaceLine(i, line == "End Function" ? "99 End Function" : std::string(line));
            }
        }
        state.PauseTiming();
        f.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(HeaderEdits)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Complexity();

void LoadAndSave(benchmark::State& state) {
    std::string text = Generate(state.range(0));
    for (auto _ : state) {
        auto f = files::ModuleFile::Parse(text, "Grande.bas", 1252);
        std::string out = f->Serialize();
        benchmark::DoNotOptimize(out);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(LoadAndSave)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace
