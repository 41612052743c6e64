#include "kalo/KaloEvaluator.h"

#include <climits>
#include <cmath>
#include <vector>

#include "kalo/KaloInterpreter.h"

using namespace KaloClass;

namespace {

// Truncates toward zero into 32 bits; out-of-range numbers saturate and NaN gives 0.
int32_t ToInt32(float f) {
    if (std::isnan(f)) return 0;
    if (f >= 2147483648.0f) return INT32_MAX;
    if (f <= -2147483648.0f) return INT32_MIN;
    return static_cast<int32_t>(f);
}

const char* TypeName(char type) {
    switch (type) {
        case KaloValue::kFloat: return "FLOAT";
        case KaloValue::kString: return "STRING";
        case KaloValue::kBool: return "BOOL";
        default: return "NONE";
    }
}

void AppendKey(std::string& name, const KaloValue& key) {
    switch (key.type()) {
        case KaloValue::kString: name.append(key.text()); break;
        case KaloValue::kFloat: KaloAppendNumber(name, key.number()); break;
        case KaloValue::kBool: name.push_back(key.truth() ? '1' : '0'); break;
        default: break;  // a key with no type is the empty key
    }
}

char Sigil(const KaloToken* token) { return token->text.empty() ? '\0' : token->text[0]; }

}  // namespace

KaloEvaluator::KaloEvaluator(KaloInterpreter& interpreter, KaloToken* head)
    : in_(interpreter),
      head_(head),
      pos_(head),
      main_(interpreter.newTableId()),
      table_(&main_),
      depthLimit_(interpreter.depthLimit()) {
    // One pass finds every label and pairs every "[" with its "]", so neither calls nor skipped
    // blocks ever scan the program.
    std::vector<KaloToken*> open;
    for (KaloToken* t = head; t; t = t->next) {
        if (t->cls == kLabel) {
            labels_.emplace(std::string_view(t->text).substr(1), t);
            if (t->text == "\\START") start_ = t;
        } else if (t->cls == kBlockBegin) {
            open.push_back(t);
        } else if (t->cls == kBlockEnd && !open.empty()) {
            open.back()->target = t;
            open.pop_back();
        }
    }
}

void KaloEvaluator::run() {
    if (start_) {
        pos_ = start_;
        step();
        return;
    }
    pos_ = head_;
    while (running()) step();
}

KaloValue KaloEvaluator::fail(int code, std::string_view argument) {
    in_.setCurrentToken(pos_);
    in_.raiseStatus(code, argument);
    return KaloValue::error();
}

bool KaloEvaluator::advance() {
    if (!pos_->next) {
        fail(-15);
        return false;
    }
    pos_ = pos_->next;
    return true;
}

KaloToken* KaloEvaluator::peek() {
    if (!pos_->next) fail(-15);
    return pos_->next;
}

KaloValue KaloEvaluator::step() {
    if (!running()) return KaloValue::error();
    if (!pos_->next) return fail(-15);
    pos_ = pos_->next;
    if (depth_ >= depthLimit_) return fail(KaloInterpreter::kErrorTooDeep, std::to_string(depthLimit_));
    // Counts the nesting while the token is evaluated; the value goes straight to the caller.
    struct Nesting {
        int& depth;
        explicit Nesting(int& d) : depth(++d) {}
        ~Nesting() { --depth; }
    } nesting(depth_);
    return dispatch(pos_);
}

bool KaloEvaluator::skipBlock() {
    if (!advance()) return false;
    if (pos_->cls != kBlockBegin) {
        fail(-4, "blocked (comment, if, loop, etc.)");
        return false;
    }
    if (!pos_->target) {
        while (pos_->next) pos_ = pos_->next;
        fail(-15);
        return false;
    }
    pos_ = pos_->target;
    return true;
}

bool KaloEvaluator::skipFunction() {
    for (;;) {
        KaloToken* next = peek();
        if (!next) return false;
        if (next->cls == kBlockBegin) return skipBlock();
        advance();
        if (pos_->cls != kVariable) {
            fail(-4, "FUNCTION");
            return false;
        }
    }
}

