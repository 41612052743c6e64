// marlix notes: what the vendor's notes file says, as the notes window would show it.

#include <cstdio>

#include "CliCommand.h"
#include "vendor/VendorNotes.h"
#include "vendor/VendorServer.h"

namespace {

int RunNotes(const CliContext& context, const std::vector<std::string>& args);

const CliCommand kNotes{
    "notes", "notes", "fetch the vendor's notes: message, version notice and templates", RunNotes};
const CliCommandRegistration registration(kNotes);

int RunNotes(const CliContext&, const std::vector<std::string>& args) {
    if (!args.empty()) return UsageError(kNotes, "notes takes no arguments");
    VendorNotes notes;
    std::string error;
    if (!FetchVendorNotes(VendorServerUrl(), notes, &error)) {
        std::fprintf(stderr, "marlix: cannot fetch the notes: %s\n", error.c_str());
        return 1;
    }
    std::fputs(notes.notesText.c_str(), stdout);
    if (notes.notesText.empty() || notes.notesText.back() != '\n') std::fputs("\n", stdout);
    std::printf("Available Templates:\n");
    for (const std::string& name : notes.templates) std::printf("%s\n", name.c_str());
    return 0;
}

}  // namespace
