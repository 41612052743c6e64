// marlix get-template NAME [--yes]: installs a template from the vendor's server into the template
// library, asking on the terminal before an existing package is replaced.

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <iostream>

#include "CliCommand.h"
#include "vendor/TemplateDownload.h"
#include "vendor/VendorServer.h"

namespace {

int RunGetTemplate(const CliContext& context, const std::vector<std::string>& args);

const CliCommand kGetTemplate{"get-template", "get-template NAME [--yes]",
                              "download a template from the vendor into the template library",
                              RunGetTemplate};
const CliCommandRegistration registration(kGetTemplate);

// Status lines on standard output, the question on the terminal; no progress bar.
class TerminalDownloadHost : public TemplateDownloadHost {
public:
    explicit TerminalDownloadHost(bool assumeYes) : assumeYes_(assumeYes) {}

    bool AskOkCancel(const std::string& caption, const std::string& text) override {
        if (assumeYes_) return true;
        std::printf("%s\n%s\nOK or Cancel? [ok/cancel] ", caption.c_str(), text.c_str());
        std::fflush(stdout);
        std::string answer;
        if (!std::getline(std::cin, answer)) answer.clear();
        if (!isatty(STDIN_FILENO)) std::printf("\n");  // the terminal did not echo a line end
        for (char& c : answer) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return answer == "ok" || answer == "o" || answer == "yes" || answer == "y";
    }
    void ShowProgress(int) override {}
    void HideProgress() override {}
    void ShowStatus(const std::string& text) override { std::printf("%s\n", text.c_str()); }

private:
    bool assumeYes_;
};

int RunGetTemplate(const CliContext& context, const std::vector<std::string>& args) {
    std::vector<std::string> names;
    bool assumeYes = false;
    for (const std::string& arg : args) {
        if (arg == "--yes")
            assumeYes = true;
        else
            names.push_back(arg);
    }
    if (names.size() != 1) return UsageError(kGetTemplate, "get-template takes one template name");

    TerminalDownloadHost host(assumeYes);
    switch (TemplateDownload(host, context.home, VendorServerUrl()).Download(names[0])) {
        case DownloadOutcome::Retrieved:
            return 0;
        case DownloadOutcome::Declined:
            std::fprintf(stderr, "marlix: kept the existing template %s\n", names[0].c_str());
            return 1;
        case DownloadOutcome::FolderUnavailable:
            std::fprintf(stderr, "marlix: cannot prepare the package folder of %s\n",
                         names[0].c_str());
            return 1;
        case DownloadOutcome::Failed:
            return 1;
    }
    return 1;
}

}  // namespace
