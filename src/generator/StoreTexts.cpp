#include "StoreTexts.h"

#include "catalog/MXCatalog.h"

std::string storeWebAddress(const MXCatalog& catalog) {
    return catalog.URL.size() > 7 ? catalog.URL : std::string(kVendorWebAddress);
}
