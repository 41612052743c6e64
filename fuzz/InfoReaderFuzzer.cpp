// Feeds arbitrary bytes to the `info` reader. Whatever it accepts must survive a round trip:
// writing the document and reading that back gives a document that writes the same bytes.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "catalog/InfoFile.h"
#include "catalog/MXCatalog.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto anyTemplate = [](const std::string& name) { return name.size() % 2 == 0; };
    MXCatalog catalog;
    if (!ReadInfo(std::string_view(reinterpret_cast<const char*>(data), size), catalog,
                  anyTemplate))
        return 0;
    catalog.RebuildLinks();
    const std::string written = WriteInfo(catalog);

    MXCatalog again;
    if (!ReadInfo(written, again, anyTemplate)) std::abort();
    again.RebuildLinks();
    if (WriteInfo(again) != written) std::abort();
    return 0;
}
