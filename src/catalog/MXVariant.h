#pragma once

#include <string>

// One variant of an item (a size, a colour): its own SKU, name, price and weight.
struct MXVariant {
    std::string ID;  // equal to its key in the item's Variants
    std::string SKU;
    std::string Name;  // appended to the item's name
    float Price = 0;   // takes the place of the item's price
    float Weight = 0;  // takes the place of the item's weight
};
