#include <gtest/gtest.h>

#include <filesystem>

#include "RunProgram.h"
#include "TempFolder.h"
#include "catalog/InfoFile.h"
#include "catalog/MXCatalog.h"

namespace fs = std::filesystem;

namespace {
ProgramResult Marlix(std::vector<std::string> args) {
    args.insert(args.begin(), MARLIX_BIN);
    return RunProgram(args);
}
}  // namespace

TEST(Cli, HelpListsTheCommandsAndVersionPrintsIt) {
    ProgramResult help = Marlix({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* command : {"templates", "new FOLDER", "--home DIR", "--version"})
        EXPECT_NE(help.out.find(command), std::string::npos) << command;

    ProgramResult version = Marlix({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "1.00\n");
}

TEST(Cli, UnknownCommandsAndOptionsAreUsageErrors) {
    for (std::vector<std::string> args : {std::vector<std::string>{"frobnicate"},
                                          {"--frob"},
                                          {"templates", "extra"},
                                          {"new"},
                                          {"--home", "/no/such/folder", "templates"}}) {
        ProgramResult r = Marlix(args);
        EXPECT_EQ(r.exitCode, 64) << args[0];
        EXPECT_FALSE(r.err.empty());
    }
}

TEST(Cli, TemplatesListsPackageFoldersInByteOrder) {
    TempFolder home;
    for (const char* name : {"modern", "Classic", "Zebra", "\xC3\xA9t\xC3\xA9"})
        fs::create_directories(home / (std::string("Templates/") + name));
    WriteFileBytes(home / "Templates/readme.txt", "not a package");

    ProgramResult r = Marlix({"--home", home.path(), "templates"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "Classic\nZebra\nmodern\n\xC3\xA9t\xC3\xA9\n");

    TempFolder empty;
    EXPECT_EQ(Marlix({"--home", empty.path(), "templates"}).out, "");
}

TEST(Cli, NewMakesACatalogFolderAndRefusesAnExistingOne) {
    TempFolder tmp;
    const std::string folder = tmp / "Shops/Mine";
    ProgramResult r = Marlix({"new", folder});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(fs::is_directory(folder + "/data"));
    EXPECT_TRUE(fs::is_directory(folder + "/output"));
    EXPECT_EQ(ReadFileBytes(folder + "/info"), WriteInfo(MXCatalog()));

    WriteFileBytes(folder + "/info", "StoreName=Mine\r\n");
    ProgramResult again = Marlix({"new", folder});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_NE(again.err.find("already holds a catalog"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(folder + "/info"), "StoreName=Mine\r\n");
}
