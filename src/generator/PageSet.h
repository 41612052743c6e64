#pragma once

#include <string>

class DataFolderIndex;
class MXCatalog;
class PageExpander;
class WorkerServices;

// The pages and copies of one run in the catalog's output folder: main pages, one page per
// selected category and item, and the copies of the data folder's files.
class PageSet {
public:
    enum class EmptyResult { Emptied, CannotList, CannotClose };

    // Deletes every file of the output folder; sub-folders survive.
    static EmptyResult emptyOutputFolder(const std::string& outputFolder);
    // Sets the catalog's BgURL and LogoURL: the published addresses of bg.gif and logo.gif when
    // the data folder holds them and the store has a web address; otherwise empty.
    static void preparePictureAddresses(MXCatalog& catalog, const DataFolderIndex& data);

    PageSet(const MXCatalog& catalog, const std::string& packageFolder, const DataFolderIndex& data,
            PageExpander& expander, WorkerServices& worker);

    void writeMainPage(const std::string& base, const std::string& ext);
    void writeCategoryPages(const std::string& base, const std::string& ext,
                            const std::string& conditions);
    void writeItemPages(const std::string& base, const std::string& ext,
                        const std::string& conditions);
    // Copies the data folder's files next to the pages; names beginning with "c" (or "i") are
    // left out when the category (or item) skip letters hold "o".
    void copyDataFiles(const std::string& categorySkip, const std::string& itemSkip);

private:
    // False, with a status line, for a name that could lead out of its folder.
    bool safeName(const std::string& name);

    const MXCatalog& catalog_;
    std::string packageFolder_, dataFolder_, outputFolder_;
    const DataFolderIndex& data_;
    PageExpander& expander_;
    WorkerServices& worker_;
};
