#pragma once

#include <string>

#include "kalo/KaloInterpreter.h"

// One run of a program text with output and error into one stream, as a page receives them.
struct KaloRun {
    int status;
    std::string written;
};

inline KaloRun RunKalo(KaloInterpreter& interpreter, const std::string& program,
                       const std::string& input = "") {
    KaloRun run;
    KaloStringOutput out(run.written);
    KaloTextInput in(input);
    run.status = interpreter.runProgram(KaloProgramSource::fromText(program), {&in, &out, &out});
    return run;
}

inline KaloRun RunKalo(const std::string& program, const std::string& input = "") {
    KaloInterpreter interpreter;
    return RunKalo(interpreter, program, input);
}

// The report a failure writes after the program's output.
inline std::string KaloReport(int line, const std::string& message) {
    return "\n_KALO_ version: 1.3.3 ***ERROR***\nLine " + std::to_string(line) + ": " + message +
           "Failure: Halting... \n";
}
