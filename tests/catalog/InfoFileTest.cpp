#include <gtest/gtest.h>

#include <functional>

#include "catalog/InfoFile.h"
#include "catalog/MXCatalog.h"

namespace {

const auto kNoTemplates = [](const std::string&) { return false; };

// The 31 setting lines of a document with default settings.
const char kDefaultSettings[] =
    "FTPHost=\r\nFTPDirectory=\r\nFTPUsername=\r\nFTPPassword=\r\nDemoMode=true\r\n"
    "SITEID=\r\nPARTNERID=\r\nSERVER=\r\nZKPassword=\r\nTextColor=black\r\nLinkColor=blue\r\n"
    "ALinkColor=red\r\nVLinkColor=blue\r\nBGColor=white\r\n"
    "FontNames=Arial, Helvetica, sans-serif\r\nColor1=#009AFF\r\nColor2=#90CCFF\r\n"
    "Color3=#CEE8FF\r\nTemplate=\r\nIconSize=80\r\nMoney=US $\r\nLanguage=en\r\n"
    "CompanyName=\r\nStoreName=\r\nURL=http://\r\nPath=\r\nEmail=\r\nPhone=\r\nKeywords=\r\n"
    "Desc=\r\nWelcomeMsg=\r\n";

MXCatalog Read(const std::string& text, bool expectOk = true) {
    MXCatalog c;
    EXPECT_EQ(ReadInfo(text, c, kNoTemplates), expectOk) << text;
    return c;
}

}  // namespace

TEST(InfoFile, DefaultDocumentWritesSettingsAndEmptySections) {
    EXPECT_EQ(WriteInfo(MXCatalog()),
              std::string(kDefaultSettings) + "NumCats=0\r\nCEND\r\nNumItems=0\r\nIEND\r\n");
}

TEST(InfoFile, WritesCategoriesItemsAndVariantsInTheirOrder) {
    MXCatalog c;
    c.Categories["978307200"] = {.ID = "978307200",
                                 .Name = "Mugs",
                                 .Desc = "Coffee mugs\r\nin three sizes",
                                 .ItemIDs = {"978307260"}};
    MXItem& mug = c.Items["978307260"];
    mug.ID = "978307260";
    mug.SKU = "M-01";
    mug.Name = "Mug";
    mug.Price = 9.95f;
    mug.Weight = 0.5f;
    mug.ShortDesc = "A mug";
    mug.Variants["978307300"] = {"978307300", "M-01L", "Large", 11.95f, 0.6f};
    MXItem& plain = c.Items["978307270"];
    plain.Price = 19.95f;
    plain.QtySelect = -3;

    EXPECT_EQ(WriteInfo(c),
              std::string(kDefaultSettings) +
                  "NumCats=1\r\nCID=978307200\r\nCName=Mugs\r\nCDesc=Coffee mugs\tin three "
                  "sizes\r\nCParent=\r\nCNumItems=1\r\n978307260\r\nCEND\r\n"
                  "NumItems=2\r\n"
                  "IID=978307260\r\nISKU=M-01\r\nIName=Mug\r\nIPrice=9.950000\r\n"
                  "IFS=0.000000\r\nIIFS=0.000000\r\nIFSM=0.000000\r\nIIFSM=0.000000\r\n"
                  "IuseFS=false\r\nInontax=false\r\nIItemCount=1\r\nIWeight=0.500000\r\n"
                  "IKeywords=\r\nIDefQty=1\r\nIqsm=2\r\nISDesc=A mug\r\nILDesc=\r\n"
                  "INumVariants=1\r\nIVariantID=978307300\r\nIVariantSKU=M-01L\r\n"
                  "IVariantName=Large\r\nIVariantPrice=11.950000\r\nIVariantWeight=0.600000\r\n"
                  "IVEND\r\n"
                  // the record's key is written, even where its ID field is empty
                  "IID=978307270\r\nISKU=\r\nIName=\r\nIPrice=19.950001\r\n"
                  "IFS=0.000000\r\nIIFS=0.000000\r\nIFSM=0.000000\r\nIIFSM=0.000000\r\n"
                  "IuseFS=false\r\nInontax=false\r\nIItemCount=1\r\nIWeight=0.000000\r\n"
                  "IKeywords=\r\nIDefQty=1\r\nIqsm=-3\r\nISDesc=\r\nILDesc=\r\n"
                  "INumVariants=0\r\nIVEND\r\nIEND\r\n");
}

