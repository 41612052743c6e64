#include "StoreTexts.h"

#include "catalog/MXCatalog.h"

std::string storeWebAddress(const MXCatalog& catalog) {
    return catalog.URL.size() > 7 ? catalog.URL : std::string(kVendorWebAddress);
}

std::string publishedStoreAddress(const MXCatalog& catalog) {
    if (catalog.URL.size() <= 7) return "";
    return catalog.Path.empty() ? catalog.URL : catalog.URL + "/" + catalog.Path;
}
