// The marlix executable: `marlix [--home DIR]` starts the desktop program, `marlix [--home DIR]
// COMMAND [ARGS]` runs one command headless.

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "CliCommand.h"
#include "DesktopLauncher.h"
#include "catalog/Version.h"

namespace {

void PrintHelp() {
    std::printf(
        "marlix %s - keeps a store's catalog and generates a static web store from it\n\n"
        "usage: marlix [--home DIR]                  start the desktop program\n"
        "       marlix [--home DIR] COMMAND [ARGS]\n"
        "       marlix --help | --version\n\n"
        "Options:\n"
        "  --home DIR   start-up folder holding Templates/ and Help/ (default: the current "
        "folder)\n"
        "  --help       show this help\n"
        "  --version    print the program's version\n\n"
        "Commands:\n",
        kProgramVersion);
    for (const CliCommand& c : CliCommands()) std::printf("  %-28s %s\n", c.usage, c.summary);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    CliContext context;
    std::string home = ".";
    size_t i = 0;
    for (; i < args.size() && args[i].rfind("--", 0) == 0; ++i) {
        if (args[i] == "--help") {
            PrintHelp();
            return 0;
        } else if (args[i] == "--version") {
            std::printf("%s\n", kProgramVersion);
            return 0;
        } else if (args[i] == "--home" && i + 1 < args.size()) {
            home = args[++i];
        } else if (args[i].rfind("--home=", 0) == 0) {
            home = args[i].substr(7);
        } else {
            std::fprintf(stderr, "marlix: unknown option %s (try marlix --help)\n",
                         args[i].c_str());
            return kUsageError;
        }
    }
    std::error_code ec;
    context.home = std::filesystem::absolute(home, ec).lexically_normal().string();
    if (context.home.size() > 1 && context.home.back() == '/') context.home.pop_back();
    if (!std::filesystem::is_directory(context.home, ec)) {
        std::fprintf(stderr, "marlix: the start-up folder %s does not exist\n", home.c_str());
        return kUsageError;
    }

    if (i == args.size()) return LaunchDesktop(context, argc, argv);
    for (const CliCommand& c : CliCommands()) {
        if (args[i] == c.name)
            return c.run(context, std::vector<std::string>(args.begin() + i + 1, args.end()));
    }
    std::fprintf(stderr, "marlix: unknown command %s (try marlix --help)\n", args[i].c_str());
    return kUsageError;
}
