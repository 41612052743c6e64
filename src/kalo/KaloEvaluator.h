#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "kalo/KaloInterpreter.h"
#include "kalo/KaloToken.h"
#include "kalo/KaloValue.h"
#include "kalo/KaloVariableTable.h"

// Walks a laid-out token list once, evaluating as it goes. Every evaluation step advances to the
// next token and acts on its class; expressions, statements and calls nest on the machine stack
// up to the interpreter's depth limit. Once the run's status leaves 2 every step yields the
// error value and does nothing else.
class KaloEvaluator {
public:
    KaloEvaluator(KaloInterpreter& interpreter, KaloToken* head);
    KaloEvaluator(const KaloEvaluator&) = delete;
    KaloEvaluator& operator=(const KaloEvaluator&) = delete;

    // Runs the last \START block if there is one, else the top-level statements until the run
    // stops.
    void run();

private:
    // Positions.
    KaloValue step();
    KaloValue dispatch(KaloToken* token);
    bool advance();
    KaloToken* peek();
    bool skipBlock();
    bool skipFunction();
    KaloValue fail(int code, std::string_view argument = {});
    bool running() const { return in_.running(); }

    // Variables (tables: null stands for the global table).
    KaloValue* search(KaloVariableTable* table, std::string_view name, bool& readOnly);
    // Where `token` names a plain variable; remembered on the token while tables keep their shape.
    KaloValue* searchToken(KaloVariableTable* table, KaloToken* token, bool& readOnly) {
        uint64_t tableId = table ? table->id() : in_.globals().id();
        if (token->slot && token->slotTable == tableId &&
            token->slotGeneration == in_.generation()) {
            readOnly = token->slotReadOnly;
            return token->slot;
        }
        return searchAndRemember(table, tableId, token, readOnly);
    }
    KaloValue* searchAndRemember(KaloVariableTable* table, uint64_t tableId, KaloToken* token,
                                 bool& readOnly);
    bool variableName(KaloToken* token, std::string& name);
    KaloValue readVariable(KaloToken* token);
    KaloValue readNamed(KaloToken* token);
    bool readLoopVariable(KaloToken* token, float& number);
    KaloValue* assign(KaloVariableTable* table, std::string_view name, const KaloValue& value,
                      KaloToken* cacheOn = nullptr);
    KaloValue* insert(KaloVariableTable* table, std::string_view name, const KaloValue& value);
    KaloValue zap();
    KaloValue defined();
    KaloValue retype();
    KaloValue global();

    // Expressions.
    KaloValue literal(KaloToken* token);
    KaloValue compare(int cls);
    KaloValue arithmetic(int cls);
    KaloValue builtin(int cls);
    KaloValue substr();

    // Statements.
    KaloValue block();
    KaloValue set();
    KaloValue ifStatement();
    KaloValue whileLoop();
    KaloValue doLoop();
    KaloValue forLoop();
    KaloValue call(KaloToken* token);
    KaloToken* label(KaloToken* call);
    bool cancelled();

    // Output, input, random numbers, SORT.
    KaloValue print(bool newline);
    KaloValue mask();
    KaloValue kybd();
    KaloValue sort();
    int compareBy(KaloToken* call, const KaloValue& a, const KaloValue& b);

    KaloInterpreter& in_;
    KaloToken* head_;
    KaloToken* pos_;
    KaloVariableTable main_;
    KaloVariableTable* table_;  // the current table; null while GLOBAL reads from the globals
    int depth_ = 0;
    int depthLimit_;
    std::unordered_map<std::string_view, KaloToken*> labels_;  // the first label of each name
    KaloToken* start_ = nullptr;                                // the last \START label
    bool sorting_ = false;                    // a SORT ... BY is comparing
    KaloVariableTable* sortTable_ = nullptr;  // ... in this table (null: the globals)
    std::string scratch_;
};
