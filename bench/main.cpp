// Runs every registered benchmark, or those whose names contain one of the arguments; an
// argument "=name" picks that benchmark alone.
#include "BenchRegistry.h"

#include <cstdio>
#include <string>

namespace dirforge::bench {
std::vector<BenchEntry>& benchRegistry() {
    static std::vector<BenchEntry> entries;
    return entries;
}
} // namespace dirforge::bench

int main(int argc, char** argv) {
    using namespace dirforge::bench;
    BenchReport report;
    int ran = 0;
    for (const auto& entry : benchRegistry()) {
        bool wanted = argc < 2;
        for (int i = 1; i < argc; ++i)
            wanted = wanted || (argv[i][0] == '=' ? entry.name == argv[i] + 1
                                                  : entry.name.find(argv[i]) != std::string::npos);
        if (!wanted)
            continue;
        entry.run(report);
        ++ran;
    }
    if (ran == 0)
        std::printf("benchmarks: none\n");
    return 0;
}
