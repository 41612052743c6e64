#pragma once

#include <string>

// What a template download needs from the window that runs it: the overwrite question, the
// progress bar and the status line. The desktop program answers with its notes window, the
// command line with the terminal, tests with scripts.
class TemplateDownloadHost {
public:
    virtual ~TemplateDownloadHost() = default;
    // A question box with OK and Cancel; true on OK.
    virtual bool AskOkCancel(const std::string& caption, const std::string& text) = 0;
    // Shows the progress bar at `percent` (0 to 100) of the file being fetched.
    virtual void ShowProgress(int percent) = 0;
    virtual void HideProgress() = 0;
    virtual void ShowStatus(const std::string& text) = 0;
};

enum class DownloadOutcome {
    Retrieved,          // "Retrieved new template: " was shown
    Failed,             // "Template Download Failed: " was shown
    Declined,           // the user kept the existing package
    FolderUnavailable,  // the package folder could not be emptied or created; nothing was shown
};

// Installs templates from the vendor's web server into the template library. A template is the
// folder "/marlix/Templates/" + name on the server; its index page lists the files to fetch, each
// into the package folder of the same name. One download at a time; each request may wait 5 s
// for the server.
class TemplateDownload {
public:
    TemplateDownload(TemplateDownloadHost& host, std::string startupFolder,
                     std::string vendorServerUrl);

    // The Download command for the selected template name. Asks before replacing an existing
    // package, whose files (not sub-folders) are removed before the new ones are fetched.
    DownloadOutcome Download(const std::string& templateName);

private:
    bool PreparePackageFolder(const std::string& folder, bool exists);
    void FetchFile(const std::string& url, const std::string& path);

    TemplateDownloadHost& host_;
    std::string startupFolder_;
    std::string serverUrl_;
};