TEST(InfoFile, EveryFieldSurvivesARoundTrip) {
    MXCatalog c;
    c.FTPHost = "ftp.example.com:2121";
    c.FTPDirectory = "www/store";
    c.FTPUsername = "owner";
    c.FTPPassword = "p=ss word";
    c.DemoMode = false;
    c.SITEID = "12345";
    c.PARTNERID = "77";
    c.SERVER = "3";
    c.ZKPassword = "secret";
    c.TextColor = "#111111";
    c.LinkColor = "#222222";
    c.ALinkColor = "#333333";
    c.VLinkColor = "#444444";
    c.BGColor = "#555555";
    c.FontNames = "Georgia, serif";
    c.Color1 = "#010101";
    c.Color2 = "#020202";
    c.Color3 = "#030303";
    c.Template = "Modern";
    c.IconSize = 64;
    c.Money = "\x80";  // the euro sign of the ANSI code page
    c.Language = "de";
    c.CompanyName = "Owner Ltd";
    c.StoreName = "A=B";
    c.URL = "http://shop.example.com";
    c.Path = "catalog";
    c.Email = "shop@example.com";
    c.Phone = "+1 555 0100";
    c.Keywords = "mugs, cups\tand more";  // a TAB in a one-line text stays a TAB
    c.Desc = "Fine mugs";
    c.WelcomeMsg = "Welcome!\r\n\r\nEnjoy.";
    c.Categories["100"] = {
        .ID = "100", .Name = "Top", .Desc = "Line 1\r\nLine 2", .ItemIDs = {"300", "200"}};
    c.Categories["101"] = {.ID = "101", .Name = "Sub", .Parent = "100", .ItemIDs = {"200"}};
    MXItem item;
    item.ID = "200";
    item.SKU = "S-1";
    item.Name = "Cup";
    item.Price = 19.95f;
    item.FlatShip = 1.5f;
    item.IntlFlatShip = 2.25f;
    item.FlatShipMore = 0.75f;
    item.IntlFlatShipMore = 1.125f;
    item.UseFlatShip = true;
    item.NonTaxable = true;
    item.ItemCount = 6;
    item.Weight = 1.2f;
    item.Keywords = "cup";
    item.DefaultQty = 2;
    item.QtySelect = 1;
    item.ShortDesc = "A cup";
    item.LongDesc = "Long\r\ntext";
    item.Variants["400"] = {"400", "S-1R", "Red", 21.5f, 1.3f};
    item.Variants["401"] = {"401", "S-1B", "Blue", 22.5f, 1.4f};
    c.Items["200"] = item;
    c.Items["300"] = {};
    c.Items["300"].ID = "300";

    MXCatalog back;
    ASSERT_TRUE(ReadInfo(WriteInfo(c), back, [](const std::string& n) { return n == "Modern"; }));
    back.RebuildLinks();
    c.RebuildLinks();
    EXPECT_EQ(WriteInfo(back), WriteInfo(c));
    EXPECT_EQ(back.Template, "Modern");
    EXPECT_EQ(back.StoreName, "A=B");
    EXPECT_EQ(back.WelcomeMsg, "Welcome!\r\n\r\nEnjoy.");
    EXPECT_EQ(back.Keywords, "mugs, cups\tand more");
    EXPECT_EQ(back.Items["200"].Price, 19.95f);
    EXPECT_EQ(back.Items["200"].LongDesc, "Long\r\ntext");
    EXPECT_EQ(back.Items["200"].Variants["401"].Name, "Blue");
    EXPECT_EQ(back.Items["200"].CategoryIDs, (std::vector<std::string>{"100", "101"}));
    EXPECT_EQ(back.Categories["100"].ItemIDs, (std::vector<std::string>{"300", "200"}));
    EXPECT_EQ(back.Categories["100"].Children, (std::vector<std::string>{"101"}));
}

TEST(InfoFile, FlattenAndRestoreLineBreaks) {
    EXPECT_EQ(FlattenLineBreaks("a\r\nb\r\n"), "a\tb\t");
    EXPECT_EQ(FlattenLineBreaks("lone\rcr\nlf\r\r\n"), "lone\rcr\nlf\r\t");
    EXPECT_EQ(RestoreLineBreaks("a\tb\t\t"), "a\r\nb\r\n\r\n");
}

// One reader rule per row: the text read, whether reading succeeds, and what must hold after.
struct ReaderCase {
    const char* name;
    std::string text;
    bool ok;
    std::function<void(const MXCatalog&)> check;
};

void PrintTo(const ReaderCase& rule, std::ostream* os) {
    *os << rule.name;
}

class InfoReader : public testing::TestWithParam<ReaderCase> {};

TEST_P(InfoReader, FollowsItsRule) {
    const ReaderCase& rule = GetParam();
    MXCatalog c = Read(rule.text, rule.ok);
    if (rule.check) rule.check(c);
}

const std::string kLongText(100000, 'x');

