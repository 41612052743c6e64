// Short programs by area: what they write and their status. Longer programs live in scripts/.

#include <gtest/gtest.h>

#include <string>

#include "KaloRun.h"

namespace {

struct Case {
    std::string program;
    std::string written;
    int status;
};

void ExpectRuns(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        KaloRun run = RunKalo(c.program);
        EXPECT_EQ(run.written, c.written) << c.program;
        EXPECT_EQ(run.status, c.status) << c.program;
    }
}

TEST(KaloReports, EveryFailureHasItsCodeLineAndMessage) {
    ExpectRuns({
        {"PRINT [ 1 ]\n:= 3\n", "1" + KaloReport(2, "An assignment (:=) must follow a SET.\n"), -1},
        {"SET $X := 5\nPRINT [ 1 ]", KaloReport(2, "LHS and RHS of assign do not have the same type: $X\n"), -2},
        {"PRINT [ 1 == TRUE ]", KaloReport(1, "Compare arguments must be of the same type.\n"), -3},
        {"#\n", KaloReport(1, "Code for COMMENT statements must be enclosed in brackets [].\n"), -4},
        {"IF 1 THEN 2 ", KaloReport(1, "Code for IF statements must be enclosed in brackets [].\n"), -4},
        {"WHILE 0 DO 1 ", KaloReport(1, "Code for WHILE statements must be enclosed in brackets [].\n"), -4},
        {"FOR %I := 1 TO 2 3 ", KaloReport(1, "Code for FOR statements must be enclosed in brackets [].\n"), -4},
        {"GLOBAL $A ", KaloReport(1, "Code for GLOBAL statements must be enclosed in brackets [].\n"), -4},
        {"PRINT 1 ", KaloReport(1, "Code for PRINT statements must be enclosed in brackets [].\n"), -4},
        {"\\F 1 [ ] ", KaloReport(1, "Code for FUNCTION statements must be enclosed in brackets [].\n"), -4},
        {"IF 0 THEN 2 ", KaloReport(1, "Code for blocked (comment, if, loop, etc.) statements must be enclosed in brackets [].\n"), -4},
        {"PRINT [ TRUE < FALSE ]", KaloReport(1, "Invalid comparison with bools.\n"), -5},
        {"WHILE 0 [ ] ", KaloReport(1, "DO required after WHILE.\n"), -6},
        {"IF 1 THEN [ ]", KaloReport(1, "END bracket (]) used without BEGIN ([).\n"), -7},
        {"PRINT [ 5 + \"a\" ]", KaloReport(1, "Arg and op types in MATH and LOGIG expressions must match.\n"), -9},
        {"PRINT [ -\"a\" ]", KaloReport(1, "Arg and op types in MATH and LOGIG expressions must match.\n"), -9},
        {"FOR %I 1 TO 2 [ ] ", KaloReport(1, ":= must precede <from value> in FOR command.\n"), -12},
        {"FOO()", KaloReport(1, "FOO: Bad instruction or function name.\n"), -13},
        {"FOR %I := 1 2 [ ] ", KaloReport(1, "TO must precede <to value> in FOR command.\n"), -14},
        {"IF 1 [ ] ", KaloReport(1, "THEN required after IF.\n"), -16},
        {"PRINT [ ?X ]", KaloReport(1, "Variable of unknown type, ?X, used before assign.\n"), -17},
        {"FOR %I := \"1\" TO 2 [ ] ", KaloReport(1, "Args to FOR command (FROM, TO, STEP) must be floats.\n"), -18},
        {"ZAP $NOPE ", KaloReport(1, "Variable $NOPE can not be zapped. It doesn't exist.\n"), -19},
        {"PRINT [ 1, 2 ]", KaloReport(1, "Syntax Error.\n"), -20},
        {"PRINT [ - -3 ]", KaloReport(1, "Multiple Unary Minuses must be separated by () separators.\n"), -21},
        {"PRINT [ 1 / 0 ]", KaloReport(1, "Division by zero error.\n"), -22},
        {"PRINT [ 7 %% 0.5 ]", KaloReport(1, "Division by zero error.\n"), -22},
        {"PRINT [ LENGTH 5 ]", KaloReport(1, "Length can only be taken from strings.\n"), -23},
        {"PRINT [ SUBSTR(5, 1, 1) ]", KaloReport(1, "Substring must have a start and length specified.\n"), -24},
        {"PRINT [ MASK 5 5 ]", KaloReport(1, "Print mask for numbers must be a string followed by a value (e.g. \"%g\" %num).\n"), -25},
        {"SORT VALUES &A TO &B ", KaloReport(1, "OF must precede the array to sort in SORT command.\n"), -26},
        {"SORT VALUES OF $A TO &B ", KaloReport(1, "The SORT command can only be used on arrays.\n"), -27},
        {"SORT VALUES OF &A &B ", KaloReport(1, "TO must precede the destination array SORT command.\n"), -28},
        {"SET $X := KYBD ?X ", KaloReport(1, "The KYBD command must be used with a FLOAT, BOOL or SRING.\n"), -30},
        {"PRINT [ UPPER 1 ]", KaloReport(1, "Only strings can be converted to upper or lower case.\n"), -31},
        {"PRINT [ 1 ]\n\"abc\ndef\"", KaloReport(2, "Unterminated string literal.\n"), -32},
        {"SORT VALUES OF &A BY LENGTH TO &B ", KaloReport(1, "Arguments to functions must be enclosed in '(' and ')'.\n"), -33},
        {"PRINT [ RETYPE(%, $X) ]", KaloReport(1, "Only variables of unknown type can be retyped.\n"), -35},
        {"FOR $S := 1 TO 2 [ ] ", KaloReport(1, "FOR loop variable must be of type FLOAT.\n"), -36},
    });
}

