#include <gif_lib.h>

#include <QCheckBox>
#include <QPlainTextEdit>
#include <set>

#include "EditorWindowFixture.h"
#include "catalog/MXCatalog.h"
#include "editor/PicturePreview.h"

namespace fs = std::filesystem;

namespace {

using GeneralPage = EditorWindow;

std::string Le(uint32_t v, int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i) s += static_cast<char>(v >> (8 * i) & 255);
    return s;
}

// A 24-bit BMP file of a smooth colour gradient: far more than 256 colours.
std::string GradientBmp(int width, int height) {
    const int stride = (width * 3 + 3) / 4 * 4;
    std::string pixels;
    for (int y = height - 1; y >= 0; --y) {  // BMP rows run bottom-up, blue first
        std::string row;
        for (int x = 0; x < width; ++x)
            row += {static_cast<char>((x + y) * 2), static_cast<char>(y * 5),
                    static_cast<char>(x * 4)};
        row.resize(static_cast<size_t>(stride), '\0');
        pixels += row;
    }
    return "BM" + Le(54 + pixels.size(), 4) + Le(0, 4) + Le(54, 4) + Le(40, 4) + Le(width, 4) +
           Le(height, 4) + Le(1, 2) + Le(24, 2) + Le(0, 4) + Le(pixels.size(), 4) + Le(0, 16) +
           pixels;
}

struct GifContents {
    int width = 0, height = 0, colours = 0;
    double meanError = 0;  // mean difference per channel from the gradient
};

// Reads a written GIF back with giflib and compares it with GradientBmp's colours.
GifContents ReadGradientGif(const std::string& path) {
    GifContents out;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
    if (!gif) return out;
    if (DGifSlurp(gif) == GIF_OK && gif->ImageCount == 1 && gif->SColorMap) {
        out.width = gif->SWidth;
        out.height = gif->SHeight;
        const GifColorType* map = gif->SColorMap->Colors;
        const GifByteType* raster = gif->SavedImages[0].RasterBits;
        std::set<int> used;
        double total = 0;
        for (int y = 0; y < out.height; ++y)
            for (int x = 0; x < out.width; ++x) {
                const int index = raster[y * out.width + x];
                used.insert(index);
                total += std::abs(map[index].Red - x * 4) + std::abs(map[index].Green - y * 5) +
                         std::abs(map[index].Blue - (x + y) * 2);
            }
        out.colours = static_cast<int>(used.size());
        out.meanError = total / (3.0 * out.width * out.height);
    }
    DGifCloseFile(gif, &error);
    return out;
}

}  // namespace

TEST_F(GeneralPage, OkStoresTheDetailsWithAddressAndPathTrimmed) {
    const struct {
        QString url, path;
        std::string storedUrl, storedPath;
    } cases[] = {
        {"http://", "/", "http://", ""},
        {"http://tea.example/", "/shop/", "http://tea.example", "shop"},
        {"http://tea.example//", "shop//", "http://tea.example/", "shop/"},
        {"http:/", "//shop", "http:/", "/shop"},
    };
    for (const auto& c : cases) {
        ClickMain("LMDMMButtonGeneral");
        ASSERT_EQ(Page(), kPageGeneral);
        Type(kPageGeneral, "LMDEditURL", c.url);
        Type(kPageGeneral, "LMDEditPath", c.path);
        Click(kPageGeneral, "LMDButtonOK");
        EXPECT_EQ(Catalog().URL, c.storedUrl);
        EXPECT_EQ(Catalog().Path, c.storedPath);
    }

    ClickMain("LMDMMButtonGeneral");
    EXPECT_EQ(Text(kPageGeneral, "LMDEditURL"), "http:/");
    Type(kPageGeneral, "LMDEditCoName", "Harbour Tea Ltd");
    Type(kPageGeneral, "LMDEditStName", "Harbour Tea");
    Type(kPageGeneral, "LMDEditDesc", "Teas from the harbour");
    On<QPlainTextEdit>(kPageGeneral, "LMDMemoWelcomeMsg")->setPlainText("Welcome!\n\nSit down.");
    Catalog().Saved = true;
    Click(kPageGeneral, "LMDButtonOK");
    EXPECT_EQ(Status(), "General Information Updated");
    EXPECT_EQ(Page(), kPageProperties);
    EXPECT_EQ(Catalog().CompanyName, "Harbour Tea Ltd");
    EXPECT_EQ(Catalog().StoreName, "Harbour Tea");
    EXPECT_EQ(Catalog().Desc, "Teas from the harbour");
    EXPECT_EQ(Catalog().WelcomeMsg, "Welcome!\r\n\r\nSit down.");
    EXPECT_EQ(window->LabelStore->text(), "Harbour Tea");
    EXPECT_FALSE(Catalog().Saved);
    EXPECT_TRUE(window->MenuSave->isEnabled());

    ClickMain("LMDMMButtonGeneral");  // the memo shows the stored lines again
    EXPECT_EQ(On<QPlainTextEdit>(kPageGeneral, "LMDMemoWelcomeMsg")->toPlainText(),
              "Welcome!\n\nSit down.");

    // OK without any change still marks the catalog unsaved.
    Catalog().Saved = true;
    Click(kPageGeneral, "LMDButtonOK");
    EXPECT_FALSE(Catalog().Saved);
}

