#include "VendorServer.h"

#include <cstdlib>

std::string VendorServerUrl() {
    const char* configured = std::getenv("MARLIX_VENDOR_URL");
    std::string url = configured && *configured ? configured : kDefaultVendorServer;
    while (!url.empty() && url.back() == '/') url.pop_back();
    return url;
}
