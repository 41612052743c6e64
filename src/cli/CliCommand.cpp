#include "CliCommand.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {
std::vector<CliCommand>& Registry() {
    static std::vector<CliCommand> commands;
    return commands;
}
}  // namespace

CliCommandRegistration::CliCommandRegistration(const CliCommand& command) {
    auto& commands = Registry();
    auto at = std::lower_bound(
        commands.begin(), commands.end(), command,
        [](const CliCommand& a, const CliCommand& b) { return std::strcmp(a.name, b.name) < 0; });
    commands.insert(at, command);
}

const std::vector<CliCommand>& CliCommands() {
    return Registry();
}

int UsageError(const CliCommand& command, const std::string& message) {
    std::fprintf(stderr, "marlix: %s\nusage: marlix [--home DIR] %s\n", message.c_str(),
                 command.usage);
    return kUsageError;
}
