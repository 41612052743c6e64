#pragma once

#include <atomic>
#include <string>

class DataFolderIndex;
class MXCatalog;
struct GenerationState;

// Runs the KALO blocks of a run's pages. The catalog's variables are prepared once per run;
// each block adds only the page's current category and item.
class PageScripts {
public:
    // The catalog's picture addresses must be prepared before. Clearing `running` stops a
    // script that is running.
    PageScripts(const MXCatalog& catalog, const GenerationState& state,
                const DataFolderIndex& data, const std::atomic<bool>& running);

    // Runs one block for the page of the given category and item; what it prints, and its
    // failure report, are appended to `page`. Returns 1 for a normal end, or the negative
    // error code.
    int run(const std::string& script, const std::string& categoryId, const std::string& itemId,
            std::string& page);
};
