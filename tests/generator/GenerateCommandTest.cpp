#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "RunProgram.h"
#include "ShopFixture.h"

namespace {

const char kSmallShop[] = R"(
-- Templates/shop/mxinfo.dat --
main:index:html
category:cat:html
-- Templates/shop/index.html --
!!storename!!
-- Templates/shop/cat.html --
!!catname!!
)";

ProgramResult Marlix(const ShopFixture& shop, const std::string& catalog) {
    return RunProgram({MARLIX_BIN, "--home", shop.home.path(), "generate", catalog});
}

}  // namespace

TEST(GenerateCommand, PrintsEachStatusLineAndExitsByTheEnding) {
    ShopFixture shop(kSmallShop);
    ProgramResult r = Marlix(shop, shop.catalog.CatalogFolder);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(std::regex_match(
        r.out, std::regex("Vivivud Generation: Preparing Output Directory\\.\n"
                          "Working on File: index\\.html\n"
                          "Working on Category: Mugs\nWorking on Category: Cups\n"
                          "Working on Category: Plates\n"
                          "(Copied File: [a-z0-9.]+\n){7}"
                          "(Working on Image: [A-Za-z]+\n){3}"
                          "Working on Image: Mug\nSkipped Picture: i100\\.jpg \\([^\n]*\\)\n"
                          "Working on Image: Cup\nWorking on Image: Plate\n"
                          "Vivivud Generation Succeeded\\.\nTime: [0-9]+ sec\\.\n")))
        << r.out;
    EXPECT_EQ(ReadFileBytes(shop.catalog.CatalogFolder + "/output/cat10.html"), "Mugs\n");

    std::filesystem::remove(shop.home / "Templates/shop/mxinfo.dat");
    r = Marlix(shop, shop.catalog.CatalogFolder);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "Vivivud Generation Failed: Bad Template.\n");

    r = Marlix(shop, shop.home / "NoSuchCatalog");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "Catalog Load Failed.\n");
}
