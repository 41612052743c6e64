#include "FtpUpload.h"

#include <dirent.h>

#include <algorithm>

#include "UploadHost.h"
#include "UploadPlan.h"
#include "catalog/MXCatalog.h"

namespace {

// The folder's entries in the order the system lists them.
bool ListFolder(const std::string& folder, std::vector<std::string>& names) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return false;
    while (dirent* entry = ::readdir(dir)) names.emplace_back(entry->d_name);
    return ::closedir(dir) == 0;
}

// Clears the upload flag however the upload ends.
struct UploadFlagHold {
    std::atomic<bool>& flag;
    ~UploadFlagHold() { flag = false; }
};

}  // namespace

UploadOutcome UploadCatalog(const MXCatalog& catalog, ActivityFlags& flags, UploadHost& host,
                            const UploadOptions& options) {
    if (flags.Running || flags.Uploading.exchange(true)) return UploadOutcome::Ignored;
    // The flag is held from here on, so that nothing else starts while the upload still checks
    // and connects; a cancel before the first file then sends nothing.
    UploadFlagHold hold{flags.Uploading};

    const UploadPlan plan = PlanUpload(catalog, options.probe());
    if (!plan.failure.empty()) {
        host.ShowStatus(plan.failure);
        return UploadOutcome::Failed;
    }

    host.ShowStatus("Upload: Connecting...");
    FtpClient ftp(options.limits);
    if (!ftp.Connect(plan.host, plan.username, plan.password)) {
        const std::string& why = ftp.ErrorText();
        host.ShowStatus(why.empty() ? "FTP ERROR: Upload Failed"
                                    : "FTP ERROR: Upload Failed- " + why);
        return UploadOutcome::Failed;
    }
    if (!ftp.ChangeDirectory(plan.directory) &&
        !(ftp.MakeDirectory(plan.directory) && ftp.ChangeDirectory(plan.directory))) {
        ftp.Disconnect();
        host.ShowStatus("FTP ERROR: Upload Failed");
        return UploadOutcome::Failed;
    }
    std::vector<std::string> listing;
    if (!ListFolder(plan.outputFolder, listing)) {
        ftp.Disconnect();
        host.ShowStatus("FTP ERROR: Upload Failed.");
        return UploadOutcome::Failed;
    }

    host.ShowProgress(true);
    for (const UploadFile& file : PlanFiles(plan.outputFolder, listing)) {
        if (!flags.Uploading) break;
        host.ShowStatus("Upload: sending " + file.remoteName);
        int shown = 0;
        host.SetProgress(shown);
        auto progress = [&](uint64_t sent, uint64_t size) {
            int percent =
                size == 0 ? 100 : static_cast<int>(std::min<uint64_t>(sent, size) * 100 / size);
            if (percent != shown) host.SetProgress(shown = percent);
        };
        if (!ftp.Store(file.localPath, file.remoteName, progress)) {
            host.ShowProgress(false);
            ftp.Disconnect();
            host.ShowStatus("FTP ERROR: File Upload Failed.");
            return UploadOutcome::Failed;
        }
    }
    ftp.Disconnect();
    host.ShowProgress(false);
    if (!flags.Uploading) {
        host.ShowStatus("FTP Upload Cancelled.");
        return UploadOutcome::Cancelled;
    }
    host.ShowStatus("FTP Upload Succeeded.");
    return UploadOutcome::Succeeded;
}
