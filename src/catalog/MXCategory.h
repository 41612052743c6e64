#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One category of the catalog's tree. Records refer to each other by ID text only.
struct MXCategory {
    std::string ID;  // equal to its key in Categories
    std::string Name;
    std::string Desc;                   // multi-line (CR LF), HTML allowed
    std::string Parent;                 // empty for a top-level category
    std::vector<std::string> Children;  // derived by RebuildLinks, never stored
    std::vector<std::string> ItemIDs;   // items filed here, in insertion order
    int32_t ListRow = -1;  // row in the category list an editor page filled last; transient
};
