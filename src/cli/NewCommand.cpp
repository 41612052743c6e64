// marlix new FOLDER: a new catalog folder, made exactly as saving a new document there would.

#include <cstdio>
#include <filesystem>

#include "CliCommand.h"
#include "catalog/CatalogFolder.h"
#include "catalog/MXCatalog.h"

namespace {

int RunNew(const CliContext& context, const std::vector<std::string>& args);

const CliCommand kNew{"new", "new FOLDER",
                      "create a new catalog folder with data/, output/ and a default info", RunNew};
const CliCommandRegistration registration(kNew);

int RunNew(const CliContext&, const std::vector<std::string>& args) {
    if (args.size() != 1) return UsageError(kNew, "new takes one catalog folder");
    const std::string& folder = args[0];
    if (IsRegularFile(folder + "/info")) {
        std::fprintf(stderr, "marlix: %s already holds a catalog\n", folder.c_str());
        return 1;
    }
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    MXCatalog catalog;
    catalog.CatalogFolder = folder;
    if (!catalog.Save()) {
        std::printf("Catalog Save Failed.\n");
        return 1;
    }
    std::printf("Catalog Saved.\n");
    return 0;
}

}  // namespace
