#pragma once

#include <string>
#include <vector>

class DataFolderIndex;
class MXCatalog;
struct GenerationState;

// One global variable handed to a page's scripts: the name with its sigil, and a value of the
// type the sigil or the type letter says ('$' text, '%' number, '@' truth).
struct ScriptVariable {
    std::string name;
    char type = '$';
    float number = 0;
    std::string text;
    bool truth = false;
};

// The variables every script of a run sees, in the order they are defined: the store's values,
// then %numcats and the arrays of every category, then %numitems and those of every item.
// Names are given as the pages know them ("$storename", "&itemname::" + ID); the interpreter
// stores them upper-cased. The two per-page variables ($curcatid, $curitemid) are left out:
// pageVariables gives them.
std::vector<ScriptVariable> runVariables(const MXCatalog& catalog, const GenerationState& state,
                                         const DataFolderIndex& data, int year);

// $curcatid and $curitemid for one page.
std::vector<ScriptVariable> pageVariables(const std::string& categoryId, const std::string& itemId);
