#include "DataFolderIndex.h"

#include <filesystem>

DataFolderIndex::DataFolderIndex(const std::string& folder) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        if (it->is_regular_file(ec)) names_.insert(it->path().filename().string());
    }
}
