// The evaluator's statements: blocks, SET, IF, the three loops and calls of user functions.

#include "kalo/KaloEvaluator.h"
#include "kalo/KaloInterpreter.h"

using namespace KaloClass;

bool KaloEvaluator::cancelled() {
    if (!in_.cancelRequested()) return false;
    in_.raiseStatus(1);  // a cancelled run stops quietly, as with HALT
    return true;
}

KaloValue KaloEvaluator::block() {
    for (;;) {
        KaloValue value = step();
        if (!running()) return KaloValue::error();
        if (value.flags() != 0) return value;  // the construct that handles it repositions
        KaloToken* next = peek();
        if (!next) return KaloValue::error();
        if (next->cls == kBlockEnd) {
            pos_ = next;
            return value;
        }
    }
}

KaloValue KaloEvaluator::set() {
    if (!advance()) return KaloValue::error();
    KaloToken* variable = pos_;
    std::string name;  // array elements only: a plain variable is named by its token
    bool array = !variable->text.empty() && variable->text[0] == '&';
    if (array && !variableName(variable, name)) return KaloValue::error();
    if (!advance()) return KaloValue::error();  // the ":=", not examined
    KaloValue value = step();
    if (!running()) return KaloValue::error();
    if (!(array ? assign(table_, name, value) : assign(table_, variable->text, value, variable)))
        return KaloValue::error();
    value.clearFlags();
    return value;
}

KaloValue KaloEvaluator::ifStatement() {
    KaloValue condition = step();
    if (!running()) return KaloValue::error();
    if (!advance()) return KaloValue::error();
    if (pos_->cls != kThen) return fail(-16);
    KaloToken* next;
    if (condition.toBool()) {
        if (!(next = peek())) return KaloValue::error();
        if (next->cls != kBlockBegin) return fail(-4, "IF");
        KaloValue value = step();
        if (!running()) return KaloValue::error();
        if (!(next = peek())) return KaloValue::error();
        if (next->cls == kElse) {
            pos_ = next;
            if (!skipBlock()) return KaloValue::error();
        }
        return value;
    }
    if (!skipBlock()) return KaloValue::error();
    if (!(next = peek())) return KaloValue::error();
    if (next->cls != kElse) return KaloValue::truth(false);
    pos_ = next;
    if (!(next = peek())) return KaloValue::error();
    if (next->cls != kBlockBegin) return fail(-4, "IF");
    return step();
}

KaloValue KaloEvaluator::whileLoop() {
    KaloToken* start = pos_;
    KaloValue condition = step();
    if (!running()) return KaloValue::error();
    if (!advance()) return KaloValue::error();
    if (pos_->cls != kDo) return fail(-6);
    KaloToken* next = peek();
    if (!next) return KaloValue::error();
    if (next->cls != kBlockBegin) return fail(-4, "WHILE");
    KaloValue last = KaloValue::truth(false);
    while (condition.toBool()) {
        if (cancelled()) return KaloValue::error();
        KaloValue value = step();
        if (!running()) return KaloValue::error();
        if (value.flags() & KaloValue::kReturn) return value;
        pos_ = start;
        condition = step();
        if (!running() || !advance()) return KaloValue::error();
        if (value.flags() & KaloValue::kBreak) {
            // The condition was evaluated once more before the loop is left.
            if (!skipBlock()) return KaloValue::error();
            value.clearFlags();
            return value;
        }
        last = std::move(value);
    }
    if (!skipBlock()) return KaloValue::error();
    last.clearFlags();
    return last;
}

KaloValue KaloEvaluator::doLoop() {
    KaloToken* start = pos_;
    KaloToken* next = peek();
    if (!next) return KaloValue::error();
    if (next->cls != kBlockBegin) return fail(-4, "DO");
    KaloValue value;
    for (;;) {
        if (cancelled()) return KaloValue::error();
        pos_ = start;
        value = step();
        if (!running()) return KaloValue::error();
        if (value.flags() & KaloValue::kReturn) return value;
        if (value.flags() & KaloValue::kBreak) break;
        if (value.flags() & KaloValue::kContinue) {
            pos_ = start;
            if (!skipBlock()) return KaloValue::error();
        }
        if (!advance()) return KaloValue::error();  // the WHILE, not examined
        KaloValue condition = step();
        if (!running()) return KaloValue::error();
        if (!condition.toBool()) break;
    }
    value.clearFlags();
    // The first DO after the current position closes the construct (after a BREAK, that may be
    // the DO of a loop inside the block).
    do {
        if (!advance()) return KaloValue::error();
    } while (pos_->cls != kDo);
    return value;
}

