#include "kalo/KaloVariableTable.h"

KaloValue* KaloVariableTable::find(std::string_view name) {
    auto at = entries_.find(name);
    return at == entries_.end() ? nullptr : &at->second;
}

const KaloValue* KaloVariableTable::find(std::string_view name) const {
    auto at = entries_.find(name);
    return at == entries_.end() ? nullptr : &at->second;
}

KaloValue* KaloVariableTable::insert(std::string_view name, KaloValue value) {
    auto at = entries_.find(name);
    if (at == entries_.end()) at = entries_.emplace(std::string(name), KaloValue()).first;
    at->second = std::move(value);
    return &at->second;
}

bool KaloVariableTable::erase(std::string_view name) {
    auto at = entries_.find(name);
    if (at == entries_.end()) return false;
    entries_.erase(at);
    return true;
}
