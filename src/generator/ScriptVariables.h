#pragma once

#include <string>

class DataFolderIndex;
class KaloVariableDefiner;
class MXCatalog;
struct GenerationState;

// Defines the variables every script of a run sees, in this order: the store's values, then
// %numcats and the arrays of every category, then %numitems and those of every item. Names are
// given as the pages know them ("$storename", "&itemname::" + ID); the interpreter stores them
// upper-cased. The per-page $curcatid and $curitemid are defined by definePageVariables.
void defineRunVariables(KaloVariableDefiner& variables, const MXCatalog& catalog,
                        const GenerationState& state, const DataFolderIndex& data, int year);

// $curcatid and $curitemid for one page.
void definePageVariables(KaloVariableDefiner& variables, const std::string& categoryId,
                         const std::string& itemId);
