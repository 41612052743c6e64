#pragma once

#include <cstddef>

#include "kalo/KaloVariableDefiner.h"
#include "kalo/KaloVariableTable.h"

// A prepared set of global variables, built once and then shared, read-only, by any number of
// runs (on any number of threads): the catalog a generator hands to every script block. A run
// sees it exactly as if each variable had been defined with KaloInterpreter::defineVariable
// before the run: scripts read, assign, ZAP, RETYPE and SORT them as usual, but their changes go
// to the run's own layer over these variables and are discarded when the run ends.
//
//   auto globals = std::make_shared<KaloGlobals>();
//   globals->defineText("$STORENAME", catalog.StoreName);
//   interpreter.setGlobals(globals);  // shared, never copied
class KaloGlobals : public KaloVariableDefiner {
public:
    bool defineVariable(std::string_view name, char type, float number, std::string_view text,
                        bool truth) override;

    size_t size() const { return table_.size(); }
    const KaloVariableTable& table() const { return table_; }

private:
    KaloVariableTable table_;
};
