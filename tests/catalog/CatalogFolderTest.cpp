#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>

#include "TempFolder.h"
#include "catalog/CatalogFolder.h"
#include "catalog/InfoFile.h"
#include "catalog/MXCatalog.h"

namespace fs = std::filesystem;

namespace {

MXCatalog SmallCatalog(const std::string& folder) {
    MXCatalog c;
    c.CatalogFolder = folder;
    c.StoreName = "Mug Shop";
    c.Categories["10"] = {.ID = "10", .Name = "Mugs", .ItemIDs = {"20"}};
    c.Items["20"].ID = "20";
    c.Items["20"].Name = "Mug";
    c.Saved = false;
    return c;
}

std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(CatalogFolder, SaveMakesTheFolderAndLoadReadsItBack) {
    TempFolder tmp;
    MXCatalog c = SmallCatalog(tmp.path());
    ASSERT_TRUE(c.Save());
    EXPECT_TRUE(c.Saved);
    EXPECT_EQ(c.PreviousFolder, tmp.path());
    EXPECT_EQ(Entries(tmp.path()), (std::vector<std::string>{"data", "info", "output"}));
    EXPECT_EQ(ReadFileBytes(tmp / "info"), WriteInfo(c));

    MXCatalog back;
    back.CatalogFolder = tmp.path();
    ASSERT_TRUE(back.Load(tmp.path()));
    EXPECT_TRUE(back.Saved);
    EXPECT_EQ(back.CatalogFolder, tmp.path());
    EXPECT_EQ(back.StoreName, "Mug Shop");
    EXPECT_EQ(back.Items["20"].CategoryIDs, (std::vector<std::string>{"10"}));  // links rebuilt
}

TEST(CatalogFolder, LoadFailures) {
    TempFolder tmp;
    MXCatalog c = SmallCatalog(tmp.path());
    ASSERT_TRUE(c.Save());

    // Without output/ the folder is no catalog, even with its info; the folder is kept.
    fs::remove(tmp / "output");
    MXCatalog noOutput;
    noOutput.CatalogFolder = tmp.path();
    EXPECT_FALSE(noOutput.Load(tmp.path()));
    EXPECT_EQ(noOutput.CatalogFolder, tmp.path());
    EXPECT_EQ(noOutput.StoreName, "");

    // A broken info leaves an empty document without a folder.
    fs::create_directory(tmp / "output");
    WriteFileBytes(tmp / "info", "StoreName=x\r\nNumCats=1\r\nCID=1\r\nIEND\r\n");
    MXCatalog broken;
    broken.CatalogFolder = tmp.path();
    EXPECT_FALSE(broken.Load(tmp.path()));
    EXPECT_EQ(broken.CatalogFolder, "");
    EXPECT_EQ(broken.StoreName, "");
    EXPECT_TRUE(broken.Categories.empty());

    MXCatalog missing;
    missing.CatalogFolder = tmp / "nowhere";
    EXPECT_FALSE(missing.Load(tmp.path()));
}

TEST(CatalogFolder, TemplateKeptOnlyForAPackageOfTheLibrary) {
    TempFolder home, cat;
    fs::create_directories(home / "Templates/Modern");
    fs::create_directories(home / "Outside");
    for (const auto& [name, kept] : std::vector<std::pair<std::string, bool>>{
             {"Modern", true}, {"Classic", false}, {"../Outside", false}, {"..", false}}) {
        MXCatalog c;
        c.CatalogFolder = cat.path();
        c.Template = name;
        ASSERT_TRUE(c.Save());
        MXCatalog back;
        back.CatalogFolder = cat.path();
        ASSERT_TRUE(back.Load(home.path()));
        EXPECT_EQ(back.Template, kept ? name : "") << name;
    }
}

TEST(CatalogFolder, SaveBringsThePicturesOfThePreviousFolder) {
    TempFolder oldPlace, newPlace;
    MXCatalog c = SmallCatalog(oldPlace.path());
    ASSERT_TRUE(c.Save());
    WriteFileBytes(oldPlace / "data/logo.gif", "GIF89a");
    WriteFileBytes(oldPlace / "data/i20.jpg", "JPEG");
    WriteFileBytes(newPlace / "data/i20.jpg", "stale");

    c.PreviousFolder = c.CatalogFolder;
    c.CatalogFolder = newPlace.path();
    std::vector<std::string> status;
    ASSERT_TRUE(c.Save([&](const std::string& line) { status.push_back(line); }));
    std::sort(status.begin(), status.end());
    EXPECT_EQ(status, (std::vector<std::string>{"Copied File: i20.jpg", "Copied File: logo.gif"}));
    EXPECT_EQ(ReadFileBytes(newPlace / "data/i20.jpg"), "JPEG");
    EXPECT_EQ(c.PreviousFolder, newPlace.path());

    status.clear();
    ASSERT_TRUE(c.Save([&](const std::string& line) { status.push_back(line); }));
    EXPECT_TRUE(status.empty());  // a second save copies nothing
}

TEST(CatalogFolder, ClearFolderContents) {
    TempFolder tmp;
    MXCatalog c = SmallCatalog(tmp.path());
    ASSERT_TRUE(c.Save());
    WriteFileBytes(tmp / "data/logo.gif", "GIF");
    WriteFileBytes(tmp / "output/index.html", "<html>");
    ASSERT_TRUE(c.ClearFolderContents());
    EXPECT_EQ(Entries(tmp.path()), (std::vector<std::string>{"info"}));
    EXPECT_TRUE(c.ClearFolderContents());  // nothing left to clear

    // A sub-folder cannot be removed as a file, so its folder stays and clearing fails.
    WriteFileBytes(tmp / "output/pics/a.jpg", "x");
    EXPECT_FALSE(c.ClearFolderContents());
}

TEST(CatalogFolder, FailedWriteLeavesThePreviousInfoByteForByte) {
    TempFolder tmp;
    MXCatalog c = SmallCatalog(tmp.path());
    ASSERT_TRUE(c.Save());
    const std::string before = ReadFileBytes(tmp / "info");

    // Make every write past 64 bytes fail, as a full disk would.
    c.StoreName = std::string(5000, 'x');
    signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &small);
    bool ok = c.Save();
    setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_FALSE(ok);
    EXPECT_EQ(ReadFileBytes(tmp / "info"), before);
    EXPECT_EQ(Entries(tmp.path()), (std::vector<std::string>{"data", "info", "output"}));
}

TEST(CatalogFolder, SaveFailsWhenTheFolderCannotHoldData) {
    TempFolder tmp;
    WriteFileBytes(tmp / "data", "a file where the folder belongs");
    MXCatalog c = SmallCatalog(tmp.path());
    EXPECT_FALSE(c.Save());
    EXPECT_FALSE(c.Saved);
}
