#include "kalo/KaloMask.h"

#include <cstdio>
#include <cstring>

#include "kalo/KaloCLocale.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
// strchr would also find the terminating zero byte.
bool IsOneOf(const char* set, char c) { return c != '\0' && std::strchr(set, c) != nullptr; }

// Skips at most two digits; false when a third follows.
bool SkipShortNumber(std::string_view mask, size_t& at) {
    size_t start = at;
    while (at < mask.size() && IsDigit(mask[at])) ++at;
    return at - start <= 2;
}

bool IsSafeMask(std::string_view mask) {
    int conversions = 0;
    for (size_t at = 0; at < mask.size(); ++at) {
        if (mask[at] == '\0') return false;  // printf would stop there
        if (mask[at] != '%') continue;
        if (++at < mask.size() && mask[at] == '%') continue;
        while (at < mask.size() && IsOneOf("-+ #0", mask[at])) ++at;
        if (!SkipShortNumber(mask, at)) return false;
        if (at < mask.size() && mask[at] == '.') {
            ++at;
            if (!SkipShortNumber(mask, at)) return false;
        }
        if (at < mask.size() && mask[at] == 'l') ++at;
        if (at >= mask.size() || !IsOneOf("fFeEgGaA", mask[at])) return false;
        ++conversions;
    }
    return conversions <= 1;
}

}  // namespace

bool KaloFormatMask(std::string_view mask, float number, std::string& out) {
    if (!IsSafeMask(mask)) return false;
    std::string format(mask);
    KaloCLocaleScope c;
    double value = number;
    int size = std::snprintf(nullptr, 0, format.c_str(), value);
    if (size < 0) return false;
    out.resize(static_cast<size_t>(size) + 1);
    std::snprintf(out.data(), out.size(), format.c_str(), value);
    out.resize(static_cast<size_t>(size));
    return true;
}
