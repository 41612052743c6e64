#pragma once

#include <string>
#include <unordered_set>

// The names of the regular files in a catalog's data folder, listed once per run: pages and
// conditions ask for "c<ID>.jpg", "i<ID>.jpg", logo.gif and bg.gif many times, and the folder
// does not change while a run reads it.
class DataFolderIndex {
public:
    explicit DataFolderIndex(const std::string& folder);
    bool has(const std::string& name) const { return names_.count(name) != 0; }

private:
    std::unordered_set<std::string> names_;
};
