#include <gtest/gtest.h>

#include "TempFolder.h"
#include "catalog/MXCatalog.h"
#include "generator/TemplateDescription.h"

namespace {

struct Read {
    TemplateSettings settings;
    std::vector<std::string> pageLines;  // "key|base|ext|conditions"
};

Read ReadDescription(const std::string& text, int linesBeforeCancel = -1) {
    TempFolder package;
    WriteFileBytes(package / "mxinfo.dat", text);
    FileHandle file = openTemplateDescription(package.path());
    EXPECT_TRUE(file);
    MXCatalog catalog;
    catalog.IconSize = 64;
    Read read;
    int tests = 0;
    read.settings = readTemplateDescription(
        file.get(), catalog, [&] { return linesBeforeCancel < 0 || tests++ < linesBeforeCancel; },
        [&](const std::string& key, const std::string& base, const std::string& ext,
            const std::string& conditions) {
            read.pageLines.push_back(key + "|" + base + "|" + ext + "|" + conditions);
        });
    return read;
}

}  // namespace

TEST(TemplateDescription, PageLinesArriveInOrderWithTheirParts) {
    Read r = ReadDescription(
        "main:index:html\r\n"
        "main:index\n"                                    // one colon: ignored
        "# main:hidden:html\n"                            // comment
        "Main:other:html\n"                               // keys are case-sensitive
        "main:about:html:ignored\n"
        "category:cat:html:\n"
        "item:item:html:itemhaspic !itemhasvariants:x\n"  // the rest holds further colons
        "main:last:htm");                                 // no line feed at the end
    EXPECT_EQ(r.pageLines,
              (std::vector<std::string>{"main|index|html|", "main|about|html|ignored",
                                        "category|cat|html|",
                                        "item|item|html|itemhaspic !itemhasvariants:x",
                                        "main|last|htm|"}));
}

TEST(TemplateDescription, SettingLinesFillTheSettings) {
    Read defaults = ReadDescription("");
    EXPECT_EQ(defaults.settings.categoryBox.first, 200);
    EXPECT_EQ(defaults.settings.itemBox.second, 250);
    EXPECT_EQ(defaults.settings.categoryIconBox.first, 64);  // the catalog's IconSize
    EXPECT_EQ(defaults.settings.itemIconBox.second, 64);
    EXPECT_EQ(defaults.settings.requiredVersion, "1.00");

    Read r = ReadDescription(
        "cimage:abc:300\n"
        "iimage:100:120\niimage:90: 5\n"  // later lines win; " 5" is not an integer
        "ciconsize:40:41\r\n"
        "iiconsize:-3:7\n"
        "ignoreimage:category:RiO\n"
        "ignoreimage:item:R\n"
        "version:other:9\n"
        "version:Marlix:1.5A\n");
    EXPECT_EQ(r.settings.categoryBox.first, 200);
    EXPECT_EQ(r.settings.categoryBox.second, 300);
    EXPECT_EQ(r.settings.itemBox.first, 90);
    EXPECT_EQ(r.settings.itemBox.second, 120);
    EXPECT_EQ(r.settings.categoryIconBox.second, 41);
    EXPECT_EQ(r.settings.itemIconBox.first, -3);
    EXPECT_EQ(r.settings.categorySkip, "rio");
    EXPECT_EQ(r.settings.itemSkip, "R");
    EXPECT_EQ(r.settings.requiredVersion, "1.5a");
}

TEST(TemplateDescription, ReadingStopsWhenTheRunIsCancelled) {
    Read r = ReadDescription("main:a:html\nmain:b:html\nmain:c:html\nversion:marlix:2\n", 2);
    EXPECT_EQ(r.pageLines, (std::vector<std::string>{"main|a|html|", "main|b|html|"}));
    EXPECT_EQ(r.settings.requiredVersion, "1.00");
}

TEST(TemplateDescription, LongLinesArriveInPieces) {
    const std::string base(2040, 'b');
    Read r = ReadDescription("main:" + base + ":html\nmain:x:y\n");
    // The first piece holds 2047 bytes: "main:", the base and ":h"; "tml" is a line of its own.
    EXPECT_EQ(r.pageLines, (std::vector<std::string>{"main|" + base + "|h|", "main|x|y|"}));
}

TEST(TemplateDescription, VersionRequirement) {
    const std::pair<const char*, std::optional<bool>> cases[] = {
        {"1.00", true}, {"1", true}, {"0.9", true}, {"1.001", false}, {"1.5", false},
        {"2.0", false}, {"abc", std::nullopt}, {"", std::nullopt}, {"1.0.1", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        TemplateSettings settings;
        settings.requiredVersion = text;
        EXPECT_EQ(versionSatisfied(settings), expected) << text;
    }
}

TEST(TemplateDescription, ConditionLists) {
    MXCategory top, child;
    child.Parent = "1";
    child.Desc = "words";
    top.Children = {"2"};
    MXItem plain, rich;
    rich.ShortDesc = "short";
    rich.Variants["1"] = MXVariant{};

    struct Case {
        const char* conditions;
        bool top, child;
    } categoryCases[] = {
        {"", true, true},
        {"cathasparent", false, true},
        {"!cathasparent", true, false},
        {"CATHASSUBCATS", true, false},
        {"catdesc,cathaspic", false, true},  // only the child has a picture below
        {"itemhaspic", true, true},          // item keywords mean nothing on category lines
    };
    for (const Case& c : categoryCases) {
        EXPECT_EQ(conditionsHold(c.conditions, top, false), c.top) << c.conditions;
        EXPECT_EQ(conditionsHold(c.conditions, child, true), c.child) << c.conditions;
    }
    Case itemCases[] = {
        {"itemhaspic !itemhasvariants", true, false},
        {"itemsdesc", false, true},
        {"!itemldesc", true, true},
        {"itemhasvariants", false, true},
    };
    for (const Case& c : itemCases) {
        EXPECT_EQ(conditionsHold(c.conditions, plain, true), c.top) << c.conditions;
        EXPECT_EQ(conditionsHold(c.conditions, rich, false), c.child) << c.conditions;
    }
}
