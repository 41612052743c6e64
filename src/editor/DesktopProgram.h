#pragma once

#include <string>

// Runs the desktop program until Exit; returns the process's exit status. `startupFolder`
// holds Templates/ and Help/.
int RunDesktopProgram(int argc, char** argv, const std::string& startupFolder);
