#pragma once

#include <string>
#include <vector>

// The outcome of running a program to its end.
struct ProgramResult {
    int exitCode = -1;  // -1 when it did not exit normally
    std::string out, err;
};

// Runs `argv` (argv[0] is the program's path) with `input` on its standard input.
ProgramResult RunProgram(const std::vector<std::string>& argv, const std::string& input = "");