INSTANTIATE_TEST_SUITE_P(
    Rules, InfoReader,
    testing::Values(
        ReaderCase{"SettingsInAnyOrderAndLastWins", "StoreName=One\r\nPhone=1\nStoreName=Two\r\n",
                   true,
                   [](const MXCatalog& c) {
                       EXPECT_EQ(c.StoreName, "Two");
                       EXPECT_EQ(c.Phone, "1");
                       EXPECT_EQ(c.TextColor, "black");
                   }},
        ReaderCase{"EqualsInsideValueAndNothingTrimmed", "StoreName= A=B \r\n Phone=9\r\n", true,
                   [](const MXCatalog& c) {
                       EXPECT_EQ(c.StoreName, " A=B ");
                       EXPECT_EQ(c.Phone, "");  // the key " Phone" is unknown
                   }},
        ReaderCase{"UnknownKeysIgnored", "Colour=red\r\nstorename=x\r\n", true,
                   [](const MXCatalog& c) { EXPECT_EQ(c.StoreName, ""); }},
        ReaderCase{"BooleansTrueOnlyForLowerCaseT", "DemoMode=True\r\n", true,
                   [](const MXCatalog& c) { EXPECT_FALSE(c.DemoMode); }},
        ReaderCase{"BooleanSingleT", "DemoMode=t\r\n", true,
                   [](const MXCatalog& c) { EXPECT_TRUE(c.DemoMode); }},
        ReaderCase{"BooleanEmpty", "DemoMode=\r\n", true,
                   [](const MXCatalog& c) { EXPECT_FALSE(c.DemoMode); }},
        ReaderCase{"IntegersReadLikeAtol", "IconSize=  -42px\r\n", true,
                   [](const MXCatalog& c) { EXPECT_EQ(c.IconSize, -42); }},
        ReaderCase{"IntegerWithoutDigitsIsZero", "IconSize=big\r\n", true,
                   [](const MXCatalog& c) { EXPECT_EQ(c.IconSize, 0); }},
        ReaderCase{"IntegerBeyond32BitsHeldAtLimit", "IconSize=99999999999\r\n", true,
                   [](const MXCatalog& c) { EXPECT_EQ(c.IconSize, 2147483647); }},
        ReaderCase{"WelcomeMessageTabsBecomeLineBreaks", "WelcomeMsg=Hi\tthere\r\n", true,
                   [](const MXCatalog& c) { EXPECT_EQ(c.WelcomeMsg, "Hi\r\nthere"); }},
        ReaderCase{"TemplateDroppedWhenLibraryLacksIt", "Template=Gone\r\n", true,
                   [](const MXCatalog& c) { EXPECT_EQ(c.Template, ""); }},
        ReaderCase{"EmptyLineAtTopLevelFails", "StoreName=x\r\n\r\nPhone=1\r\n", false, {}},
        ReaderCase{"LineWithoutEqualsFails", "StoreName=x\r\nhello\r\n", false, {}},
        ReaderCase{"MarkerAtTopLevelFails", "CEND\r\n", false, {}},
        ReaderCase{"WrongMarkerInItemsFails", "NumItems=0\r\nCEND\r\n", false, {}},
        ReaderCase{"WrongMarkerInCategoriesFails", "NumCats=0\r\nIEND\r\n", false, {}},
        ReaderCase{"WrongMarkerInVariantsFails",
                   "NumItems=1\r\nIID=1\r\nINumVariants=0\r\nIEND\r\n",
                   false,
                   {}},
        ReaderCase{"EmptyFileReads", "", true, {}},
        ReaderCase{"FileEndingInsideCategoriesReads", "NumCats=1\r\nCID=5\r\nCName=Cups", true,
                   [](const MXCatalog& c) { EXPECT_EQ(c.Categories.at("5").Name, "Cups"); }},
        ReaderCase{"FileEndingAfterLastItemWithoutIENDReads",
                   "NumItems=1\r\nIID=7\r\nIName=Mug\r\nINumVariants=0\r\nIVEND\r\n", true,
                   [](const MXCatalog& c) { EXPECT_EQ(c.Items.at("7").Name, "Mug"); }},
        ReaderCase{
            "FileEndingInsideVariantsReads",
            "NumItems=1\r\nIID=7\r\nINumVariants=1\r\nIVariantID=8\r\nIVariantName=L", true,
            [](const MXCatalog& c) { EXPECT_EQ(c.Items.at("7").Variants.at("8").Name, "L"); }},
        ReaderCase{"SectionBeforeSettings", "NumCats=0\r\nCEND\r\nStoreName=Later\r\n", true,
                   [](const MXCatalog& c) { EXPECT_EQ(c.StoreName, "Later"); }},
        ReaderCase{
            "ItemIdLinesTakenWholeAndNormalised",
            "NumCats=1\r\nCID=1\r\nCNumItems=4\r\nCName=x\r\n0042\r\nabc\r\n -7z\r\nCEND\r\n", true,
            [](const MXCatalog& c) {
                const MXCategory& cat = c.Categories.at("1");
                EXPECT_EQ(cat.Name, "");
                EXPECT_EQ(cat.ItemIDs, (std::vector<std::string>{"0", "42", "0", "-7"}));
            }},
        ReaderCase{"ItemIdCountLargerThanFile", "NumCats=1\r\nCID=1\r\nCNumItems=9\r\n5\r\n", true,
                   [](const MXCatalog& c) {
                       EXPECT_EQ(c.Categories.at("1").ItemIDs, (std::vector<std::string>{"5"}));
                   }},
        ReaderCase{
            "RepeatedCategoryTakesLaterFieldsAndCollectsItems",
            "NumCats=2\r\nCID=1\r\nCName=A\r\nCNumItems=1\r\n10\r\n"
            "CID=1\r\nCName=B\r\nCDesc=x\ty\r\nCNumItems=1\r\n11\r\nCEND\r\n",
            true,
            [](const MXCatalog& c) {
                ASSERT_EQ(c.Categories.size(), 1u);
                EXPECT_EQ(c.Categories.at("1").Name, "B");
                EXPECT_EQ(c.Categories.at("1").Desc, "x\r\ny");
                EXPECT_EQ(c.Categories.at("1").ItemIDs, (std::vector<std::string>{"10", "11"}));
            }},
        ReaderCase{"VariantCountIgnoredMarkerEnds",
                   "NumItems=1\r\nIID=1\r\nINumVariants=5\r\nIVariantID=a\r\nIVariantPrice=2.5\r\n"
                   "IVariantID=b\r\nIName=ignored here\r\nIVEND\r\nIEND\r\n",
                   true,
                   [](const MXCatalog& c) {
                       const MXItem& item = c.Items.at("1");
                       EXPECT_EQ(item.Variants.size(), 2u);
                       EXPECT_EQ(item.Variants.at("a").Price, 2.5f);
                       EXPECT_EQ(item.Name, "");
                   }},
        ReaderCase{"VariantIdCarriesOverToTheNextItem",
                   "NumItems=2\r\nIID=1\r\nINumVariants=1\r\nIVariantID=v\r\nIVEND\r\n"
                   "IID=2\r\nINumVariants=1\r\nIVariantSKU=S\r\nIVEND\r\nIEND\r\n",
                   true,
                   [](const MXCatalog& c) {
                       const MXVariant& v = c.Items.at("2").Variants.at("v");
                       EXPECT_EQ(v.SKU, "S");
                       EXPECT_EQ(v.ID, "");
                   }},
        ReaderCase{"ItemFieldsAndConversions",
                   "NumItems=1\r\nIID=1\r\nIPrice=19.950001\r\nIWeight=abc\r\nIuseFS=true\r\n"
                   "Inontax=yes\r\nIItemCount=12\r\nIDefQty=3\r\nIqsm=257\r\nILDesc=a\tb\r\n"
                   "ISDesc=one\ttab\r\nIEND\r\n",
                   true,
                   [](const MXCatalog& c) {
                       const MXItem& item = c.Items.at("1");
                       EXPECT_EQ(item.Price, 19.95f);
                       EXPECT_EQ(item.Weight, 0.0f);
                       EXPECT_TRUE(item.UseFlatShip);
                       EXPECT_FALSE(item.NonTaxable);
                       EXPECT_EQ(item.ItemCount, 12);
                       EXPECT_EQ(item.DefaultQty, 3);
                       EXPECT_EQ(item.QtySelect, 1);  // the low 8 bits of 257
                       EXPECT_EQ(item.LongDesc, "a\r\nb");
                       EXPECT_EQ(item.ShortDesc, "one\ttab");
                   }},
        ReaderCase{"NegativeQtySelectFromLowBits", "NumItems=1\r\nIID=1\r\nIqsm=255\r\n", true,
                   [](const MXCatalog& c) { EXPECT_EQ(c.Items.at("1").QtySelect, -1); }},
        ReaderCase{"LinesOfAnyLength", "StoreName=" + kLongText + "\r\n", true,
                   [](const MXCatalog& c) { EXPECT_EQ(c.StoreName, kLongText); }},
        ReaderCase{
            "BinaryGarbageFails", std::string("\x00\x01\xff\xfe\n\x89PNG\r\n", 11), false, {}}),
    [](const testing::TestParamInfo<ReaderCase>& info) { return info.param.name; });

TEST(InfoFile, TemplateKeptWhenTheLibraryHoldsIt) {
    MXCatalog c;
    ASSERT_TRUE(
        ReadInfo("Template=Modern\r\n", c, [](const std::string& n) { return n == "Modern"; }));
    EXPECT_EQ(c.Template, "Modern");
}
