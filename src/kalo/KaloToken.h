#pragma once

#include <cstdint>
#include <string>

#include "kalo/KaloValue.h"

// Token classes. The numbers matter: the layout pass uses their order as binding strength.
namespace KaloClass {
enum : int {
    kNeutral = 0,
    kBlockBegin = 1,  // [
    kOpen = 2,        // (
    kComment = 3,     // #
    kAssignMark = 4,  // :=
    kBreak = 5,
    kContinue = 6,
    kFor = 7,
    kTo = 8,
    kStep = 9,
    kSort = 10,
    kKeys = 11,
    kValues = 12,
    kOf = 13,
    kBy = 14,
    kIf = 15,
    kThen = 16,
    kElse = 17,
    kKybd = 18,
    kPrint = 19,
    kPrintln = 20,
    kMask = 21,
    kSet = 22,
    kType = 23,
    kWhile = 24,
    kDo = 25,
    kZap = 26,
    kHalt = 27,
    kEqual = 28,
    kNotEqual = 29,
    kGreater = 30,
    kGreaterEqual = 31,
    kLess = 32,
    kLessEqual = 33,
    kAnd = 34,
    kOr = 35,
    kXor = 36,
    kPlus = 37,
    kMinus = 38,
    kTimes = 39,
    kRemainder = 40,
    kDivide = 41,
    kCaret = 42,
    kClose = 43,     // )
    kBlockEnd = 44,  // ]
    kGlobal = 45,
    kNot = 46,
    kNegate = 47,  // unary minus, made by the layout pass
    kInt = 48,
    kFloat = 49,
    kString = 50,
    kBool = 51,
    kLength = 52,
    kRandomSeed = 53,
    kRnd = 54,
    kUpper = 55,
    kLower = 56,
    kDefined = 57,
    kReturn = 58,
    kRetype = 59,
    kSubstr = 60,
    kIdentifier = 61,  // a call of a user function
    kComma = 62,
    kVariable = 63,
    kLiteral = 64,
    kLabel = 65,  // \NAME: the head of a user function
};
}

// One token of a program. The lexer makes them in text order; the layout pass relinks them into
// prefix order through `next`. The remaining fields are caches the evaluator fills on first use.
struct KaloToken {
    std::string text;  // upper-cased words; a string literal keeps its opening quote
    int line = 0;
    int cls = KaloClass::kNeutral;
    int argumentCount = 0;  // calls of multi-argument functions (layout pass)
    std::string unary;      // unary marks, outermost first: '-' minus, '!' not (layout pass)
    KaloToken* next = nullptr;

    // Evaluator caches.
    KaloToken* target = nullptr;  // "[": its closing "]"; a call: its label
    bool targetResolved = false;
    KaloValue literal;            // a literal's value
    bool literalReady = false;
    KaloValue* slot = nullptr;    // a variable token: where the variable was last found
    uint64_t slotTable = 0;       // ... with this current table
    uint64_t slotGeneration = 0;  // ... and this generation of the tables' layout
    bool slotReadOnly = false;    // ... in the prepared globals (never written in place)
};
