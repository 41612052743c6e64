#pragma once

#include <cstdint>
#include <ctime>
#include <string>

// What a generation run shares across its stages. The script error record keeps the first
// failing script's code and template file name; the logo size is measured before the worker
// starts.
struct GenerationState {
    int scriptErrorCode = 0;  // a negative code stays for the rest of the run
    std::string scriptErrorLocation;
    std::time_t startTime = 0;
    int logoHeight = 0;
    int logoWidth = 0;

    // Records one script's result; only the first failure of a run is kept.
    void recordScriptResult(int code, const std::string& templatePath);
};
