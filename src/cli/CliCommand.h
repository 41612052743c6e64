#pragma once

#include <string>
#include <vector>

// What every command of the `marlix` executable is given.
struct CliContext {
    std::string home;  // the start-up folder (absolute); Templates/ and Help/ lie below it
};

// One command of the `marlix` executable. Each command's source file registers itself with a
// static CliCommandRegistration, so adding a command touches no other file.
struct CliCommand {
    const char* name;     // "generate"
    const char* usage;    // "generate [--yes] CATALOG", shown in the help
    const char* summary;  // one line for the help
    // Returns the process's exit status. `args` are the words after the command's name.
    int (*run)(const CliContext& context, const std::vector<std::string>& args);
};

struct CliCommandRegistration {
    explicit CliCommandRegistration(const CliCommand& command);
};

// Every registered command, ordered by name.
const std::vector<CliCommand>& CliCommands();

class MXCatalog;

// Loads the catalog folder as Open does; on failure prints "Catalog Load Failed." on standard
// output, as the status line would show it, and returns false.
bool LoadCatalogFolder(const CliContext& context, const std::string& folder, MXCatalog& catalog);

// Exit status for a catalog folder that cannot be loaded.
inline constexpr int kCatalogLoadFailed = 2;

// Exit status for a command line that cannot be understood.
inline constexpr int kUsageError = 64;

// Prints "marlix: <message>" and the command's usage line to standard error and returns
// kUsageError.
int UsageError(const CliCommand& command, const std::string& message);
