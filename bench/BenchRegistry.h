#pragma once
// A tiny benchmark registry: each bench prints `name: value` lines through its report.

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace dirforge::bench {

/// Collects the `name: value` lines of one benchmark.
class BenchReport {
public:
    void value(const std::string& name, double v) {
        std::printf("%s: %.3f\n", name.c_str(), v);
        std::fflush(stdout);
    }
    void count(const std::string& name, long long v) {
        std::printf("%s: %lld\n", name.c_str(), v);
        std::fflush(stdout);
    }
    void note(const std::string& name, const std::string& text) {
        std::printf("%s: %s\n", name.c_str(), text.c_str());
        std::fflush(stdout);
    }
};

struct BenchEntry {
    std::string name;
    std::function<void(BenchReport&)> run;
};

std::vector<BenchEntry>& benchRegistry();

struct BenchRegistrar {
    BenchRegistrar(std::string name, std::function<void(BenchReport&)> run) {
        benchRegistry().push_back({std::move(name), std::move(run)});
    }
};

/// Seconds taken by fn, measured on the steady clock.
template <typename Fn> double secondsOf(Fn&& fn) {
    const auto start = std::chrono::steady_clock::now();
    fn();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace dirforge::bench

#define DIRFORGE_BENCH_CAT2(a, b) a##b
#define DIRFORGE_BENCH_CAT(a, b) DIRFORGE_BENCH_CAT2(a, b)
#define DIRFORGE_BENCH(name)                                                                       \
    static void name(::dirforge::bench::BenchReport&);                                             \
    static ::dirforge::bench::BenchRegistrar DIRFORGE_BENCH_CAT(registrar_, name){#name, name};    \
    static void name(::dirforge::bench::BenchReport& report)
