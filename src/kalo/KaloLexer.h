#pragma once

#include <deque>
#include <string_view>
#include <vector>

#include "kalo/KaloToken.h"

class KaloInterpreter;

// The token class of a completed token's text.
int KaloClassify(std::string_view text);

// Cuts a program text into tokens (kept in `store`), returned in text order and always ending
// with a HALT token one line past the last. An unterminated string literal raises -32; the
// caller checks the interpreter's status.
std::vector<KaloToken*> KaloLex(KaloInterpreter& interpreter, std::string_view text,
                                std::deque<KaloToken>& store);

// Neutralises comments: the tokens inside "# [ ... ]" get class 0. A "#" not followed by "["
// raises -4 with "COMMENT".
void KaloMarkComments(KaloInterpreter& interpreter, const std::vector<KaloToken*>& tokens);