TEST(KaloReports, OnlyTheFirstFailureIsReportedAndHaltIsSilent) {
    ExpectRuns({
        {"\\BAD [ RETURN 1 + \"x\" ]\nPRINT [ LENGTH BAD() ]",
         KaloReport(1, "Arg and op types in MATH and LOGIG expressions must match.\n"), -9},
        {"PRINT [ \"kept\" ] HALT PRINT [ 1 / 0 ]", "kept", 1},
        {"", "", 1},
        {"PRINT [ \"ok\" ]", "ok", 1},
    });
}

TEST(KaloReports, AnUnreadableProgramFileHasNoLinePart) {
    KaloInterpreter interpreter;
    std::string written;
    KaloStringOutput out(written);
    EXPECT_EQ(interpreter.runProgram(KaloProgramSource::file("/no/such/file.kalo"), {nullptr, &out, &out}), -11);
    EXPECT_EQ(written, "\n_KALO_ version: 1.3.3 ***ERROR***\n'/no/such/file.kalo' is not a valid "
                       "filename.\nFailure: Halting... \n");
}

TEST(KaloQuirks, TemplatesRelyOnTheseMeanings) {
    ExpectRuns({
        // A word that ends the text is lost.
        {"PRINT [ \"a\" ] HALT", "a", 1},
        // TYPE ends an expression, so it cannot be an operand.
        {"PRINT [ \"t\" + TYPE 1 ]", KaloReport(1, "Syntax Error.\n"), -20},
        {"SET $T := TYPE 1.5 PRINT [ $T ]", "FLOAT", 1},
        // A call without parentheses evaluates the operand after it as an expression of its own.
        {"\\F [ PRINT [ \"f\" ] ] PRINT [ F \"x\" ]", "xf", 1},
        // Comparisons joined by AND need their own parentheses.
        {"SET %A := 1 PRINT [ (%A == 1) AND (2 == 2) ]", "TRUE", 1},
        // SORT collects every variable whose name begins with the source's text.
        {"SET &ITEM(1) := 5 SET &ITEMS(1) := 4 SORT VALUES OF &ITEM TO &T PRINT [ &T(1) &T(2) ]", "45", 1},
        // A function's parameter that names a global assigns that global.
        {"GLOBAL [ %G ] \\F(%G) [ SET %Z := 0 ] F(7) PRINT [ %G ]", "7", 1},
        // A local hides a global of the same name.
        {"\\F [ SET ?G := \"local\" RETURN ?G ] PRINT [ F() ]", "local", 1},
        // BREAK among top-level statements runs on as top-level text.
        {"BREAK PRINT [ 1 ] ]", "1" + KaloReport(1, "END bracket (]) used without BEGIN ([).\n"), -7},
        // The last \START wins; GLOBAL statements outside it never run.
        {"\\START [ PRINT [ 1 ] ] \\START [ PRINT [ 2 ] ]", "2", 1},
        // More arguments than parameters: the extra ones run as statements of their own.
        {"\\F(%A) [ RETURN %A ] PRINT [ F(1, 2) ]", "12", 1},
        // FLOAT text conversion has six significant digits.
        {"PRINT [ STRING 1234567 \" \" FLOAT \" 42x\" \" \" FLOAT \"x42\" \" \" INT(-3.7) ]",
         "1.23457e+06 42 0 -3", 1},
        {"PRINT [ BOOL \"FALSE\" \" \" BOOL \"\" ]", "TRUE FALSE", 1},
        {"SET ?X := \"FALSE\" PRINT [ RETYPE(@, ?X) ]", "TRUE", 1},
        // The random generator is the interpreter's; RANDOMSEED makes it repeatable.
        {"PRINT [ RANDOMSEED(1) \" \" RND(100) \" \" RND(1) ]", "1 46 0", 1},
    });
}

