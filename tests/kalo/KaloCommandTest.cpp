// marlix kalo FILE, run as a user runs it.

#include <gtest/gtest.h>

#include "RunProgram.h"
#include "TempFolder.h"

namespace {

TEST(KaloCommand, RunsAFileWithDefinitionsAndInput) {
    TempFolder folder;
    WriteFileBytes(folder / "p.kalo",
                   "PRINTLN [ $TITLE \" \" %COUNT * 2 \" \" @SALE \" \" &PRICE(12) + 1 \" \" &NAME(\"X\") ]\n"
                   "SET %N := KYBD %N PRINTLN [ %N + 1 ]\n");
    ProgramResult r = RunProgram({MARLIX_BIN, "kalo", "-D", "$TITLE=Shoes", "-D", "%COUNT=3.5",
                                  "-D", "@SALE=true", "-D", "&PRICE::12=9.5", "-D&NAME::X=abc",
                                  folder / "p.kalo"},
                                 "41\n");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Shoes 7 TRUE 10.5 abc\n42\n");
    EXPECT_EQ(r.err, "");
}

TEST(KaloCommand, AFailureGoesToStandardErrorAndSetsTheExitStatus) {
    TempFolder folder;
    WriteFileBytes(folder / "bad.kalo", "PRINT [ \"before\" ]\nIF 1 [ ]\n");
    ProgramResult r = RunProgram({MARLIX_BIN, "kalo", folder / "bad.kalo"});
    EXPECT_EQ(r.exitCode, 16);
    EXPECT_EQ(r.out, "before");
    EXPECT_EQ(r.err, "\n_KALO_ version: 1.3.3 ***ERROR***\nLine 2: THEN required after IF.\n"
                     "Failure: Halting... \n");

    EXPECT_EQ(RunProgram({MARLIX_BIN, "kalo", folder / "missing.kalo"}).exitCode, 11);
    for (std::vector<std::string> args : {std::vector<std::string>{"kalo"},
                                          {"kalo", "-D", "$X=1"},
                                          {"kalo", "-D", "%X=abc", "f"},
                                          {"kalo", "-D", "$X", "f"},
                                          {"kalo", "a", "b"}}) {
        args.insert(args.begin(), MARLIX_BIN);
        EXPECT_EQ(RunProgram(args).exitCode, 64) << args.back();
    }
}

}  // namespace
