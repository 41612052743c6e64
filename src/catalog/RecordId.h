#pragma once

#include <cstdint>
#include <ctime>
#include <string>

// A new record ID: the decimal text of the clock in whole seconds since 1970. Two records made in
// the same second would share that text, so while `taken` already holds it the next number is
// used instead; the result is never a key of `taken`.
template <class Map>
std::string NewRecordId(const Map& taken, std::time_t now = std::time(nullptr)) {
    auto id = static_cast<int64_t>(now);
    while (taken.count(std::to_string(id)) != 0) ++id;
    return std::to_string(id);
}