TEST(KaloChoices, WhatTheLanguageLeftOpenHasASoundResult) {
    ExpectRuns({
        // RND(0) yields 0.
        {"PRINT [ RND(0) ]", "0", 1},
        // SUBSTR clamps: a START below 0 counts as 0; past the end the text is empty.
        {"PRINT [ \"<\" SUBSTR(\"abc\", -1, 2) SUBSTR(\"abc\", 5, 2) SUBSTR(\"abc\", 1, -4) \">\" ]", "<ab>", 1},
        // A mask with another conversion, or more than one, is refused; long results are whole.
        {"PRINT [ MASK \"%s\" 1 ]", KaloReport(1, "Print mask for numbers must be a string followed by a value (e.g. \"%g\" %num).\n"), -25},
        {"PRINT [ MASK \"%f %f\" 1 ]", KaloReport(1, "Print mask for numbers must be a string followed by a value (e.g. \"%g\" %num).\n"), -25},
        {"PRINT [ MASK \"%*f\" 1 ]", KaloReport(1, "Print mask for numbers must be a string followed by a value (e.g. \"%g\" %num).\n"), -25},
        {std::string("PRINT [ MASK \"%5.\0f\" 1 ]", 24), KaloReport(1, "Print mask for numbers must be a string followed by a value (e.g. \"%g\" %num).\n"), -25},
        {"PRINT [ MASK \"%99.2f|100%%\" 1 ]", std::string(95, ' ') + "1.00|100%", 1},
        {"PRINT [ MASK \"%f\" 1E30 ]", "1000000015047466219876688855040.000000", 1},
        {"PRINT [ MASK \"none\" 1 ]", "none", 1},
        // A value with no type: TYPE says NONE; it converts to 0, the empty text and false.
        {"\\N [ SET %Z := 0 ] PRINT [ TYPE N() \" \" FLOAT N() \" [\" STRING N() \"] \" BOOL N() \" \" !N() ]",
         "NONE 0 [] FALSE TRUE", 1},
        {"\\N [ SET %Z := 0 ] PRINT [ N() == N() ]", KaloReport(1, "Compare arguments must be of the same type.\n"), -3},
        {"\\N [ SET %Z := 0 ] SET ?V := N() PRINT [ TYPE ?V ]", "NONE", 1},
        // Numbers beyond 32 bits saturate where they are cut to integers.
        {"PRINT [ 1E20 %% 7 \" \" RND(1E20) < 32768 ]", "1 TRUE", 1},
        // A label with no block after it takes the rest of the program as its head.
        {"PRINT [ 1 ] \\F ", "1" + KaloReport(3, "Code for FUNCTION statements must be enclosed in brackets [].\n"), -4},
        {"PRINT [ 1 ] \\F 2 ", "1" + KaloReport(1, "Code for FUNCTION statements must be enclosed in brackets [].\n"), -4},
    });
}

TEST(KaloLimits, DeepNestingStopsTheRunWithAReport) {
    const std::string tooDeep = KaloReport(1, "Calls or expressions nested more than 4000 deep.\n");
    ExpectRuns({
        {"\\R(%N) [ RETURN R(%N + 1) ] PRINT [ \"a\" ] R(0)", "a" + tooDeep, -37},
        // Parentheses alone lay out to nothing; nested minus signs each nest an evaluation.
        {"PRINT [ " + std::string(20000, '(') + "1" + std::string(20000, ')') + " ]", "1", 1},
        {"PRINT [ " + [] { std::string s; for (int i = 0; i < 20000; ++i) s += "-("; return s; }() +
             "1" + std::string(20000, ')') + " ]",
         tooDeep, -37},
        {"PRINT [ " + std::string(5000, '!') + "TRUE ]", tooDeep, -37},
        {"PRINT [ 0" + [] { std::string s; for (int i = 0; i < 10000; ++i) s += " + 1"; return s; }() + " ]",
         tooDeep, -37},
    });
    // A modest depth runs.
    ExpectRuns({{"\\R(%N) [ IF %N == 0 THEN [ RETURN 0 ] RETURN 1 + R(%N - 1) ] PRINT [ R(300) ]", "300", 1}});
}

}  // namespace
