// Opening and saving a large project: 200 modules of 5,000 lines, 1,000,000 lines in all.
// Target: each at most 1 s on the 2-core machine.

#include "host/files/Vbe.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr int kModules = 200;
constexpr int kLinesPerModule = 5000;

// A module of short procedures with the mix of lines real code has.
std::string ModuleText(int m) {
    std::string text = "Attribute VB_Name = \"Modulo" + std::to_string(m) + "\"\r\n";
    text += "Option Explicit\r\n";
    int line = 2;
    for (int p = 0; line < kLinesPerModule; ++p) {
        std::string name = "Proc" + std::to_string(p);
        text += "\r\n' Procedimiento de prueba número " + std::to_string(p) + "\r\n";
        text += "Public Function " + name + "(ByVal a As Long) As Long\r\n";
        text += "    Dim i As Long\r\n    On Error GoTo Fallo\r\n";
        text += "    For i = 1 To a\r\n        " + name + " = " + name + " + i * 2\r\n";
        text += "    Next i\r\n    Exit Function\r\nFallo:\r\n    " + name + " = -1\r\n";
        text += "End Function\r\n";
        line += 13;
    }
    return text;
}

class LargeProject {
public:
    LargeProject() {
        root_ =
            fs::temp_directory_path() / ("lintrap-bench-" + std::to_string(std::random_device{}()));
        fs::create_directories(root_ / "src");
        std::string vbp = "Type=Exe\r\n";
        for (int m = 0; m < kModules; ++m) {
            std::string file = "Modulo" + std::to_string(m) + ".bas";
            std::ofstream(root_ / "src" / file, std::ios::binary) << ModuleText(m);
            vbp += "Module=Modulo" + std::to_string(m) + "; " + file + "\r\n";
        }
        vbp += "Name=\"Grande\"\r\n";
        std::ofstream(root_ / "src" / "Grande.vbp", std::ios::binary) << vbp;
    }
    ~LargeProject() { fs::remove_all(root_); }
    fs::path Vbp() const { return root_ / "src" / "Grande.vbp"; }
    fs::path Out(int n) const { return root_ / ("out" + std::to_string(n)); }

private:
    fs::path root_;
};

LargeProject& Project() {
    static LargeProject project;
    return project;
}

void BM_OpenProject(benchmark::State& state) {
    for (auto _ : state) {
        auto vbe = files::Vbe::Open(Project().Vbp());
        benchmark::DoNotOptimize(vbe->Active()->ComponentCount());
    }
    state.counters["lines"] = double(kModules) * kLinesPerModule;
}

void BM_SaveAsProject(benchmark::State& state) {
    auto vbe = files::Vbe::Open(Project().Vbp());
    static int n = 0; // every run saves into folders of its own
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(Project().Out(n - 1));
        state.ResumeTiming();
        vbe->SaveAs(Project().Out(n++));
    }
    state.counters["lines"] = double(kModules) * kLinesPerModule;
}

BENCHMARK(BM_OpenProject)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SaveAsProject)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
