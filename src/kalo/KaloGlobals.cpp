#include "kalo/KaloGlobals.h"

bool KaloGlobals::defineVariable(std::string_view name, char type, float number,
                                 std::string_view text, bool truth) {
    std::string storedName;
    KaloValue value;
    if (!prepareDefinition(name, type, number, text, truth, storedName, value)) return false;
    KaloValue* existing = table_.find(storedName);
    if (existing && existing->type() != value.type()) return false;
    // Shared by every run, possibly on several threads: never grown in place.
    value.freeze();
    table_.insert(storedName, std::move(value));
    return true;
}
