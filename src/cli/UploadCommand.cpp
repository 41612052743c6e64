// marlix upload CATALOG: publishes the catalog's output folder by FTP with its upload settings.

#include <signal.h>
#include <unistd.h>

#include <cstdio>

#include "CliCommand.h"
#include "catalog/MXCatalog.h"
#include "publish/FtpUpload.h"
#include "publish/UploadHost.h"

namespace {

int RunUpload(const CliContext& context, const std::vector<std::string>& args);

const CliCommand kUpload{"upload", "upload CATALOG",
                         "send the catalog's output folder to its FTP server", RunUpload};
const CliCommandRegistration registration(kUpload);

// Ctrl+C acts as Cancel Upload: the handler only clears the upload flag.
static_assert(std::atomic<bool>::is_always_lock_free);
std::atomic<bool>* uploadFlag = nullptr;
extern "C" void CancelUpload(int) {
    if (uploadFlag) *uploadFlag = false;
}

// Prints the status lines. On a terminal a line stays open so that the current file's progress
// can be written behind it.
class ConsoleUploadHost : public UploadHost {
public:
    explicit ConsoleUploadHost(bool terminal) : terminal_(terminal) {}
    ~ConsoleUploadHost() override { EndLine(); }

    void ShowStatus(const std::string& text) override {
        EndLine();
        line_ = text;
        std::printf(terminal_ ? "%s" : "%s\n", text.c_str());
        open_ = terminal_;
        std::fflush(stdout);
    }
    void SetProgress(int percent) override {
        if (!open_) return;
        std::printf("\r%s %3d%%", line_.c_str(), percent);
        std::fflush(stdout);
    }

private:
    void EndLine() {
        if (open_) std::printf("\n");
        open_ = false;
    }
    bool terminal_;
    bool open_ = false;
    std::string line_;
};

int RunUpload(const CliContext& context, const std::vector<std::string>& args) {
    if (args.size() != 1) return UsageError(kUpload, "upload takes one catalog folder");
    MXCatalog catalog;
    if (!LoadCatalogFolder(context, args[0], catalog)) return kCatalogLoadFailed;
    ActivityFlags flags;
    uploadFlag = &flags.Uploading;
    struct sigaction cancel = {};
    cancel.sa_handler = CancelUpload;
    sigemptyset(&cancel.sa_mask);
    cancel.sa_flags = SA_RESTART;
    sigaction(SIGINT, &cancel, nullptr);

    UploadOutcome outcome;
    {
        ConsoleUploadHost host(isatty(STDOUT_FILENO));
        outcome = UploadCatalog(catalog, flags, host);
    }
    signal(SIGINT, SIG_DFL);
    uploadFlag = nullptr;
    return outcome == UploadOutcome::Succeeded ? 0 : 1;
}

}  // namespace