TEST_F(GeneralPage, CancelAsksAndTheNextVisitShowsTheCatalogAgain) {
    Catalog().StoreName = "Harbour Tea";
    ClickMain("LMDMMButtonGeneral");
    Type(kPageGeneral, "LMDEditStName", "Other Tea");
    prompter.Answer(PromptButton::No);
    Click(kPageGeneral, "LMDButtonCancel");
    EXPECT_EQ(Page(), kPageGeneral);
    EXPECT_EQ(Text(kPageGeneral, "LMDEditStName"), "Other Tea");
    prompter.Answer(PromptButton::Yes);
    Click(kPageGeneral, "LMDButtonCancel");
    EXPECT_EQ(Page(), kPageProperties);
    EXPECT_EQ(Status(), "General Information Changes Ignored");
    EXPECT_EQ(Catalog().StoreName, "Harbour Tea");
    EXPECT_TRUE(Catalog().Saved);
    ClickMain("LMDMMButtonGeneral");
    EXPECT_EQ(Text(kPageGeneral, "LMDEditStName"), "Harbour Tea");
    EXPECT_EQ(prompter.texts(), QStringList({"Are you sure you want to cancel your changes?",
                                             "Are you sure you want to cancel your changes?"}));
}

TEST_F(GeneralPage, PicturesNeedASavedCatalog) {
    WriteFileBytes(tmp / "logo.bmp", GradientBmp(64, 48));
    ClickMain("LMDMMButtonGeneral");
    Type(kPageGeneral, "LMDEditStName", "Harbour Tea");
    prompter.AnswerPath(QString::fromStdString(tmp / "logo.bmp"));
    Click(kPageGeneral, "LMDButtonLogo");
    EXPECT_TRUE(On<PicturePreview>(kPageGeneral, "ImageLogo")->isVisible());
    Click(kPageGeneral, "LMDButtonOK");
    EXPECT_EQ(prompter.shown().back().caption, "General Information Error");
    EXPECT_EQ(prompter.shown().back().text,
              "You must save your catalog before you can add images.");
    EXPECT_EQ(Page(), kPageGeneral);
    EXPECT_EQ(Catalog().StoreName, "");  // not even the text fields are taken
    EXPECT_TRUE(Catalog().Saved);
}

TEST_F(GeneralPage, ChosenLogoIsWrittenAsGifAndRemoveDeletesIt) {
    Catalog().CatalogFolder = tmp / "Harbour";
    fs::create_directories(Catalog().CatalogFolder);
    ASSERT_TRUE(Catalog().Save());
    const std::string logo = tmp / "Harbour/data/logo.gif";
    const std::string background = tmp / "Harbour/data/bg.gif";
    WriteFileBytes(tmp / "gradient.bmp", GradientBmp(64, 48));
    WriteFileBytes(tmp / "broken.jpg", "not a picture");
    WriteFileBytes(background, "old background");

    ClickMain("LMDMMButtonGeneral");
    EXPECT_FALSE(On<PicturePreview>(kPageGeneral, "ImageLogo")->isVisible());
    EXPECT_FALSE(On<PicturePreview>(kPageGeneral, "ImageBG")->isVisible());  // unreadable
    prompter.AnswerPath(QString::fromStdString(tmp / "gradient.bmp"));
    Click(kPageGeneral, "LMDButtonLogo");
    prompter.AnswerPath(QString::fromStdString(tmp / "broken.jpg"));
    Click(kPageGeneral, "LMDButtonBG");  // refused: the background stays unchosen
    EXPECT_EQ(prompter.shown().back().caption, "General Information Error");
    prompter.AnswerPath(std::nullopt);
    Click(kPageGeneral, "LMDButtonLogo");  // cancelled: the chosen logo stays
    Click(kPageGeneral, "LMDButtonOK");
    EXPECT_EQ(Status(), "General Information Updated");
    EXPECT_EQ(ReadFileBytes(background), "old background");

    const GifContents gif = ReadGradientGif(logo);
    EXPECT_EQ(gif.width, 64);
    EXPECT_EQ(gif.height, 48);
    EXPECT_GT(gif.colours, 16);
    EXPECT_LE(gif.colours, 256);
    EXPECT_LT(gif.meanError, 6.0);

    // The stored logo comes back in the preview, fitted into 75 by 60.
    ClickMain("LMDMMButtonGeneral");
    auto* preview = On<PicturePreview>(kPageGeneral, "ImageLogo");
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->size(), QSize(75, 56));

    // The remove box wins over a newly chosen picture.
    prompter.AnswerPath(QString::fromStdString(tmp / "gradient.bmp"));
    Click(kPageGeneral, "LMDButtonBG");
    On<QCheckBox>(kPageGeneral, "LMDCheckBoxRemBG")->setChecked(true);
    On<QCheckBox>(kPageGeneral, "LMDCheckBoxRemLogo")->setChecked(true);
    Click(kPageGeneral, "LMDButtonOK");
    EXPECT_FALSE(fs::exists(logo));
    EXPECT_FALSE(fs::exists(background));
}
