// Runs arbitrary bytes as a KALO program. Every run must end with a status and without a fault;
// the cancel check bounds the work of each run (loop passes and calls) and its memory.

#include <sanitizer/allocator_interface.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "kalo/KaloInterpreter.h"

namespace {
// A program that doubles a text in a loop is stopped long before the machine runs out of memory.
constexpr size_t kMemoryLimit = size_t(256) << 20;
constexpr int kCheckLimit = 5000;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view program(reinterpret_cast<const char*>(data), size);
    KaloInterpreter interpreter;
    int checks = 0;
    interpreter.setCancelCheck(
        [&] { return ++checks > kCheckLimit || __sanitizer_get_current_allocated_bytes() > kMemoryLimit; });
    std::string written;
    KaloStringOutput out(written);
    KaloTextInput input("12 word TRUE");
    int status = interpreter.runProgram(KaloProgramSource::fromText(program), {&input, &out, &out});
    if (status == 2 || status == 0 || status > 2) std::abort();
    return 0;
}
