#pragma once

#include <string>
#include <string_view>

#include "kalo/KaloValue.h"

// What a host uses to hand variables to scripts: the prepared globals (KaloGlobals) and a single
// run's own variables (KaloInterpreter) follow the same rules.
class KaloVariableDefiner {
public:
    virtual ~KaloVariableDefiner() = default;

    // Stores a global variable. `type` is '$', '%' or '@' and picks which of number, text and
    // truth is the value. A name beginning with '$', '%' or '@' must have that type; names
    // beginning with '&' (array elements, "&ITEMNAME::17") or '?' take any type. The whole name
    // is upper-cased, keys included. False, and nothing stored, for another type character, a
    // sigil that differs from the type, or an existing variable of that name with another type.
    virtual bool defineVariable(std::string_view name, char type, float number,
                                std::string_view text, bool truth) = 0;

    bool defineText(std::string_view name, std::string_view text) {
        return defineVariable(name, KaloValue::kString, 0, text, false);
    }
    bool defineNumber(std::string_view name, float number) {
        return defineVariable(name, KaloValue::kFloat, number, {}, false);
    }
    bool defineBool(std::string_view name, bool truth) {
        return defineVariable(name, KaloValue::kBool, 0, {}, truth);
    }

protected:
    // Checks the type rules and gives the stored name and value; false when nothing may be stored.
    static bool prepareDefinition(std::string_view name, char type, float number,
                                  std::string_view text, bool truth, std::string& storedName,
                                  KaloValue& value);
};
