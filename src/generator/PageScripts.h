#pragma once

#include <atomic>
#include <memory>
#include <string>

#include "kalo/KaloInput.h"
#include "kalo/KaloInterpreter.h"

class DataFolderIndex;
class MXCatalog;
struct GenerationState;

// Runs the KALO blocks of a run's pages. The catalog's variables are prepared once per run, at
// the first block, and shared read-only by every block; each block adds only the page's current
// category and item. Clearing the running flag stops a script that is running.
class PageScripts {
public:
    // The catalog's picture addresses must be prepared before.
    PageScripts(const MXCatalog& catalog, const GenerationState& state,
                const DataFolderIndex& data, const std::atomic<bool>& running);

    // Runs one block for the page of the given category and item; what it prints, and its
    // failure report, are appended to `page`. Returns 1 for a normal end (also when the run
    // was cancelled), or the negative error code.
    int run(const std::string& script, const std::string& categoryId, const std::string& itemId,
            std::string& page);

private:
    const MXCatalog& catalog_;
    const GenerationState& state_;
    const DataFolderIndex& data_;
    KaloInterpreter interpreter_;
    KaloFileInput input_;
    bool prepared_ = false;
};
