#include "kalo/KaloVariableDefiner.h"

bool KaloVariableDefiner::prepareDefinition(std::string_view name, char type, float number,
                                            std::string_view text, bool truth,
                                            std::string& storedName, KaloValue& value) {
    switch (type) {
        case KaloValue::kFloat: value = KaloValue::number(number); break;
        case KaloValue::kString: value = KaloValue::text(text); break;
        case KaloValue::kBool: value = KaloValue::truth(truth); break;
        default: return false;
    }
    if (!name.empty() && (name[0] == '$' || name[0] == '%' || name[0] == '@') && name[0] != type)
        return false;
    storedName.assign(name);
    for (char& c : storedName)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return true;
}
