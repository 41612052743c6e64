// The host's side: defining variables, prepared globals, sinks, sources, cancelling, threads.

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <thread>

#include "KaloRun.h"
#include "TempFolder.h"
#include "kalo/KaloGlobals.h"

namespace {

TEST(KaloHost, DefineVariableFollowsTheTypeRules) {
    struct Case {
        const char* name;
        char type;
        bool stored;
    } cases[] = {
        {"$TITLE", '%', false}, {"$TITLE", '$', true}, {"%N", '%', true},  {"@B", '$', false},
        {"&A::1", '%', true},   {"?U", '@', true},     {"$X", 'x', false}, {"NOSIGIL", '$', true},
    };
    for (const Case& c : cases) {
        KaloInterpreter interpreter;
        EXPECT_EQ(interpreter.defineVariable(c.name, c.type, 1, "t", true), c.stored) << c.name;
    }
    KaloInterpreter interpreter;
    EXPECT_TRUE(interpreter.defineText("&itemname::ab", "first"));
    EXPECT_TRUE(interpreter.defineText("&ITEMNAME::AB", "second"));  // same name, same type
    EXPECT_FALSE(interpreter.defineNumber("&itemname::ab", 2));       // same name, other type
    EXPECT_TRUE(interpreter.defineNumber("&A::1", 9.5f));
    EXPECT_EQ(RunKalo(interpreter, "PRINT [ &ITEMNAME(\"AB\") DEFINED(&ITEMNAME(\"ab\")) &A(1) ]").written,
              "secondFALSE9.5");
}

TEST(KaloHost, EachRunDestroysItsVariables) {
    KaloInterpreter interpreter;
    interpreter.defineText("$X", "a");
    EXPECT_EQ(RunKalo(interpreter, "PRINT [ $X ]").written, "a");
    EXPECT_EQ(RunKalo(interpreter, "PRINT [ \"[\" $X \"]\" ]").written, "[]");
    EXPECT_EQ(interpreter.status(), 1);
}

// The same variables, once defined before the run and once as prepared globals.
void DefineCatalog(KaloVariableDefiner& definer) {
    definer.defineText("$T", "title");
    definer.defineText("&A::K1", "one");
    definer.defineText("&A::K3", "three");
    definer.defineText("&AB::X", "prefix");
    definer.defineText("?N", "12abc");
    definer.defineText("?S", "text");
}

TEST(KaloHost, PreparedGlobalsBehaveAsDefinedOnesAndStayUnchanged) {
    const char* programs[] = {
        "PRINT [ $T ]",
        "SET $T := $T + \"!\" SET $T := $T + \"?\" PRINT [ $T ]",
        "ZAP $T PRINT [ DEFINED($T) \"[\" $T \"]\" ]",
        "ZAP &A(\"K1\") PRINT [ DEFINED(&A(\"K1\")) ]",
        "SET &A(\"K2\") := \"two\" SORT VALUES OF &A TO &V PRINT [ &V(1) &V(2) &V(3) &V(4) &V(5) ]",
        "ZAP &A(\"K3\") SORT KEYS OF &A TO &K PRINT [ &K(1) \" \" &K(2) \" \" DEFINED(&K(3)) ]",
        "PRINT [ RETYPE(%, ?N) + 1 \" \" TYPE ?N ]",
        "SET ?S := 1",
        "\\F [ SET $T := \"in f\" ] F() PRINT [ $T ]",
        "GLOBAL [ $T ] PRINT [ $T ]",
    };
    auto globals = std::make_shared<KaloGlobals>();
    DefineCatalog(*globals);
    KaloInterpreter shared, defined;
    shared.setGlobals(globals);
    for (const char* program : programs) {
        DefineCatalog(defined);
        KaloRun expected = RunKalo(defined, program);
        KaloRun actual = RunKalo(shared, program);
        EXPECT_EQ(actual.written, expected.written) << program;
        EXPECT_EQ(actual.status, expected.status) << program;
        // Every run starts from the prepared values again.
        EXPECT_EQ(RunKalo(shared, "PRINT [ $T &A(\"K1\") ?N DEFINED(&A(\"K2\")) ]").written,
                  "titleone12abcFALSE")
            << program;
    }
    EXPECT_EQ(globals->table().find("$T")->text(), "title");
    EXPECT_EQ(globals->table().find("?N")->type(), KaloValue::kString);
}

TEST(KaloHost, RunVariablesLayOverPreparedGlobals) {
    auto globals = std::make_shared<KaloGlobals>();
    globals->defineText("$T", "prepared");
    KaloInterpreter interpreter;
    interpreter.setGlobals(globals);
    EXPECT_FALSE(interpreter.defineNumber("$T", 1));
    EXPECT_FALSE(interpreter.defineNumber("?X", 1) && interpreter.defineText("?X", "x"));
    EXPECT_TRUE(interpreter.defineText("$T", "this page"));
    EXPECT_EQ(RunKalo(interpreter, "PRINT [ $T ]").written, "this page");
    EXPECT_EQ(RunKalo(interpreter, "PRINT [ $T ]").written, "prepared");
}

TEST(KaloHost, TwoThreadsRunTheirOwnInterpretersOverOneBase) {
    auto globals = std::make_shared<KaloGlobals>();
    for (int i = 0; i < 1000; ++i) globals->defineNumber("&P::" + std::to_string(i), i % 37);
    globals->defineText("$S", "base");
    const std::string program =
        "RANDOMSEED(7) FOR %I := 1 TO 200 [ SET $S := $S + RND(10) ] "
        "SORT VALUES OF &P TO &Q PRINT [ LENGTH $S \" \" SUBSTR($S, 0, 12) \" \" &Q(1000) ]";
    std::string results[2];
    auto work = [&](int slot) {
        KaloInterpreter interpreter;
        interpreter.setGlobals(globals);
        for (int run = 0; run < 20; ++run) results[slot] = RunKalo(interpreter, program).written;
    };
    std::thread a(work, 0), b(work, 1);
    a.join();
    b.join();
    EXPECT_EQ(results[0], results[1]);
    EXPECT_EQ(results[0].substr(0, 4), "204 ");
    EXPECT_EQ(globals->table().find("$S")->text(), "base");
}

TEST(KaloHost, ACancelledRunStopsQuietly) {
    for (const char* endless : {"WHILE 1 DO [ PRINT [ \"x\" ] ]",
                                "DO [ PRINT [ \"x\" ] ] WHILE 1 DO",
                                "FOR %I := 2 TO 1 STEP 0 [ PRINT [ \"x\" ] ]",
                                "\\F [ PRINT [ \"x\" ] ] WHILE 1 DO [ F() ]"}) {
        KaloInterpreter interpreter;
        int checks = 0;
        interpreter.setCancelCheck([&] { return ++checks > 100; });
        KaloRun run = RunKalo(interpreter, endless);
        EXPECT_EQ(run.status, 1) << endless;
        EXPECT_EQ(run.written.find_first_not_of('x'), std::string::npos) << endless;
        EXPECT_GE(run.written.size(), 40u) << endless;
    }
}

TEST(KaloHost, OutputAndErrorSinks) {
    KaloInterpreter interpreter;
    std::string output, error;
    KaloStringOutput out(output), err(error);
    int status = interpreter.runProgram(KaloProgramSource::fromText("PRINT [ \"page\" ] PRINT [ 1 / 0 ]"),
                                        {nullptr, &out, &err});
    EXPECT_EQ(status, -22);
    EXPECT_EQ(output, "page");
    EXPECT_EQ(error, KaloReport(1, "Division by zero error.\n"));

    // One buffered file sink keeps text and report in order and reaches the file by the run's end.
    TempFolder folder;
    std::FILE* file = std::fopen((folder / "page.html").c_str(), "wb");
    {
        KaloFileOutput page(file);
        interpreter.runProgram(KaloProgramSource::fromText("PRINTLN [ \"a\" ] PRINT [ 1 / 0 ]"),
                               {nullptr, &page, &page});
        EXPECT_EQ(ReadFileBytes(folder / "page.html"), "a\n" + KaloReport(1, "Division by zero error.\n"));
    }
    std::fclose(file);
}

TEST(KaloHost, ProgramsComeFromFilesStreamsOrAPrompt) {
    TempFolder folder;
    WriteFileBytes(folder / "p.kalo", "PRINT [ \"from file\" ]\n");
    EXPECT_EQ(RunKalo(std::string()).status, 1);

    KaloInterpreter interpreter;
    std::string written;
    KaloStringOutput out(written);
    EXPECT_EQ(interpreter.runProgram(KaloProgramSource::file(folder / "p.kalo"), {nullptr, &out, &out}), 1);
    EXPECT_EQ(written, "from file");

    // A template stream: the program ends at ENDKALO, and the comment's closing "-->" is consumed.
    WriteFileBytes(folder / "page.html", "PRINT [ \"from stream\" ]\nENDKALO -->after");
    std::FILE* stream = std::fopen((folder / "page.html").c_str(), "rb");
    written.clear();
    EXPECT_EQ(interpreter.runProgram(KaloProgramSource::fromStream(stream), {nullptr, &out, &out}), 1);
    char rest[16] = {};
    EXPECT_NE(std::fgets(rest, sizeof rest, stream), nullptr);
    std::fclose(stream);
    EXPECT_EQ(written, "from stream");
    EXPECT_STREQ(rest, "after");

    written.clear();
    KaloTextInput name(folder / "p.kalo" + "\n");
    EXPECT_EQ(interpreter.runProgram(KaloProgramSource(), {&name, &out, &out}), 1);
    EXPECT_EQ(written, "Program file name: \n\nfrom file");
}

}  // namespace
