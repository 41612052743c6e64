#include "DesktopLauncher.h"

#include <cstdio>
#include <cstdlib>

#include "editor/DesktopProgram.h"

namespace {

bool Set(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

}  // namespace

int LaunchDesktop(const CliContext& context, int argc, char** argv) {
    // Without a display the toolkit would abort; say what to do instead.
    if (!Set("DISPLAY") && !Set("WAYLAND_DISPLAY") && !Set("QT_QPA_PLATFORM")) {
        std::fprintf(stderr,
                     "marlix: no display for the desktop program (try marlix --help for the "
                     "commands)\n");
        return 1;
    }
    return RunDesktopProgram(argc, argv, context.home);
}
