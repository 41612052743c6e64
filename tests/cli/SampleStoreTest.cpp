// The sample catalog and the template packages we ship: the catalog reads back exactly as the
// program writes it, and each package turns it into a store without a script error.

#include <gtest/gtest.h>

#include <filesystem>

#include "RunProgram.h"
#include "TempFolder.h"
#include "catalog/InfoFile.h"
#include "catalog/MXCatalog.h"

namespace fs = std::filesystem;

namespace {

const std::string kHome = MARLIX_SOURCE_ROOT;
const std::string kSample = kHome + "/Catalogs/Sample";

// A copy of the sample catalog in `tmp`, with the output folder that the repository leaves out.
std::string CopySample(const TempFolder& tmp) {
    const std::string folder = tmp / "Sample";
    fs::create_directories(folder + "/output");
    fs::copy(kSample + "/info", folder + "/info");
    fs::copy(kSample + "/data", folder + "/data", fs::copy_options::recursive);
    return folder;
}

// A copy of the sample catalog using `templateName`, generated in a temporary folder.
ProgramResult GenerateSample(const TempFolder& tmp, const std::string& templateName) {
    const std::string folder = CopySample(tmp);
    MXCatalog catalog;
    catalog.CatalogFolder = folder;
    EXPECT_TRUE(catalog.Load(kHome));
    catalog.Template = templateName;
    EXPECT_TRUE(catalog.Save());
    return RunProgram({MARLIX_BIN, "--home", kHome, "generate", folder});
}

}  // namespace

TEST(SampleStore, CatalogIsStoredAsTheProgramWritesIt) {
    TempFolder tmp;
    MXCatalog catalog;
    catalog.CatalogFolder = CopySample(tmp);
    ASSERT_TRUE(catalog.Load(kHome));
    EXPECT_EQ(catalog.Template, "Modern");
    EXPECT_GE(catalog.Categories.size(), 6u);
    EXPECT_GE(catalog.Items.size(), 25u);
    EXPECT_EQ(WriteInfo(catalog), ReadFileBytes(kSample + "/info"));
}

class ShippedTemplate : public testing::TestWithParam<const char*> {};

TEST_P(ShippedTemplate, MakesTheSampleStoreWithoutScriptErrors) {
    TempFolder tmp;
    ProgramResult run = GenerateSample(tmp, GetParam());
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("Vivivud Generation Succeeded."), std::string::npos);

    const std::string output = tmp / "Sample/output";
    int pages = 0;
    for (const auto& entry : fs::directory_iterator(output)) {
        const std::string name = entry.path().filename();
        if (entry.path().extension() != ".html") continue;
        ++pages;
        const std::string page = ReadFileBytes(entry.path());
        EXPECT_EQ(page.find("***ERROR***"), std::string::npos) << name;
        EXPECT_EQ(page.find("!!"), std::string::npos) << name;  // every tag replaced
        EXPECT_NE(page.find("</html>"), std::string::npos) << name;
    }
    EXPECT_EQ(pages, 1 + 7 + 25);  // front page, categories, items
    for (const char* file : {"index.html", "sitemap.xml", "robots.txt", "logo.gif"})
        EXPECT_TRUE(fs::exists(output + "/" + file)) << file;

    // The sitemap lists every page under the store's address.
    const std::string sitemap = ReadFileBytes(output + "/sitemap.xml");
    EXPECT_NE(sitemap.find("<loc>https://shop.harbourtea.example/item1765401301.html</loc>"),
              std::string::npos);
    EXPECT_NE(ReadFileBytes(output + "/robots.txt")
                  .find("Sitemap: https://shop.harbourtea.example/sitemap.xml"),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Packages, ShippedTemplate, testing::Values("Modern", "Classic"));
