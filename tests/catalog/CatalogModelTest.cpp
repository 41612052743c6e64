#include <gtest/gtest.h>

#include "catalog/MXCatalog.h"
#include "catalog/RecordId.h"

TEST(CatalogModel, FreshDocumentHasTheDefaults) {
    MXCatalog c;
    EXPECT_TRUE(c.DemoMode);
    EXPECT_EQ(c.TextColor, "black");
    EXPECT_EQ(c.LinkColor, "blue");
    EXPECT_EQ(c.ALinkColor, "red");
    EXPECT_EQ(c.VLinkColor, "blue");
    EXPECT_EQ(c.BGColor, "white");
    EXPECT_EQ(c.FontNames, "Arial, Helvetica, sans-serif");
    EXPECT_EQ(c.Color1, "#009AFF");
    EXPECT_EQ(c.Color2, "#90CCFF");
    EXPECT_EQ(c.Color3, "#CEE8FF");
    EXPECT_EQ(c.IconSize, 80);
    EXPECT_EQ(c.Money, "US $");
    EXPECT_EQ(c.Language, "en");
    EXPECT_EQ(c.URL, "http://");
    EXPECT_EQ(c.Template, "");
    EXPECT_TRUE(c.Categories.empty());
    EXPECT_TRUE(c.Items.empty());
    EXPECT_TRUE(c.Saved);
    EXPECT_EQ(c.CatalogFolder, "");

    MXItem item;
    EXPECT_EQ(item.ItemCount, 1);
    EXPECT_EQ(item.DefaultQty, 1);
    EXPECT_EQ(item.QtySelect, 2);
}

TEST(CatalogModel, ResetDefaultsKeepsRecordsAndPreviousFolder) {
    MXCatalog c;
    c.StoreName = "Shop";
    c.IconSize = 120;
    c.CatalogFolder = "/x";
    c.PreviousFolder = "/y";
    c.LogoURL = "logo";
    c.Saved = false;
    c.Categories["1"].Name = "A";
    c.Items["2"].Name = "B";
    c.ResetDefaults();
    EXPECT_EQ(c.StoreName, "");
    EXPECT_EQ(c.IconSize, 80);
    EXPECT_EQ(c.CatalogFolder, "");
    EXPECT_TRUE(c.Saved);
    EXPECT_EQ(c.PreviousFolder, "/y");
    EXPECT_EQ(c.LogoURL, "logo");
    EXPECT_EQ(c.Categories.size(), 1u);
    EXPECT_EQ(c.Items.size(), 1u);
}

TEST(CatalogModel, MapsIterateInByteOrder) {
    MXCatalog c;
    c.Categories["999999999"];
    c.Categories["1000000000"];
    c.Categories["\xE9t\xE9"];  // bytes above 127 sort after ASCII
    c.Categories["Z"];
    std::vector<std::string> keys;
    for (const auto& [id, cat] : c.Categories) keys.push_back(id);
    EXPECT_EQ(keys, (std::vector<std::string>{"1000000000", "999999999", "Z", "\xE9t\xE9"}));
}

TEST(CatalogModel, RebuildLinksFillsDerivedListsAndDanglingRecords) {
    MXCatalog c;
    c.Categories["20"] = {.ID = "20", .Parent = "10", .ItemIDs = {"7", "5"}};
    c.Categories["10"] = {.ID = "10", .ItemIDs = {"5"}};
    c.Categories["30"] = {.ID = "30", .Parent = "99"};                    // parent missing
    c.Categories["25"] = {.ID = "25", .Parent = "10", .ItemIDs = {"8"}};  // item 8 missing
    c.Items["5"].ID = "5";
    c.Items["7"].ID = "7";
    c.RebuildLinks();

    EXPECT_EQ(c.Categories["10"].Children, (std::vector<std::string>{"20", "25"}));
    EXPECT_EQ(c.Items["5"].CategoryIDs, (std::vector<std::string>{"10", "20"}));
    EXPECT_EQ(c.Items["7"].CategoryIDs, (std::vector<std::string>{"20"}));

    ASSERT_EQ(c.Categories.count("99"), 1u);
    EXPECT_EQ(c.Categories["99"].ID, "");
    EXPECT_EQ(c.Categories["99"].Parent, "");
    EXPECT_EQ(c.Categories["99"].Children, (std::vector<std::string>{"30"}));

    ASSERT_EQ(c.Items.count("8"), 1u);
    EXPECT_EQ(c.Items["8"].ID, "");
    EXPECT_EQ(c.Items["8"].ItemCount, 1);
    EXPECT_EQ(c.Items["8"].CategoryIDs, (std::vector<std::string>{"25"}));
}

TEST(CatalogModel, CategoryRows) {
    MXCatalog c;
    c.Categories["2"];
    c.Categories["1"];
    c.Categories["3"];
    EXPECT_EQ(c.CategoryIdAtRow(-1), "1");  // ListRow starts unset (-1)
    c.Categories["3"].ListRow = 0;
    c.Categories["2"].ListRow = 1;
    EXPECT_EQ(c.CategoryIdAtRow(0), "3");
    EXPECT_EQ(c.CategoryIdAtRow(1), "2");
    EXPECT_EQ(c.CategoryIdAtRow(7), "");
    c.ClearCategoryRows();
    EXPECT_EQ(c.CategoryIdAtRow(0), "");
    EXPECT_EQ(c.CategoryIdAtRow(-1), "1");
}

TEST(CatalogModel, NewRecordIdIsTheClockAndNeverATakenKey) {
    std::map<std::string, MXItem> items;
    EXPECT_EQ(NewRecordId(items, 978307200), "978307200");
    items["978307200"];
    items["978307201"];
    EXPECT_EQ(NewRecordId(items, 978307200), "978307202");
    EXPECT_EQ(NewRecordId(items, 978307199), "978307199");
    // Three records confirmed within one second get three keys.
    std::map<std::string, MXVariant> variants;
    for (int i = 0; i < 3; ++i) variants[NewRecordId(variants, 1700000000)];
    EXPECT_EQ(variants.size(), 3u);
}