KaloValue KaloEvaluator::forLoop() {
    if (!advance()) return KaloValue::error();
    KaloToken* variable = pos_;
    if (variable->text[0] != '%' && variable->text[0] != '?') return fail(-36);
    if (!assign(table_, variable->text, KaloValue::number(0), variable)) return KaloValue::error();
    if (!advance()) return KaloValue::error();
    if (pos_->cls != kAssignMark) return fail(-12);
    KaloValue from = step();
    if (!running() || !advance()) return KaloValue::error();
    if (pos_->cls != kTo) return fail(-14);
    KaloValue to = step();
    if (!running()) return KaloValue::error();
    KaloToken* next = peek();
    if (!next) return KaloValue::error();
    KaloValue by = KaloValue::number(1);
    if (next->cls == kStep) {
        pos_ = next;
        by = step();
        if (!running() || !(next = peek())) return KaloValue::error();
    }
    if (next->cls != kBlockBegin) return fail(-4, "FOR");
    if (!from.isNumber() || !to.isNumber() || !by.isNumber()) return fail(-18);
    KaloToken* start = pos_;
    if (!assign(table_, variable->text, from, variable)) return KaloValue::error();
    const float end = to.number(), increment = by.number();
    KaloValue last = KaloValue::number(0);
    for (;;) {
        // The variable is read afresh for every test: the body may change it.
        float x;
        if (!readLoopVariable(variable, x)) return KaloValue::error();
        if (!(increment > 0 ? x <= end : x >= end)) break;
        if (cancelled()) return KaloValue::error();
        KaloValue value = step();
        if (!running()) return KaloValue::error();
        if (value.flags() & KaloValue::kReturn) return value;
        pos_ = start;
        if (value.flags() & KaloValue::kBreak) {
            if (!skipBlock()) return KaloValue::error();
            value.clearFlags();
            return value;
        }
        if (!readLoopVariable(variable, x)) return KaloValue::error();
        if (!assign(table_, variable->text, KaloValue::number(x + increment), variable))
            return KaloValue::error();
        last = std::move(value);
    }
    if (!skipBlock()) return KaloValue::error();
    last.clearFlags();
    return last;
}

// Reads FOR's variable as a number (a body may have zapped or retyped it).
bool KaloEvaluator::readLoopVariable(KaloToken* token, float& number) {
    bool readOnly;
    const KaloValue* found = searchToken(table_, token, readOnly);
    KaloValue read;
    if (!found) {
        read = readVariable(token);
        if (!running()) return false;
        found = &read;
    }
    if (!found->isNumber()) {
        fail(-18);
        return false;
    }
    number = found->number();
    return true;
}

KaloToken* KaloEvaluator::label(KaloToken* call) {
    if (!call->targetResolved) {
        auto found = labels_.find(call->text);
        call->target = found == labels_.end() ? nullptr : found->second;
        call->targetResolved = true;
    }
    return call->target;
}

KaloValue KaloEvaluator::call(KaloToken* token) {
    if (cancelled()) return KaloValue::error();
    KaloToken* head = label(token);
    if (!head) return fail(-13, token->text);
    // A comparison made by SORT ... BY runs in the SORT statement's table.
    KaloVariableTable local(sorting_ ? 0 : in_.newTableId());
    KaloVariableTable* table = sorting_ ? sortTable_ : &local;
    KaloToken* last = head;
    for (KaloToken* parameter = head->next; parameter && parameter->cls == kVariable;
         parameter = parameter->next) {
        KaloValue argument = step();  // in the caller's table
        if (!running()) return KaloValue::error();
        if (!assign(table, parameter->text, argument, parameter)) return KaloValue::error();
        last = parameter;
    }
    KaloToken* back = pos_;
    KaloVariableTable* caller = table_;
    table_ = table;
    pos_ = last;
    KaloValue result = step();
    table_ = caller;
    pos_ = back;
    if (!running()) return KaloValue::error();
    if (!(result.flags() & KaloValue::kReturn)) return KaloValue();
    result.clearFlags();
    return result;
}