KaloValue KaloEvaluator::dispatch(KaloToken* token) {
    switch (token->cls) {
        case kBlockBegin: return block();
        case kComment: skipBlock(); return running() ? KaloValue() : KaloValue::error();
        case kAssignMark: return fail(-1);
        case kBreak: {
            KaloValue v;
            v.setFlags(KaloValue::kBreak);
            return v;
        }
        case kContinue: {
            KaloValue v;
            v.setFlags(KaloValue::kContinue);
            return v;
        }
        case kFor: return forLoop();
        case kIf: return ifStatement();
        case kSet: return set();
        case kWhile: return whileLoop();
        case kDo: return doLoop();
        case kReturn: {
            KaloValue v = step();
            if (!running()) return KaloValue::error();
            v.setFlags(KaloValue::kReturn);
            return v;
        }
        case kSort: return sort();
        case kKybd: return kybd();
        case kPrint: return print(false);
        case kPrintln: return print(true);
        case kMask: return mask();
        case kType: {
            KaloValue v = step();
            if (!running()) return KaloValue::error();
            return KaloValue::text(std::string_view(TypeName(v.type())));
        }
        case kZap: return zap();
        case kGlobal: return global();
        case kDefined: return defined();
        case kRetype: return retype();
        case kVariable: return readVariable(token);
        case kHalt: in_.raiseStatus(1); return KaloValue::error();
        case kEqual: case kNotEqual: case kGreater: case kGreaterEqual: case kLess:
        case kLessEqual:
            return compare(token->cls);
        case kAnd: case kOr: case kXor: case kPlus: case kMinus: case kTimes: case kRemainder:
        case kDivide: case kCaret:
            return arithmetic(token->cls);
        case kNot: {
            KaloValue v = step();
            if (!running()) return KaloValue::error();
            return KaloValue::truth(!v.toBool());
        }
        case kNegate: {
            KaloValue v = step();
            if (!running()) return KaloValue::error();
            if (!v.isNumber()) return fail(-9);
            return KaloValue::number(-v.number());
        }
        case kInt: case kFloat: case kString: case kBool: case kLength: case kRandomSeed:
        case kRnd: case kUpper: case kLower:
            return builtin(token->cls);
        case kSubstr: return substr();
        case kLiteral: return literal(token);
        case kBlockEnd: return fail(-7);
        case kLabel: skipFunction(); return running() ? KaloValue() : KaloValue::error();
        default: return call(token);
    }
}

// ---- variables ----

KaloValue* KaloEvaluator::search(KaloVariableTable* table, std::string_view name, bool& readOnly) {
    if (table) {
        if (KaloValue* mine = table->find(name)) {
            readOnly = false;
            return mine;
        }
    }
    return in_.globals().find(name, readOnly);
}

KaloValue* KaloEvaluator::searchAndRemember(KaloVariableTable* table, uint64_t tableId,
                                            KaloToken* token, bool& readOnly) {
    KaloValue* found = search(table, token->text, readOnly);
    if (found) {
        token->slot = found;
        token->slotTable = tableId;
        token->slotGeneration = in_.generation();
        token->slotReadOnly = readOnly;
    }
    return found;
}

// The full name of the variable `token` (the current position): for an array, the name, "::"
// and the key, whose expression follows and is evaluated here.
bool KaloEvaluator::variableName(KaloToken* token, std::string& name) {
    name = token->text;
    if (Sigil(token) != '&') return true;
    KaloValue key = step();
    if (!running()) return false;
    name.append("::");
    AppendKey(name, key);
    return true;
}

KaloValue KaloEvaluator::readVariable(KaloToken* token) {
    if (Sigil(token) == '&') return readNamed(token);
    bool readOnly;
    if (KaloValue* found = searchToken(table_, token, readOnly)) return *found;
    switch (Sigil(token)) {
        case '%': return *insert(table_, token->text, KaloValue::number(0));
        case '$': return *insert(table_, token->text, KaloValue::text(std::string()));
        case '@': return *insert(table_, token->text, KaloValue::truth(false));
        default: return fail(-17, token->text);
    }
}

// Reads a variable whose name is built at run time (array elements).
KaloValue KaloEvaluator::readNamed(KaloToken* token) {
    std::string name;
    if (!variableName(token, name)) return KaloValue::error();
    bool readOnly;
    if (KaloValue* found = search(table_, name, readOnly)) return *found;
    return fail(-17, name);
}

KaloValue* KaloEvaluator::insert(KaloVariableTable* table, std::string_view name,
                                 const KaloValue& value) {
    KaloValue stored = value;
    stored.clearFlags();
    if (table) return table->insert(name, std::move(stored));
    return in_.globals().insert(name, std::move(stored));
}

