#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "kalo/KaloValue.h"

// One table of variables: the global table, the main table of a program's top level, or the
// local table of one call. Names are kept in ascending byte order (C string order), compared
// exactly (case matters here; the lexer and the host upper-case names). An entry's address stays
// the same until the entry is erased, so the evaluator may remember where it found a variable.
class KaloVariableTable {
public:
    using Entries = std::map<std::string, KaloValue, std::less<>>;

    explicit KaloVariableTable(uint64_t id = 0) : id_(id) {}

    // Identifies this table among every table one interpreter ever made.
    uint64_t id() const { return id_; }

    KaloValue* find(std::string_view name);
    const KaloValue* find(std::string_view name) const;
    // Stores `value` under `name`, replacing what was there; returns the stored value.
    KaloValue* insert(std::string_view name, KaloValue value);
    bool erase(std::string_view name);
    void clear() { entries_.clear(); }

    size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    const Entries& entries() const { return entries_; }
    // The first entry whose name is not below `name` (for walking the names with a prefix).
    Entries::const_iterator lowerBound(std::string_view name) const {
        return entries_.lower_bound(name);
    }

private:
    uint64_t id_;
    Entries entries_;
};
