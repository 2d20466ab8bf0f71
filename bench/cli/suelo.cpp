// The floor for numbering a project on disk: read each module, prefix every line with its index
// x 10, write a temporary beside it, flush it to disk and rename it over the original; two
// threads. No rules, no journal, no lock: what any durable numbering must at least do.
// Build: g++ -O2 -std=c++20 -o suelo suelo.cpp -lpthread (bench/cli/mide_suelo.sh does)
// Usage: suelo DIR   (numbers every *.bas and *.cls in DIR in place; run it on a copy)
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>
namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: suelo DIR\n");
        return 2;
    }
    std::vector<fs::path> files;
    for (auto& e : fs::directory_iterator(argv[1]))
        if (e.path().extension() == ".bas" || e.path().extension() == ".cls")
            files.push_back(e.path());
    std::atomic<size_t> next{0};
    auto work = [&] {
        std::string in, out;
        for (size_t i; (i = next++) < files.size();) {
            std::ifstream f(files[i], std::ios::binary);
            in.assign(std::istreambuf_iterator<char>(f), {});
            out.clear();
            out.reserve(in.size() + in.size() / 4);
            size_t line = 1, start = 0;
            char num[24];
            while (start < in.size()) {
                size_t end = in.find('\n', start);
                end = end == std::string::npos ? in.size() : end + 1;
                int n = std::snprintf(num, sizeof num, "%zu ", line++ * 10);
                out.append(num, n).append(in, start, end - start);
                start = end;
            }
            fs::path tmp = files[i];
            tmp += ".tmp";
            FILE* o = std::fopen(tmp.c_str(), "wb");
            std::fwrite(out.data(), 1, out.size(), o);
            std::fflush(o);
            fsync(fileno(o));
            std::fclose(o);
            fs::rename(tmp, files[i]);
        }
    };
    std::thread a(work), b(work);
    a.join();
    b.join();
}
