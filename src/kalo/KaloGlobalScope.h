#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <string_view>

#include "kalo/KaloGlobals.h"
#include "kalo/KaloVariableTable.h"

// The global table of one run: the run's own variables in a layer over the prepared globals
// (copy on write). A prepared variable the run assigns is copied into the layer first; one the
// run ZAPs is hidden. Resetting drops the layer, so the prepared globals are never changed.
class KaloGlobalScope {
public:
    // `generation` is bumped whenever a variable's place changes (see KaloInterpreter).
    KaloGlobalScope(uint64_t id, uint64_t& generation) : layer_(id), generation_(generation) {}

    void setBase(std::shared_ptr<const KaloGlobals> base) { base_ = std::move(base); }
    const KaloGlobals* base() const { return base_.get(); }
    uint64_t id() const { return layer_.id(); }

    // The variable, or null. `readOnly` tells whether it lies in the prepared globals.
    KaloValue* find(std::string_view name, bool& readOnly);
    // A writable variable for `name` that exists somewhere in the scope (copied into the layer
    // when it lies in the prepared globals), or null when it does not exist.
    KaloValue* findWritable(std::string_view name);
    KaloValue* insert(std::string_view name, KaloValue value);
    bool erase(std::string_view name);  // false when missing
    void reset();

    // Every variable whose name begins with `prefix`, in name order.
    template <class Visit>
    void forEachWithPrefix(std::string_view prefix, Visit visit) const;

private:
    bool hidden(std::string_view name) const { return hidden_.find(name) != hidden_.end(); }

    KaloVariableTable layer_;
    std::set<std::string, std::less<>> hidden_;  // prepared variables the run zapped
    std::shared_ptr<const KaloGlobals> base_;
    uint64_t& generation_;
};

template <class Visit>
void KaloGlobalScope::forEachWithPrefix(std::string_view prefix, Visit visit) const {
    auto starts = [&](const std::string& name) { return name.compare(0, prefix.size(), prefix) == 0; };
    auto mine = layer_.lowerBound(prefix);
    auto mineEnd = layer_.entries().end();
    if (!base_) {
        for (; mine != mineEnd && starts(mine->first); ++mine) visit(mine->first, mine->second);
        return;
    }
    auto theirs = base_->table().lowerBound(prefix);
    auto theirsEnd = base_->table().entries().end();
    // Merge the two ordered walks; the layer's copy of a name wins.
    for (;;) {
        bool haveMine = mine != mineEnd && starts(mine->first);
        bool haveTheirs = theirs != theirsEnd && starts(theirs->first);
        if (!haveMine && !haveTheirs) return;
        if (haveMine && (!haveTheirs || mine->first <= theirs->first)) {
            if (haveTheirs && mine->first == theirs->first) ++theirs;
            visit(mine->first, mine->second);
            ++mine;
        } else {
            if (!hidden(theirs->first)) visit(theirs->first, theirs->second);
            ++theirs;
        }
    }
}
