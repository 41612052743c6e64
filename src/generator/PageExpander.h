#pragma once

#include <string>
#include <utility>
#include <vector>

class DataFolderIndex;
class MXCatalog;
class PageScripts;
struct GenerationState;

// Turns one template file into one page of the store: copies it line by line, replaces the
// tags ("!!storename!!", ...) with the catalog's values, inserts order forms, and runs each
// KALO block where it stands, its output taking the place of the HTML comment holding it.
class PageExpander {
public:
    // The catalog's picture addresses must be prepared before; the store-wide tag values are
    // taken once here.
    PageExpander(const MXCatalog& catalog, GenerationState& state, const DataFolderIndex& data,
                 PageScripts& scripts);

    // Writes outputPath from templatePath with the given current item and category (each may
    // be empty). Writes nothing when the template cannot be read or the page not created.
    void expandPage(const std::string& templatePath, const std::string& outputPath,
                    const std::string& itemId, const std::string& categoryId);

private:
    // Fills in the values of the tags that depend on the page.
    void setPageTags(const std::string& itemId, const std::string& categoryId);
    void replaceTags(std::string& line) const;

    const MXCatalog& catalog_;
    GenerationState& state_;
    PageScripts& scripts_;
    std::vector<std::pair<std::string, std::string>> tags_;
    size_t firstPageTag_ = 0;  // tags from here to the order forms depend on the page
};
