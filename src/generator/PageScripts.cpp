#include "PageScripts.h"

PageScripts::PageScripts(const MXCatalog& catalog, const GenerationState& state,
                         const DataFolderIndex& data, const std::atomic<bool>& running) {}

int PageScripts::run(const std::string& script, const std::string& categoryId,
                     const std::string& itemId, std::string& page) {
    return 1;  // scripts are not run yet
}
