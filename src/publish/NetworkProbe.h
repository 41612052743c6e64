#pragma once

#include <functional>
#include <string>

// Answers the machine's local IP address as text; "0.0.0.0" means no network connection.
// Uploads take the probe as a value so that tests can put another in its place.
using NetworkProbe = std::function<std::string()>;

// The first non-loopback IPv4 address of an interface that is up, or "0.0.0.0".
std::string LocalIpAddress();
