#pragma once

#include <deque>
#include <vector>

#include "kalo/KaloToken.h"

class KaloInterpreter;

// Rewrites the lexer's tokens into one list in which every expression stands in prefix order
// (operator, first operand, second operand), array keys follow their array, calls know their
// argument count and unary minus and "!" are tokens of their own. Binding strength is the class
// number, and an arriving operator pops at most one waiting operator (1 - 2 * 3 + 4 is -9).
// Returns the list's neutral head token; on a failure (-20, -21, -33) the interpreter's status
// says so.
KaloToken* KaloLayOut(KaloInterpreter& interpreter, const std::vector<KaloToken*>& tokens,
                      std::deque<KaloToken>& store);
