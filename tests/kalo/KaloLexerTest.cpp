// The lexer and the layout pass, shown as token lists.

#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "kalo/KaloInterpreter.h"
#include "kalo/KaloLayout.h"
#include "kalo/KaloLexer.h"

namespace {

// TEXT:class:line for every token, the final HALT included.
std::string Lexed(const std::string& text) {
    KaloInterpreter interpreter;
    std::deque<KaloToken> store;
    std::vector<KaloToken*> tokens = KaloLex(interpreter, text, store);
    KaloMarkComments(interpreter, tokens);
    std::string shown;
    for (const KaloToken* t : tokens) {
        if (!shown.empty()) shown += ' ';
        shown += t->text + ":" + std::to_string(t->cls) + ":" + std::to_string(t->line);
    }
    return shown;
}

// The laid-out list's texts (calls with their argument count), without the head and final HALT.
// A blank is added so that the text's last word is kept.
std::string LaidOut(const std::string& text) {
    KaloInterpreter interpreter;
    std::deque<KaloToken> store;
    std::vector<KaloToken*> tokens = KaloLex(interpreter, text + " ", store);
    std::string shown;
    for (const KaloToken* t = KaloLayOut(interpreter, tokens, store)->next; t && t->next; t = t->next) {
        if (!shown.empty()) shown += ' ';
        shown += t->text;
        if (t->cls == KaloClass::kIdentifier || t->cls == KaloClass::kSubstr ||
            t->cls == KaloClass::kRetype)
            shown += "/" + std::to_string(t->argumentCount);
    }
    return shown;
}

struct Case {
    const char* input;
    const char* expected;
};

TEST(KaloLexer, CutsClassifiesAndNumbersTokens) {
    const Case cases[] = {
        // Words are upper-cased; a word that ends the text is lost. White space after the last token
        // consumes the line feed the loader appends, so the final HALT then stands two lines on.
        {"print [ $Name ]", "PRINT:19:1 [:1:1 $NAME:63:1 ]:44:1 HALT:27:2"},
        {"HALT", "HALT:27:2"},
        {"a<=b ", "A:61:1 <=:33:1 B:61:1 HALT:27:3"},
        {"a=<b ", "A:61:1 =:61:1 <:32:1 B:61:1 HALT:27:3"},
        {"%% % % ", "%%:40:1 %:63:1 %:63:1 HALT:27:3"},
        {"-5 a-b ", "-:38:1 5:64:1 A:61:1 -:38:1 B:61:1 HALT:27:3"},
        {"my_name ", "MY:61:1 _:61:1 NAME:61:1 HALT:27:3"},
        {"3.14 ?x @flag \\start &names ", "3.14:64:1 ?X:63:1 @FLAG:63:1 \\START:65:1 &NAMES:63:1 HALT:27:3"},
        {"true FALSE .5 +", "TRUE:64:1 FALSE:64:1 .5:64:1 +:37:1 HALT:27:2"},
        // Literals keep their opening quote and their case; escapes.
        {"\"say \\\"Hi\\\"\"", "\"say \"Hi\":64:1 HALT:27:2"},
        {"\"a\\qb\\\\nc\"", "\"aqb\nc:64:1 HALT:27:2"},
        {"\"one\\\ntwo\" x ", "\"onetwo:64:2 X:61:2 HALT:27:4"},
        {"$\"abc\" ", "$\"abc:63:1 HALT:27:3"},
        // A word last on its line takes the next line's number; ";" the next non-blank's.
        {"PRINT\n[ ", "PRINT:19:2 [:1:2 HALT:27:4"},
        {"x;\n\ny ", "X:61:3 Y:61:3 HALT:27:5"},
        {"a := b :: c ", "A:61:1 :=:4:1 B:61:1 :::61:1 C:61:1 HALT:27:3"},
        {"^ ^^ | || != ! ", "^:42:1 ^^:36:1 |:61:1 ||:35:1 !=:29:1 !:46:1 HALT:27:3"},
        // Bytes beyond 7-bit ASCII are word characters, kept as they are.
        {"caf\xC3\xA9 ", "CAF\xC3\xA9:61:1 HALT:27:3"},
        // Comments: everything inside becomes class 0, unless a "#" inside ends the comment early.
        {"# [ a [ b ] c ] d ", "#:3:1 [:1:1 A:0:1 [:1:1 B:0:1 ]:44:1 C:0:1 ]:44:1 D:61:1 HALT:27:3"},
        {"# [ a # [ b ] c ] ", "#:3:1 [:1:1 A:0:1 #:3:1 [:1:1 B:0:1 ]:44:1 C:61:1 ]:44:1 HALT:27:3"},
    };
    for (const Case& c : cases) EXPECT_EQ(Lexed(c.input), c.expected) << c.input;
}

TEST(KaloLexer, TokensHaveNoLengthLimit) {
    const std::string word(1000, 'W');
    const std::string literal(5000, 'x');
    EXPECT_EQ(Lexed(word + " \"" + literal + "\""),
              word + ":61:1 \"" + literal + ":64:1 HALT:27:2");
}

TEST(KaloLayout, WritesExpressionsInPrefixOrder) {
    const Case cases[] = {
        {"1 - 2 * 3 + 4", "- 1 + * 2 3 4"},
        {"$A == 1 AND $B == 2", "== $A == AND 1 $B 2"},
        {"8 - 2 - 1", "- - 8 2 1"},
        {"LENGTH $S + 1", "+ LENGTH $S 1"},
        {"&A($K + 1) ", "&A + $K 1"},
        {"FOO(1, 2 * 3) ", "FOO/2 1 * 2 3"},
        {"FOO() ", "FOO/0"},
        {"FOO $A", "$A FOO/0"},
        {"SUBSTR($S, 1, 2) ", "SUBSTR/3 $S 1 2"},
        {"\\NAME($A, %B) [ ]", "\\NAME $A %B [ ]"},
        {"-(-3) ", "- - 3"},
        {"!(!@X) ", "! ! @X"},
        {"!-3 ", "! - 3"},
        {"-&A(1) ", "- &A 1"},
        {"PRINT [ 1 $A - 2 ]", "PRINT [ 1 - $A 2 ]"},
        {"SET $A := 1 + 2 SET $B := 3", "SET $A := + 1 2 SET $B := 3"},
        {"SORT VALUES OF &A BY CMP TO &B", "SORT VALUES OF &A BY CMP/0 TO &B"},
    };
    for (const Case& c : cases) EXPECT_EQ(LaidOut(c.input), c.expected) << c.input;
}

}  // namespace
