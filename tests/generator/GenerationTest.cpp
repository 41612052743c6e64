#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <regex>

#include "ShopFixture.h"
#include "catalog/FileCommands.h"
#include "generator/GenerationHost.h"
#include "generator/GenerationState.h"
#include "generator/Picture.h"
#include "generator/PictureFile.h"
#include "generator/TGenThread.h"

namespace fs = std::filesystem;

namespace {

const char kShop[] = R"(
-- Templates/shop/mxinfo.dat --
# the fixture store
main:index:html
main:../evil:html
category:cat:html
category:sub:html:cathasparent !catdesc
item:item:html
item:pic:html:itemhaspic !itemhasvariants
ignoreimage:category:o
iimage:100:100
-- Templates/shop/index.html --
<html><body !!bodybgpic!!>!!storename!! by !!companyname!!, !!thisyear!!
logo !!logourl!! !!logowidth!!x!!logoheight!! bg !!bgurl!!
!!url!! !!email!! !!money!!|!!language!!|!!itemname!!|!!itemprice!!|!!itemitemcount!!|!!itemweight!!|!!itemdefqty!!|!!catname!!
!!forme!!A<!-- BEGINKALO PRINT [$storename] ENDKALO -->B
<ul><!-- BEGINKALO
SORT KEYS OF &CATNAME TO &IDS
FOR %I := 1 TO %NUMCATS [ PRINTLN [ &CATNAME(&IDS(%I)) ] ]
ENDKALO
  --></ul> !!storename!!
</body></html>
-- Templates/shop/cat.html --
!!catid!! !!catname!!: !!catdesc!!
-- Templates/shop/sub.html --
sub !!catname!!
-- Templates/shop/item.html --
!!itemid!! !!itemsku!! !!itemname!! !!itemprice!! !!itemweight!! in !!catid!! !!catname!!
<!-- BEGINKALO PRINT [&ITEMNAME($CURITEMID) "/" $CURCATID]
  IF &ITEMNUMVARIANTS($CURITEMID) > 0 THEN [ PRINT [" " &ITEMVARIANTNAME($CURITEMID + "_1")] ]
ENDKALO -->
-- Templates/shop/pic.html --
pic !!itemname!!
-- expect/index.html --
<html><body BACKGROUND="bg.gif">Mugs !!storename!! by Your Company Name, {year}
logo http://mugs.example/shop/logo.gif 30x20 bg http://mugs.example/shop/bg.gif
http://mugs.example orders@your-store.example |||0.00|1|0.000000|1|
<FORM TARGET="_top" ACTION="http://www3.cart.zelmokrant.example/mini/center/orderarc.cgi?M5000" METHOD="POST">
<INPUT TYPE="hidden" NAME="00-PARTNERID" VALUE="P7">
<INPUT TYPE="hidden" NAME="00-SITEID" VALUE="M5000">
<INPUT TYPE="hidden" NAME="00-SERVER" VALUE="3">
<INPUT TYPE="hidden" NAME="10-BGURL" VALUE="http://mugs.example/shop/bg.gif">
<INPUT TYPE="hidden" NAME="10-BGCOLOR" VALUE="white">
<INPUT TYPE="hidden" NAME="10-TEXT" VALUE="black">
<INPUT TYPE="hidden" NAME="10-LINK" VALUE="blue">
<INPUT TYPE="hidden" NAME="10-ALINK" VALUE="red">
<INPUT TYPE="hidden" NAME="10-VLINK" VALUE="blue">
<INPUT TYPE="hidden" NAME="10-FONTFACE" VALUE="Arial, Helvetica, sans-serif">
<INPUT TYPE="hidden" NAME="10-LOGOURL" VALUE="http://mugs.example/shop/logo.gif">
<INPUT NAME="EMPTY" TYPE="SUBMIT" VALUE="EMPTY Cart"></FORM>
AMugs !!storename!!B
<ul>Mugs
Cups
Plates
</ul> Mugs !!storename!!
</body></html>
-- expect/cat10.html --
10 Mugs: Coffee mugs
-- expect/cat20.html --
20 Cups: 
-- expect/cat30.html --
30 Plates: 
-- expect/sub20.html --
sub Cups
-- expect/item100.html --
100 M-1 Mug 9.95 0.500000 in 10 Mugs
Mug/10
-- expect/item200.html --
200 C-1 Cup 0.00 0.000000 in  
Cup/ Large
-- expect/item300.html --
300 P-1 Plate 12.50 0.000000 in 20 Cups
Plate/20
-- expect/pic100.html --
pic Mug
-- expect/pic300.html --
pic Plate
)";

// The window of a test run: records every new status line, writes pictures, and can press
// Cancel Generation when a given line is shown.
class RecordingHost : public GenerationHost {
public:
    explicit RecordingHost(ActivityFlags& flags) : flags_(flags) {}
    void statusCall(WorkerChannel& channel) override {
        savePictureInChannel(channel);
        cancelVisible = channel.cancelVisible;
        if (!channel.newStatus) return;
        lines.push_back(channel.statusText);
        if (channel.statusText == cancelAt) flags_.Running.store(false);
    }
    std::vector<std::string> lines;
    std::string cancelAt;
    bool cancelVisible = false;

private:
    ActivityFlags& flags_;
};

