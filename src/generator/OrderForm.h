#pragma once

#include <string>

class MXCatalog;

// The host name of the hosted cart service that order buttons post to is "www", the account's
// server number, "." and this domain.
inline constexpr const char kCartServiceDomain[] = "cart.zelmokrant.example";

// Buttons of an order form, as a bit set.
enum OrderFormButtons : int { kListButton = 1, kEmptyButton = 2 };

// The HTML order form that carries the store's cart account and colours to the cart service.
// In demo mode the site ID is "1012" and the server "1", whatever the account fields hold.
std::string buildOrderForm(const MXCatalog& catalog, int buttons);

// The account values with the demo rule applied.
std::string effectiveSiteId(const MXCatalog& catalog);
std::string effectiveServer(const MXCatalog& catalog);
