#pragma once

#include <string>

class MXCatalog;

// Texts the pages print for store values, with the defaults used when a value is empty.

// The vendor's web site, printed for a store without its own web address.
inline constexpr const char kVendorWebAddress[] = "http://www.zelmokrant.example";
// Printed for a store without an e-mail address.
inline constexpr const char kPlaceholderEmail[] = "orders@your-store.example";

inline std::string orDefault(const std::string& value, const char* fallback) {
    return value.empty() ? std::string(fallback) : value;
}

// The store's web address, or the vendor's while it is no longer than "http://".
std::string storeWebAddress(const MXCatalog& catalog);

// Where the published store lives: the web address, followed by "/" and the catalog's path when
// it has one; empty while the address is no longer than "http://".
std::string publishedStoreAddress(const MXCatalog& catalog);