struct RunRecord {
    std::vector<std::string> lines;
    bool cancelVisibleAtEnd = true;
    GenerationState state;
};

RunRecord Generate(ShopFixture& shop, const std::string& cancelAt = "") {
    ActivityFlags flags;
    RecordingHost host(flags);
    host.cancelAt = cancelAt;
    RunRecord run;
    TGenThread generation(shop.catalog, shop.home.path(), run.state, flags, host);
    EXPECT_TRUE(generation.start());
    generation.wait();
    EXPECT_FALSE(flags.Running.load());
    run.lines = host.lines;
    run.cancelVisibleAtEnd = host.cancelVisible;
    return run;
}

// The final line with its time made fixed, for comparing whole runs.
std::string WithoutTime(std::string line) {
    return std::regex_replace(line, std::regex("\nTime: [0-9]+ sec\\.$"), "\nTime: N sec.");
}

PictureSize SizeOf(const std::string& path) {
    Picture p;
    PictureSize full;
    if (!readPicture(path, p, full, nullptr)) return {-1, -1};
    return full;
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(Generation, WritesThePagesCopiesAndPicturesInOrder) {
    ShopFixture shop(kShop);
    const std::string output = shop.catalog.CatalogFolder + "/output";
    WriteFileBytes(output + "/old.html", "from the last run");
    WriteFileBytes(output + "/keep/inside.txt", "sub-folders survive");

    RunRecord run = Generate(shop);
    for (std::string& line : run.lines) {
        line = WithoutTime(line);
        if (line.rfind("Skipped Picture: i100.jpg (", 0) == 0) line = "Skipped Picture: i100.jpg";
    }
    EXPECT_EQ(run.lines, (std::vector<std::string>{
                             "Vivivud Generation: Preparing Output Directory.",
                             "Working on File: index.html",
                             "Skipped File: ../evil.html (unsafe name)",
                             "Working on Category: Mugs",
                             "Working on Category: Cups",
                             "Working on Category: Plates",
                             "Working on Category: Cups",
                             "Working on Item: Mug",
                             "Working on Item: Cup",
                             "Working on Item: Plate",
                             "Working on Item: Mug",
                             "Working on Item: Plate",
                             "Copied File: bg.gif",
                             "Copied File: i100.jpg",
                             "Copied File: i200.jpg",
                             "Copied File: i300.jpg",
                             "Copied File: logo.gif",
                             "Copied File: notes.txt",
                             "Working on Image: Mugs",
                             "Working on Image: Cups",
                             "Working on Image: Plates",
                             "Working on Image: Mug",
                             "Skipped Picture: i100.jpg",
                             "Working on Image: Cup",
                             "Working on Image: Plate",
                             "Vivivud Generation Succeeded.\nTime: N sec.",
                         }));
    EXPECT_FALSE(run.cancelVisibleAtEnd);

    for (const auto& [name, bytes] : shop.expectedPages) EXPECT_EQ(shop.output(name), bytes) << name;
    EXPECT_EQ(FilesIn(output),
              (std::vector<std::string>{"_c10.jpg", "_i200.jpg", "_i300.jpg", "bg.gif", "cat10.html",
                                        "cat20.html", "cat30.html", "i100.jpg", "i200.jpg",
                                        "i300.jpg", "index.html", "item100.html", "item200.html",
                                        "item300.html", "keep", "logo.gif", "notes.txt",
                                        "pic100.html", "pic300.html", "rc10.jpg", "ri200.jpg",
                                        "ri300.jpg", "sub20.html"}));
    EXPECT_EQ(run.state.logoWidth, 30);
    EXPECT_EQ(run.state.logoHeight, 20);

    // Category box 200, icons at the catalog's IconSize 80, item box 100 from the template.
    const std::pair<const char*, PictureSize> sizes[] = {
        {"rc10.jpg", {200, 100}}, {"_c10.jpg", {80, 40}},
        {"ri300.jpg", {100, 74}}, {"_i300.jpg", {80, 59}},
        {"ri200.jpg", {1, 100}},  {"_i200.jpg", {1, 80}},  // 3 by 1000: width 0 becomes 1
    };
    for (const auto& [name, size] : sizes) EXPECT_EQ(SizeOf(output + "/" + name), size) << name;
}

TEST(Generation, EveryEndingReportsItsLineHidesCancelAndClearsTheFlag) {
    struct Case {
        const char* name;
        std::function<void(ShopFixture&)> arrange;
        const char* cancelAt;
        std::string lastLine;
        std::vector<std::string> outputFiles;  // empty: not checked
        std::string page = "", pageBytes = "";  // one page to compare, when named
    } cases[] = {
        {"no output folder",
         [](ShopFixture& s) { fs::remove_all(s.catalog.CatalogFolder + "/output"); }, "",
         "Vivivud Generation Failed: No Output Directory.", {}},
        {"never saved", [](ShopFixture& s) { s.catalog.CatalogFolder.clear(); }, "",
         "Vivivud Generation Failed: No Output Directory.", {}},
        {"no template",
         [](ShopFixture& s) {
             s.catalog.Template.clear();
             WriteFileBytes(s.catalog.CatalogFolder + "/output/old.html", "stays");
         },
         "", "Vivivud Generation Failed: Bad Template.", {"old.html"}},
        {"template leading outside the library", [](ShopFixture& s) { s.catalog.Template = ".."; },
         "", "Vivivud Generation Failed: Bad Template.", {}},
        {"newer version needed",
         [](ShopFixture& s) {
             WriteFileBytes(s.home / "Templates/shop/mxinfo.dat",
                            "version:MARLIX:1.5\nmain:index:html\nignoreimage:category:ri\n");
         },
         "", "Vivivud Generation Failed: Template requires Marlix version upgrade to 1.5",
         {"index.html"}},
        {"version that is not a number",
         [](ShopFixture& s) {
             WriteFileBytes(s.home / "Templates/shop/mxinfo.dat", "version:marlix:one\nmain:index:html\n");
         },
         "", "Vivivud Generation Failed: Template version not understood: one", {"index.html"}},
        {"script errors in two pages",
         [](ShopFixture& s) {
             WriteFileBytes(s.home / "Templates/shop/sub.html",
                            "a<!-- BEGINKALO PRINT [\"x\"] SET %A := 1 / 0 ENDKALO -->b\n");
             WriteFileBytes(s.home / "Templates/shop/pic.html",
                            "<!-- BEGINKALO IF 1 [ ] ENDKALO -->\n");
         },
         "", "Vivivud Generation Failed: Template script error (-22) in\n   sub.html\nTime: N sec.",
         {}, "sub20.html",
         "ax\n_KALO_ version: 1.3.3 ***ERROR***\nLine 1: Division by zero error.\n"
         "Failure: Halting... \nb\n"},
        {"a script that never ends, cancelled",
         [](ShopFixture& s) {
             WriteFileBytes(s.home / "Templates/shop/index.html",
                            "<!-- BEGINKALO WHILE 1 < 2 DO [ SET %I := 1 ] ENDKALO -->\n");
         },
         "Working on File: index.html", "Vivivud Generation Cancelled.\nTime: N sec.",
         {"index.html"}},
        {"cancelled during the category pages", nullptr, "Working on Category: Cups",
         "Vivivud Generation Cancelled.\nTime: N sec.",
         {"cat10.html", "cat20.html", "index.html"}},
    };
    for (const Case& c : cases) {
        ShopFixture shop(kShop);
        if (c.arrange) c.arrange(shop);
        RunRecord run = Generate(shop, c.cancelAt);
        ASSERT_FALSE(run.lines.empty()) << c.name;
        EXPECT_EQ(WithoutTime(run.lines.back()), c.lastLine) << c.name;
        EXPECT_FALSE(run.cancelVisibleAtEnd) << c.name;
        if (!c.outputFiles.empty()) {
            EXPECT_EQ(FilesIn(shop.catalog.CatalogFolder + "/output"), c.outputFiles) << c.name;
        }
        if (!c.page.empty()) {
            EXPECT_EQ(shop.output(c.page), c.pageBytes) << c.name;
        }
    }
}

TEST(Generation, ASecondGenerateWhileOneRunsOrUploadsDoesNothing) {
    ShopFixture shop(kShop);
    ActivityFlags flags;
    RecordingHost host(flags);
    GenerationState state;
    TGenThread generation(shop.catalog, shop.home.path(), state, flags, host);
    flags.Uploading = true;
    EXPECT_FALSE(generation.start());
    flags.Uploading = false;
    flags.Running = true;  // a run is going
    EXPECT_FALSE(generation.start());
    EXPECT_TRUE(host.lines.empty());
}

TEST(Generation, ElapsedTimeText) {
    const std::pair<long, const char*> cases[] = {
        {0, "\nTime: 0 sec."}, {59, "\nTime: 59 sec."}, {60, "\nTime: 1 min. 0 sec."},
        {185, "\nTime: 3 min. 5 sec."}};
    for (const auto& [seconds, text] : cases) EXPECT_EQ(elapsedTimeText(seconds), text);
}

TEST(Generation, AnIdThatWouldLeadOutOfTheOutputFolderIsSkipped) {
    ShopFixture shop(kShop);
    shop.catalog.Categories["../../x"] = MXCategory{"../../x", "Escape", "", ""};
    RunRecord run = Generate(shop);
    EXPECT_NE(std::find(run.lines.begin(), run.lines.end(), "Skipped File: cat../../x.html (unsafe name)"),
              run.lines.end());
    EXPECT_FALSE(fs::exists(shop.home / "x.html"));
    EXPECT_FALSE(fs::exists(shop.catalog.CatalogFolder + "/x.html"));
    EXPECT_EQ(WithoutTime(run.lines.back()), "Vivivud Generation Succeeded.\nTime: N sec.");
}
