#pragma once

#include "CliCommand.h"

// `marlix` without a command: starts the desktop program with the start-up folder of `context`.
int LaunchDesktop(const CliContext& context, int argc, char** argv);
