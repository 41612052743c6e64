// The evaluator's exchange with the outside (PRINT, MASK, KYBD) and SORT.

#include <array>
#include <vector>

#include "kalo/KaloEvaluator.h"
#include "kalo/KaloInterpreter.h"
#include "kalo/KaloMask.h"

using namespace KaloClass;

namespace {

// Built-in order: FLOATs by value, STRINGs by bytes, false before true; mixed types are equal.
int BuiltinOrder(const KaloValue& a, const KaloValue& b) {
    if (a.type() != b.type()) return 0;
    switch (a.type()) {
        case KaloValue::kFloat: return a.number() < b.number() ? -1 : b.number() < a.number();
        case KaloValue::kString: {
            int order = a.text().compare(b.text());
            return order < 0 ? -1 : order > 0;
        }
        case KaloValue::kBool: return static_cast<int>(a.truth()) - static_cast<int>(b.truth());
        default: return 0;
    }
}

// A merge sort: ascending, and safe whatever the comparison answers (a user function may be
// inconsistent; a quicksort could then run off its array).
template <class Compare>
void MergeSort(std::vector<KaloValue>& items, Compare compare) {
    std::vector<KaloValue> buffer(items.size());
    for (size_t width = 1; width < items.size(); width *= 2) {
        for (size_t low = 0; low < items.size(); low += 2 * width) {
            size_t middle = std::min(low + width, items.size());
            size_t high = std::min(low + 2 * width, items.size());
            size_t i = low, j = middle, k = low;
            while (i < middle && j < high)
                buffer[k++] = std::move(compare(items[j], items[i]) < 0 ? items[j++] : items[i++]);
            while (i < middle) buffer[k++] = std::move(items[i++]);
            while (j < high) buffer[k++] = std::move(items[j++]);
        }
        items.swap(buffer);
    }
}

}  // namespace

KaloValue KaloEvaluator::print(bool newline) {
    if (!advance()) return KaloValue::error();
    if (pos_->cls != kBlockBegin) return fail(-4, "PRINT");
    KaloOutput& out = in_.output();
    KaloValue last = KaloValue::truth(false);
    for (;;) {
        KaloToken* next = peek();
        if (!next) return KaloValue::error();
        if (next->cls == kBlockEnd) {
            pos_ = next;
            break;
        }
        if (next->cls == kPrint || next->cls == kPrintln) {
            pos_ = next;
            return fail(-34);
        }
        last = step();
        if (!running()) return KaloValue::error();
        switch (last.type()) {
            case KaloValue::kString: out.write(last.text()); break;
            case KaloValue::kFloat:
                scratch_.clear();
                KaloAppendNumber(scratch_, last.number());
                out.write(scratch_);
                break;
            case KaloValue::kBool: out.write(last.truth() ? "TRUE" : "FALSE"); break;
            default: break;
        }
    }
    if (newline) out.write("\n");
    last.clearFlags();
    return last;
}

KaloValue KaloEvaluator::mask() {
    KaloValue pattern = step();
    if (!running()) return KaloValue::error();
    if (!pattern.isText()) return fail(-25);
    KaloValue number = step();
    if (!running()) return KaloValue::error();
    if (!number.isNumber()) return fail(-25);
    std::string text;
    if (!KaloFormatMask(pattern.text(), number.number(), text)) return fail(-25);
    return KaloValue::text(std::move(text));
}

KaloValue KaloEvaluator::kybd() {
    if (!advance()) return KaloValue::error();
    char sigil = pos_->text.empty() ? '\0' : pos_->text[0];
    if (pos_->cls != kVariable || (sigil != '%' && sigil != '$' && sigil != '@')) return fail(-30);
    in_.output().flush();  // a prompt printed before reading shows first
    KaloInput* input = in_.input();
    if (sigil == '%') {
        float number = 0;
        if (!input || !input->readNumber(number)) number = 0;
        return KaloValue::number(number);
    }
    // No word left reads as the empty text, or false.
    std::string word;
    if (input) input->readWord(word, 253);
    if (sigil == '$') return KaloValue::text(std::move(word));
    return KaloValue::truth(!word.empty() && (word[0] == 'T' || word[0] == 't'));
}

