#pragma once

#include <string>

// The vendor's web server: the notes file and the downloadable templates live on it.
inline constexpr const char kDefaultVendorServer[] = "http://www.zelmokrant.example";

// Paths on the vendor's web server.
inline constexpr const char kNotesFilePath[] = "/marlix/info.txt";
inline constexpr const char kTemplatesPath[] = "/marlix/Templates/";

// The server's address (scheme, host and optional port, no trailing "/"): the environment
// variable MARLIX_VENDOR_URL when it is set and not empty, otherwise kDefaultVendorServer.
std::string VendorServerUrl();
