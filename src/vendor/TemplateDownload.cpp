#include "TemplateDownload.h"

#include <filesystem>
#include <vector>

#include "HttpClient.h"
#include "TemplateIndex.h"
#include "VendorServer.h"
#include "catalog/StartupFolder.h"

namespace fs = std::filesystem;

namespace {

constexpr long kTemplateTimeoutMs = 5000;

// Template names are used unchanged in the library; on the server a blank is written "%20".
std::string ServerName(const std::string& templateName) {
    std::string name;
    for (char c : templateName) name += c == ' ' ? std::string("%20") : std::string(1, c);
    return name;
}

// A file name fit for one status line.
std::string Printable(const std::string& name) {
    std::string shown = name;
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return shown;
}

}  // namespace

TemplateDownload::TemplateDownload(TemplateDownloadHost& host, std::string startupFolder,
                                   std::string vendorServerUrl)
    : host_(host),
      startupFolder_(std::move(startupFolder)),
      serverUrl_(std::move(vendorServerUrl)) {}

DownloadOutcome TemplateDownload::Download(const std::string& templateName) {
    const std::string failed = "Template Download Failed: " + templateName;
    // The name comes from the vendor's list; one like ".." would empty a folder outside the
    // library.
    if (!IsPlainFolderName(templateName)) {
        host_.ShowStatus(failed);
        return DownloadOutcome::Failed;
    }
    const std::string folder = TemplateLibraryPath(startupFolder_) + "/" + templateName;
    std::error_code ec;
    const bool exists = fs::exists(folder, ec);
    if (exists &&
        !host_.AskOkCancel("Template Exists",
                           templateName + "\nYou already have a version of this template.\n" +
                               "Do you want to PERMANANTLY overwrite it?\n" +
                               "(This operation is irreversible)"))
        return DownloadOutcome::Declined;
    if (!PreparePackageFolder(folder, exists)) return DownloadOutcome::FolderUnavailable;

    const std::string base = serverUrl_ + kTemplatesPath + ServerName(templateName) + "/";
    std::string page;
    std::vector<std::string> fileNames;
    if (!HttpClient(kTemplateTimeoutMs).GetText(base, page) ||
        !ReadTemplateIndex(page, fileNames)) {
        host_.ShowStatus(failed);
        return DownloadOutcome::Failed;
    }
    for (const std::string& name : fileNames) {
        // A link may only name a file inside the package folder.
        if (!IsSafeTemplateFileName(name)) {
            host_.ShowStatus("Skipped unsafe file name in " + templateName + ": " +
                             Printable(name));
            continue;
        }
        FetchFile(base + name, folder + "/" + name);
    }
    host_.ShowStatus("Retrieved new template: " + templateName);
    return DownloadOutcome::Retrieved;
}

// An existing package loses its files (sub-folders stay); a missing one is created.
bool TemplateDownload::PreparePackageFolder(const std::string& folder, bool exists) {
    std::error_code ec;
    if (!exists) return fs::create_directories(folder, ec);
    std::vector<fs::path> files;
    for (fs::directory_iterator it(folder, ec), end; it != end; it.increment(ec)) {
        if (ec) break;
        if (!it->is_directory(ec)) files.push_back(it->path());
    }
    if (ec) return false;
    for (const fs::path& file : files) fs::remove(file, ec);  // failures ignored
    return true;
}

// A file that cannot be fetched is passed over; the download goes on with the next.
void TemplateDownload::FetchFile(const std::string& url, const std::string& path) {
    int shown = 0;
    host_.ShowProgress(shown);
    HttpClient(kTemplateTimeoutMs)
        .GetFile(url, path, [&](std::int64_t received, std::int64_t total) {
            if (total <= 0) return;
            int percent = static_cast<int>(received * 100 / total);
            if (percent != shown) host_.ShowProgress(shown = percent);
        });
    host_.HideProgress();
}
