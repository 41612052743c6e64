#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "MXVariant.h"

// How customers choose a quantity on an item's page.
enum QtySelectMethod : int8_t { QtyHidden = 0, QtyTextBox = 1, QtyDropDown = 2 };

struct MXItem {
    std::string ID;  // equal to its key in Items
    std::string SKU;
    std::string Name;
    float Price = 0;
    float FlatShip = 0;          // domestic rate for one unit
    float IntlFlatShip = 0;      // international rate for one unit
    float FlatShipMore = 0;      // domestic rate for each further unit
    float IntlFlatShipMore = 0;  // international rate for each further unit
    bool UseFlatShip = false;
    bool NonTaxable = false;
    int32_t ItemCount = 1;  // physical units sold under this SKU
    float Weight = 0;
    std::string Keywords;
    int32_t DefaultQty = 1;
    int8_t QtySelect = QtyDropDown;
    std::string ShortDesc;                 // one line
    std::string LongDesc;                  // multi-line (CR LF), HTML allowed
    std::vector<std::string> CategoryIDs;  // derived by RebuildLinks, never stored
    std::map<std::string, MXVariant> Variants;
};
