#include "CliCommand.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "catalog/MXCatalog.h"

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

bool LoadCatalogFolder(const CliContext& context, const std::string& folder, MXCatalog& catalog) {
    catalog.CatalogFolder = folder;
    if (catalog.Load(context.home)) return true;
    std::printf("Catalog Load Failed.\n");
    return false;
}
