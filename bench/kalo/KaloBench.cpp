// kalo_bench FILE...: runs each KALO program (best of three) and prints its time in seconds and
// the process's peak memory.

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "kalo/KaloInterpreter.h"

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        double best = 1e9;
        int status = 0;
        for (int round = 0; round < 3; ++round) {
            KaloInterpreter interpreter;
            std::string written;
            KaloStringOutput out(written);
            auto start = std::chrono::steady_clock::now();
            status = interpreter.runProgram(KaloProgramSource::file(argv[i]), {nullptr, &out, &out});
            std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            if (took.count() < best) best = took.count();
        }
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("%s %.4f %ld\n", argv[i], best, usage.ru_maxrss);
        if (status != 1) return 1;
    }
    return 0;
}
