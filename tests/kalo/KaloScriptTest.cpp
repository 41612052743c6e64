// Runs every program in scripts/ and compares its run with the expectation beside it:
// NAME.kalo is the program, NAME.expected holds "status N" on its first line and then the exact
// bytes written (output and error report into one stream, as a page receives them), and an
// optional NAME.input is what KYBD reads.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "kalo/KaloInterpreter.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> ScriptNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator("scripts"))
        if (entry.path().extension() == ".kalo") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

class KaloScript : public testing::TestWithParam<std::string> {};

TEST_P(KaloScript, RunsAsExpected) {
    const std::string base = "scripts/" + GetParam();
    const std::string program = ReadFileBytes(base + ".kalo");
    const std::string input = fs::exists(base + ".input") ? ReadFileBytes(base + ".input") : "";

    KaloInterpreter interpreter;
    std::string written;
    KaloStringOutput out(written);
    KaloTextInput in(input);
    int status = interpreter.runProgram(KaloProgramSource::fromText(program), {&in, &out, &out});

    const std::string actual = "status " + std::to_string(status) + "\n" + written;
    if (std::getenv("KALO_WRITE_EXPECTED")) WriteFileBytes(base + ".expected", actual);
    EXPECT_EQ(actual, ReadFileBytes(base + ".expected"));
}

INSTANTIATE_TEST_SUITE_P(Scripts, KaloScript, testing::ValuesIn(ScriptNames()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