KaloValue KaloEvaluator::sort() {
    if (!advance()) return KaloValue::error();
    bool keys = pos_->cls == kKeys;
    if (!advance()) return KaloValue::error();
    if (pos_->cls != kOf) return fail(-26);
    if (!advance()) return KaloValue::error();
    KaloToken* source = pos_;
    if (source->text[0] != '&') return fail(-27);
    KaloToken* next = peek();
    if (!next) return KaloValue::error();
    KaloToken* by = nullptr;
    if (next->cls == kBy) {
        pos_ = next;
        if (!advance()) return KaloValue::error();
        by = pos_;
    }
    if (!advance()) return KaloValue::error();
    if (pos_->cls != kTo) return fail(-28);
    if (!(next = peek())) return KaloValue::error();
    bool toGlobal = next->cls == kGlobal;
    if (toGlobal) {
        pos_ = next;
        if (!(next = peek())) return KaloValue::error();
    }
    char type = KaloValue::kNone;
    if (next->cls == kFloat || next->cls == kString || next->cls == kBool) {
        type = next->cls == kFloat ? KaloValue::kFloat
               : next->cls == kString ? KaloValue::kString : KaloValue::kBool;
        pos_ = next;
    }
    if (!advance()) return KaloValue::error();
    KaloToken* target = pos_;
    if (target->text[0] != '&') return fail(-27);

    // Every variable whose name begins with the source's text: a plain prefix match.
    const std::string& prefix = source->text;
    std::vector<KaloValue> elements;
    auto collect = [&](const std::string& name, const KaloValue& value) {
        if (!keys) return elements.push_back(value);
        size_t skip = std::min(name.size(), prefix.size() + 2);
        elements.push_back(KaloValue::text(std::string_view(name).substr(skip)));
    };
    if (table_) {
        for (auto at = table_->lowerBound(prefix);
             at != table_->entries().end() && at->first.compare(0, prefix.size(), prefix) == 0; ++at)
            collect(at->first, at->second);
    }
    in_.globals().forEachWithPrefix(prefix, collect);

    if (!elements.empty() && by) {
        if (sorting_) return fail(-29);
        // The comparison call: NAME ?ZKsorta ?ZKsortb HALT. Lower-case letters keep a
        // program's own (upper-cased) names from ever meeting these two.
        std::array<KaloToken, 4> call;
        const char* texts[] = {nullptr, "?ZKsorta", "?ZKsortb", "HALT"};
        const int classes[] = {by->cls, kVariable, kVariable, kHalt};
        for (size_t i = 0; i < call.size(); ++i) {
            call[i].text = i == 0 ? by->text : texts[i];
            call[i].cls = classes[i];
            call[i].line = by->line;
            call[i].next = i + 1 < call.size() ? &call[i + 1] : nullptr;
        }
        sorting_ = true;
        sortTable_ = table_;
        MergeSort(elements, [&](const KaloValue& a, const KaloValue& b) {
            return compareBy(call.data(), a, b);
        });
        sorting_ = false;
        sortTable_ = nullptr;
        if (!running()) return KaloValue::error();
    } else if (!elements.empty()) {
        MergeSort(elements, BuiltinOrder);
    }

    std::string name;
    for (size_t i = 0; i < elements.size(); ++i) {
        name = target->text;
        name.append("::");
        KaloAppendNumber(name, static_cast<float>(i + 1));
        KaloValue value = type == KaloValue::kNone ? elements[i] : elements[i].converted(type);
        if (!assign(toGlobal ? nullptr : table_, name, value)) return KaloValue::error();
    }
    pos_ = target;
    return KaloValue::truth(true);
}

int KaloEvaluator::compareBy(KaloToken* call, const KaloValue& a, const KaloValue& b) {
    if (!running()) return 0;
    if (!assign(sortTable_, call[1].text, a, &call[1]) || !assign(sortTable_, call[2].text, b, &call[2]))
        return 0;
    KaloToken* back = pos_;
    pos_ = call;
    KaloValue result = this->call(call);
    pos_ = back;
    if (!running() || !result.isNumber()) return 0;
    float order = result.number();
    return order <= -1 ? -1 : order >= 1 ? 1 : 0;
}