KaloValue* KaloEvaluator::assign(KaloVariableTable* table, std::string_view name,
                                 const KaloValue& value, KaloToken* cacheOn) {
    bool readOnly = false;
    KaloValue* found = cacheOn ? searchToken(table, cacheOn, readOnly) : search(table, name, readOnly);
    if (found && found->type() != value.type()) {
        fail(-2, name);
        return nullptr;
    }
    if (found) {
        if (readOnly) found = in_.globals().findWritable(name);
        *found = value;
        found->clearFlags();
        return found;
    }
    char sigil = name.empty() ? '\0' : name[0];
    if ((sigil == '$' || sigil == '%' || sigil == '@') && sigil != value.type()) {
        fail(-2, name);
        return nullptr;
    }
    return insert(table, name, value);
}

KaloValue KaloEvaluator::zap() {
    if (!advance()) return KaloValue::error();
    std::string name;
    if (!variableName(pos_, name)) return KaloValue::error();
    if (table_) {
        if (KaloValue* mine = table_->find(name)) {
            KaloValue removed = *mine;
            table_->erase(name);
            in_.bumpGeneration();
            return removed;
        }
    }
    bool readOnly;
    KaloValue* found = in_.globals().find(name, readOnly);
    if (!found) return fail(-19, name);
    KaloValue removed = *found;
    in_.globals().erase(name);
    return removed;
}

KaloValue KaloEvaluator::defined() {
    if (!advance()) return KaloValue::error();
    std::string name;
    if (!variableName(pos_, name)) return KaloValue::error();
    bool readOnly;
    return KaloValue::truth(search(table_, name, readOnly) != nullptr);
}

KaloValue KaloEvaluator::retype() {
    if (!advance()) return KaloValue::error();
    char type = Sigil(pos_);
    if (!advance()) return KaloValue::error();
    char sigil = Sigil(pos_);
    if (sigil != '?' && sigil != '&') return fail(-35);
    std::string name;
    if (!variableName(pos_, name)) return KaloValue::error();
    bool readOnly;
    KaloValue* found = search(table_, name, readOnly);
    if (!found) return fail(-17, name);
    if (type != KaloValue::kFloat && type != KaloValue::kString && type != KaloValue::kBool)
        return *found;
    if (readOnly) found = in_.globals().findWritable(name);
    *found = found->converted(type);
    return *found;
}

KaloValue KaloEvaluator::global() {
    if (!advance()) return KaloValue::error();
    if (pos_->cls != kBlockBegin) return fail(-4, "GLOBAL");
    KaloVariableTable* caller = table_;
    table_ = nullptr;  // reads create missing names in the global table
    for (;;) {
        KaloToken* next = peek();
        if (!next) break;
        advance();
        if (next->cls == kBlockEnd) break;
        readVariable(next);
        if (!running()) break;
    }
    table_ = caller;
    return running() ? KaloValue() : KaloValue::error();
}

// ---- expressions ----

KaloValue KaloEvaluator::literal(KaloToken* token) {
    if (!token->literalReady) {
        const std::string& text = token->text;
        if (text[0] == '"')
            token->literal = KaloValue::text(std::string_view(text).substr(1));
        else if (text == "TRUE" || text == "FALSE")
            token->literal = KaloValue::truth(text == "TRUE");
        else
            token->literal = KaloValue::number(KaloParseNumber(text));
        token->literal.freeze();
        token->literalReady = true;
    }
    return token->literal;
}

KaloValue KaloEvaluator::compare(int cls) {
    KaloValue left = step();
    if (!running()) return KaloValue::error();
    KaloValue right = step();
    if (!running()) return KaloValue::error();
    if (left.isBool()) right = KaloValue::truth(right.toBool());
    if (left.type() != right.type() || left.type() == KaloValue::kNone) return fail(-3);
    int order;
    if (left.isNumber()) {
        float a = left.number(), b = right.number();
        switch (cls) {
            case kEqual: return KaloValue::truth(a == b);
            case kNotEqual: return KaloValue::truth(a != b);
            case kGreater: return KaloValue::truth(a > b);
            case kGreaterEqual: return KaloValue::truth(a >= b);
            case kLess: return KaloValue::truth(a < b);
            default: return KaloValue::truth(a <= b);
        }
    } else if (left.isText()) {
        order = left.text().compare(right.text());
    } else {
        if (cls == kEqual) return KaloValue::truth(left.truth() == right.truth());
        if (cls == kNotEqual) return KaloValue::truth(left.truth() != right.truth());
        return fail(-5);
    }
    switch (cls) {
        case kEqual: return KaloValue::truth(order == 0);
        case kNotEqual: return KaloValue::truth(order != 0);
        case kGreater: return KaloValue::truth(order > 0);
        case kGreaterEqual: return KaloValue::truth(order >= 0);
        case kLess: return KaloValue::truth(order < 0);
        default: return KaloValue::truth(order <= 0);
    }
}

