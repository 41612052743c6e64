#include <gtest/gtest.h>

#include <atomic>
#include <ctime>
#include <functional>

#include "TempFolder.h"
#include "catalog/MXCatalog.h"
#include "generator/DataFolderIndex.h"
#include "generator/GenerationState.h"
#include "generator/OrderForm.h"
#include "generator/PageExpander.h"
#include "generator/PageScripts.h"

namespace {

// Expands one template text for a catalog changed by `arrange`, on the main page.
std::string Expand(const std::string& text, const std::function<void(MXCatalog&)>& arrange = {}) {
    TempFolder tmp;
    MXCatalog catalog;
    if (arrange) arrange(catalog);
    WriteFileBytes(tmp / "page.html", text);
    GenerationState state;
    DataFolderIndex data(tmp / "data");
    std::atomic<bool> running{true};
    PageScripts scripts(catalog, state, data, running);
    PageExpander expander(catalog, state, data, scripts);
    expander.expandPage(tmp / "page.html", tmp / "out.html", "", "");
    return ReadFileBytes(tmp / "out.html");
}

std::string Year() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::to_string(local.tm_year + 1900);
}

void Demo(MXCatalog& c) {
    c.SITEID = "5000";
    c.SERVER = "3";
}

}  // namespace

TEST(PageExpansion, TagsTakeTheCatalogsValuesOrTheirDefaults) {
    struct Case {
        const char* text;
        std::function<void(MXCatalog&)> arrange;
        std::string expected;
    } cases[] = {
        {"!!thisyear!! !!companyname!!\n", nullptr, Year() + " Your Company Name\n"},
        {"!!SITEID!!/!!SERVER!!\n", Demo, "1012/1\n"},  // demo mode ignores the account
        {"!!SITEID!!/!!SERVER!!\n", [](MXCatalog& c) { Demo(c); c.DemoMode = false; }, "5000/3\n"},
        {"!!url!!\n", nullptr, "http://www.zelmokrant.example\n"},
        {"!!url!!\n", [](MXCatalog& c) { c.URL = "http://a"; }, "http://a\n"},
        {"!!itemname!!|!!itemprice!!|!!itemitemcount!!|!!itemweight!!|!!itemdefqty!!|!!catid!!\n",
         nullptr, "|0.00|1|0.000000|1|\n"},
        {"!!keywords!! !!money!!\n", nullptr, "Marlix, catalog US $\n"},
        // A value may bring in later tags, which are replaced in turn; a tag leading back to
        // an earlier one is left as it stands.
        {"!!storename!!\n", [](MXCatalog& c) { c.StoreName = "!!phone!! !!companyname!!"; },
         "800-555-1212 !!companyname!!\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(Expand(c.text, c.arrange), c.expected) << c.text;
}

TEST(PageExpansion, ScriptBlocksTakeThePlaceOfTheirComments) {
    struct Case {
        const char* text;
        std::string expected;
    } cases[] = {
        {"A<!-- BEGINKALO PRINT [$storename] ENDKALO -->B\n", "AYour Store NameB\n"},
        {"A <!-- BEGINKALO\nPRINT [$COLOR2]\nENDKALO -->B\nC\n", "A #90CCFFB\nC\n"},
        // Nothing after ENDKALO: the line ends there, its line feed with it.
        {"A<!-- BEGINKALO PRINT [1] ENDKALO\nB\n", "A1B\n"},
        // Only the first block of a line runs; the second stays as written.
        {"<!-- BEGINKALO PRINT [\"x\"] ENDKALO --><!-- BEGINKALO PRINT [\"y\"] ENDKALO -->\n",
         "x<!-- BEGINKALO PRINT [\"y\"] ENDKALO -->\n"},
        // Tags inside a block are not replaced; after it they are.
        {"<!-- BEGINKALO PRINT [\"!!phone!!\"] ENDKALO --> !!phone!!\n", "!!phone!! 800-555-1212\n"},
        {"<!-- BEGINKALO PRINT [@HASLOGOPIC \" \" %NUMITEMS \" \" $CURITEMID] ENDKALO -->\n",
         "FALSE 0 \n"},
    };
    for (const Case& c : cases) EXPECT_EQ(Expand(c.text, [](MXCatalog& cat) { cat.Color2.clear(); }), c.expected) << c.text;
}

TEST(OrderForm, AccountValuesFollowTheDemoRuleAndButtonsCloseTheForm) {
    MXCatalog c;
    c.SITEID = "5000";
    c.SERVER = "3";
    c.BGColor.clear();
    c.VLinkColor.clear();
    const std::string demo = buildOrderForm(c, kListButton);
    EXPECT_EQ(demo.substr(0, demo.find('\n')),
              "<FORM TARGET=\"_top\" ACTION=\"http://www1.cart.zelmokrant.example/mini/center/"
              "orderarc.cgi?M1012\" METHOD=\"POST\">");
    EXPECT_NE(demo.find("NAME=\"00-SITEID\" VALUE=\"M1012\">\n"), std::string::npos);
    EXPECT_NE(demo.find("NAME=\"10-BGCOLOR\" VALUE=\"white\">\n"), std::string::npos);
    EXPECT_NE(demo.find("NAME=\"10-VLINK\" VALUE=\"blue\">\n"), std::string::npos);
    EXPECT_EQ(demo.find("10-BGURL"), std::string::npos);
    EXPECT_EQ(demo.find("10-LOGOURL"), std::string::npos);

    c.DemoMode = false;
    const std::string both = buildOrderForm(c, kListButton | kEmptyButton);
    EXPECT_NE(both.find("http://www3.cart.zelmokrant.example/mini/center/orderarc.cgi?M5000\""),
              std::string::npos);
    const std::string list = "<INPUT NAME=\"LISTMOD\" TYPE=\"SUBMIT\" VALUE=\"LIST Cart\"></FORM>\n";
    const std::string empty = "<INPUT NAME=\"EMPTY\" TYPE=\"SUBMIT\" VALUE=\"EMPTY Cart\"></FORM>\n";
    EXPECT_EQ(both.substr(both.size() - list.size() - empty.size()), list + empty);
    EXPECT_EQ(buildOrderForm(c, kEmptyButton).find("LISTMOD"), std::string::npos);
}
