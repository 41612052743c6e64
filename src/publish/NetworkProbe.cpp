#include "NetworkProbe.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

std::string LocalIpAddress() {
    std::string address = "0.0.0.0";
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return address;
    for (ifaddrs* i = list; i; i = i->ifa_next) {
        if (!i->ifa_addr || i->ifa_addr->sa_family != AF_INET) continue;
        if (!(i->ifa_flags & IFF_UP) || (i->ifa_flags & IFF_LOOPBACK)) continue;
        char text[INET_ADDRSTRLEN];
        const in_addr& in = reinterpret_cast<const sockaddr_in*>(i->ifa_addr)->sin_addr;
        if (inet_ntop(AF_INET, &in, text, sizeof text)) {
            address = text;
            break;
        }
    }
    freeifaddrs(list);
    return address;
}