KaloValue KaloEvaluator::arithmetic(int cls) {
    KaloValue left = step();
    if (!running()) return KaloValue::error();
    KaloValue right = step();
    if (!running()) return KaloValue::error();
    switch (left.type()) {
        case KaloValue::kString:
            if (cls != kPlus) return fail(-9);
            if (right.isText()) {
                left.appendText(right.text());
            } else {
                scratch_.clear();
                if (right.isNumber()) KaloAppendNumber(scratch_, right.number());
                else scratch_ = right.toText();
                left.appendText(scratch_);
            }
            left.clearFlags();
            return left;
        case KaloValue::kBool: {
            bool a = left.truth(), b = right.toBool();
            switch (cls) {
                case kAnd: return KaloValue::truth(a && b);
                case kOr: return KaloValue::truth(a || b);
                case kXor: return KaloValue::truth(a != b);
                default: left.clearFlags(); return left;
            }
        }
        case KaloValue::kFloat: {
            if (!right.isNumber()) return fail(-9);
            float a = left.number(), b = right.number();
            switch (cls) {
                case kPlus: return KaloValue::number(a + b);
                case kMinus: return KaloValue::number(a - b);
                case kTimes: return KaloValue::number(a * b);
                case kDivide:
                    if (b == 0) return fail(-22);
                    return KaloValue::number(a / b);
                case kRemainder: {
                    int32_t x = ToInt32(a), y = ToInt32(b);
                    if (y == 0) return fail(-22);
                    return KaloValue::number(y == -1 ? 0.0f : static_cast<float>(x % y));
                }
                case kAnd: return KaloValue::number(static_cast<float>(ToInt32(a) & ToInt32(b)));
                case kOr: return KaloValue::number(static_cast<float>(ToInt32(a) | ToInt32(b)));
                case kXor: return KaloValue::number(static_cast<float>(ToInt32(a) ^ ToInt32(b)));
                default: left.clearFlags(); return left;  // "^" yields its left operand
            }
        }
        default: return fail(-9);
    }
}

KaloValue KaloEvaluator::builtin(int cls) {
    KaloValue v = step();
    if (!running()) return KaloValue::error();
    switch (cls) {
        case kInt: return KaloValue::number(std::trunc(v.toNumber()));
        case kFloat: return v.converted(KaloValue::kFloat);
        case kString: return v.converted(KaloValue::kString);
        case kBool: return v.converted(KaloValue::kBool);
        case kLength:
            if (!v.isText()) return fail(-23);
            return KaloValue::number(static_cast<float>(v.text().size()));
        case kRandomSeed: {
            float seed = v.toNumber();
            in_.seedRandom(static_cast<uint32_t>(ToInt32(seed)));
            return KaloValue::number(seed);
        }
        case kRnd: {
            int32_t n = ToInt32(v.toNumber());
            int value = in_.nextRandom();
            // RND(0) has nothing to choose from: it yields 0 (the sequence still advances).
            return KaloValue::number(n == 0 ? 0.0f : static_cast<float>(value % n));
        }
        default: {  // UPPER, LOWER
            if (!v.isText()) return fail(-31);
            std::string text(v.text());
            for (char& c : text) {
                if (cls == kUpper && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
                if (cls == kLower && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            }
            return KaloValue::text(std::move(text));
        }
    }
}

KaloValue KaloEvaluator::substr() {
    KaloValue text = step();
    if (!running()) return KaloValue::error();
    KaloValue start = step();
    if (!running()) return KaloValue::error();
    KaloValue length = step();
    if (!running()) return KaloValue::error();
    if (!text.isText() || !start.isNumber() || !length.isNumber()) return fail(-24);
    // Out-of-range positions are clamped: a START below 0 counts as 0, and whatever lies past
    // the end of the text is not there.
    int64_t size = static_cast<int64_t>(text.text().size());
    int64_t from = std::clamp<int64_t>(ToInt32(start.number()), 0, size);
    int64_t count = std::clamp<int64_t>(ToInt32(length.number()), 0, size - from);
    return KaloValue::text(text.text().substr(from, count));
}
