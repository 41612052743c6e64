// marlix generate CATALOG: one generation run of a catalog folder, its status lines on
// standard output. Ctrl+C cancels the run as the Cancel Generation button does.

#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <mutex>

#include "CliCommand.h"
#include "catalog/FileCommands.h"
#include "catalog/MXCatalog.h"
#include "generator/GenerationHost.h"
#include "generator/GenerationState.h"
#include "generator/TGenThread.h"

namespace {

int RunGenerate(const CliContext& context, const std::vector<std::string>& args);

const CliCommand kGenerate{"generate", "generate CATALOG",
                           "generate the web store of a catalog folder into its output/",
                           RunGenerate};
const CliCommandRegistration registration(kGenerate);

ActivityFlags flags;

void OnInterrupt(int) {
    flags.Running.store(false);  // lock-free, so safe in a signal handler
}

// The terminal as the run's window. Status lines are printed as they come; on a terminal one
// line is rewritten instead, with the count of pages and pictures done.
class TerminalHost : public GenerationHost {
public:
    TerminalHost() : live_(::isatty(STDOUT_FILENO) == 1) {}

    void statusCall(WorkerChannel& channel) override {
        if (channel.pictureToSave && !channel.picturePath.empty()) {
            savePictureInChannel(channel);
            ++pictures_;
        }
        if (!channel.newStatus) return;
        last_ = channel.statusText;
        const std::string& line = channel.statusText;
        if (line.rfind("Working on File: ", 0) == 0 || line.rfind("Working on Category: ", 0) == 0 ||
            line.rfind("Working on Item: ", 0) == 0)
            ++pages_;
        if (!live_ || line.rfind("Vivivud Generation", 0) == 0) {
            if (live_) std::printf("\r\033[K");
            std::printf("%s\n", line.c_str());
        } else {
            std::printf("\r\033[K[%d pages, %d pictures] %.60s", pages_, pictures_, line.c_str());
        }
        std::fflush(stdout);
    }
    const std::string& lastStatus() const { return last_; }

private:
    bool live_;
    int pages_ = 0, pictures_ = 0;
    std::string last_;
};

int RunGenerate(const CliContext& context, const std::vector<std::string>& args) {
    if (args.size() != 1) return UsageError(kGenerate, "generate takes one catalog folder");
    MXCatalog catalog;
    if (!LoadCatalogFolder(context, args[0], catalog)) return kCatalogLoadFailed;

    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);

    TerminalHost host;
    GenerationState state;
    TGenThread generation(catalog, context.home, state, flags, host);
    if (!generation.start()) return 1;
    generation.wait();
    return host.lastStatus().rfind("Vivivud Generation Succeeded.", 0) == 0 ? 0 : 1;
}

}  // namespace
