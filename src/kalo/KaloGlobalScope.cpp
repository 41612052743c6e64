#include "kalo/KaloGlobalScope.h"

KaloValue* KaloGlobalScope::find(std::string_view name, bool& readOnly) {
    readOnly = false;
    if (KaloValue* mine = layer_.find(name)) return mine;
    if (!base_ || hidden(name)) return nullptr;
    readOnly = true;
    // Handed out read-only: callers write through findWritable.
    return const_cast<KaloValue*>(base_->table().find(name));
}

KaloValue* KaloGlobalScope::findWritable(std::string_view name) {
    bool readOnly;
    KaloValue* found = find(name, readOnly);
    if (!found || !readOnly) return found;
    return insert(name, *found);
}

KaloValue* KaloGlobalScope::insert(std::string_view name, KaloValue value) {
    ++generation_;
    return layer_.insert(name, std::move(value));
}

bool KaloGlobalScope::erase(std::string_view name) {
    bool inBase = base_ && !hidden(name) && base_->table().find(name);
    bool inLayer = layer_.erase(name);
    if (inBase) hidden_.emplace(name);
    if (inBase || inLayer) ++generation_;
    return inBase || inLayer;
}

void KaloGlobalScope::reset() {
    layer_.clear();
    hidden_.clear();
    ++generation_;
}
