// Feeds arbitrary bytes to the readers of the vendor's replies: the notes file and a template's
// index page. Both must end on any input; the template list comes out sorted, and every index
// name that passes the safety check stays inside the package folder.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "vendor/TemplateIndex.h"
#include "vendor/VendorNotes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string reply(reinterpret_cast<const char*>(data), size);
    VendorNotes notes = ReadNotesReply(reply, "default");
    if (!std::is_sorted(notes.templates.begin(), notes.templates.end())) std::abort();

    std::vector<std::string> names;
    ReadTemplateIndex(reply, names);
    for (const std::string& name : names) {
        if (IsSafeTemplateFileName(name) &&
            (name.find('/') != std::string::npos || name.find("..") != std::string::npos))
            std::abort();
    }
    return 0;
}
