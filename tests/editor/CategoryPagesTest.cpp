#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

#include "EditorWindowFixture.h"
#include "RunProgram.h"
#include "catalog/MXCatalog.h"
#include "editor/PicturePreview.h"
#include "generator/JpegFile.h"
#include "generator/Picture.h"
#include "generator/PictureFile.h"

namespace fs = std::filesystem;

namespace {

class CategoryPages : public EditorWindow {
protected:
    // Adds a category through the editor, below `parent` unless that is empty.
    void AddCategory(const QString& name, const QString& parent = {}) {
        ClickMain("LMDMMButtonCat");
        Click(kPageCategories, "LMDButtonAdd");
        ASSERT_EQ(Page(), kPageCatInfo);
        Type(kPageCatInfo, "LMDCatName", name);
        if (!parent.isEmpty()) Select(kPageCatInfo, "ListBoxCategory", parent);
        Click(kPageCatInfo, "LMDButtonOK");
    }
    void Modify(const QString& row) {
        ClickMain("LMDMMButtonCat");
        Select(kPageCategories, "ListBoxModify", row);
        Click(kPageCategories, "LMDButtonModify");
        ASSERT_EQ(Page(), kPageCatInfo);
    }
    std::string IdOf(const std::string& name) {
        for (const auto& [id, category] : Catalog().Categories)
            if (category.Name == name) return id;
        return {};
    }
    // Books with the children Fiction and History, each made after Books.
    void BooksTree() {
        AddCategory("Books");
        AddCategory("Fiction", "Books");
        AddCategory("History", "Books");
    }
};

TEST_F(CategoryPages, EmptyCatalogOffersOnlyAdd) {
    ClickMain("LMDMMButtonCat");
    EXPECT_EQ(Page(), kPageCategories);
    EXPECT_FALSE(On<QWidget>(kPageCategories, "LMDButtonAdd")->isHidden());
    for (const char* name : {"LMDButtonModify", "ListBoxModify", "LabelModify", "LMDButtonRemove",
                             "ListBoxRemove", "LabelRemove"})
        EXPECT_TRUE(On<QWidget>(kPageCategories, name)->isHidden()) << name;
}

TEST_F(CategoryPages, NewCategoriesFormAnIndentedTree) {
    BooksTree();
    EXPECT_EQ(Status(), "Category Updated: History");
    EXPECT_EQ(Page(), kPageCategories);
    EXPECT_EQ(window->LabelNumCats->text(), "3");
    EXPECT_FALSE(Catalog().Saved);
    const QStringList tree = {"Books", "   Fiction", "   History"};
    EXPECT_EQ(Rows(kPageCategories, "ListBoxModify"), tree);
    EXPECT_EQ(Rows(kPageCategories, "ListBoxRemove"), tree);
    EXPECT_FALSE(On<QWidget>(kPageCategories, "ListBoxRemove")->isHidden());
    const MXCategory& books = Catalog().Categories.at(IdOf("Books"));
    EXPECT_EQ(books.Children, (std::vector<std::string>{IdOf("Fiction"), IdOf("History")}));
    EXPECT_EQ(Catalog().Categories.at(IdOf("Fiction")).Parent, IdOf("Books"));
}

TEST_F(CategoryPages, EditorNeverOffersTheCategoryOrItsSubtreeAsParent) {
    BooksTree();
    Modify("Books");
    EXPECT_EQ(Rows(kPageCatInfo, "ListBoxCategory"), QStringList());
    EXPECT_EQ(Rows(kPageCatInfo, "ListBoxSubcats"), QStringList({"Fiction", "History"}));
    Modify("   Fiction");
    EXPECT_EQ(On<QLineEdit>(kPageCatInfo, "LMDCatName")->text(), "Fiction");
    EXPECT_EQ(Rows(kPageCatInfo, "ListBoxCategory"), QStringList({"Books", "   History"}));
    EXPECT_EQ(List(kPageCatInfo, "ListBoxCategory")->currentRow(), 0);  // its parent
}

TEST_F(CategoryPages, MovingACategoryUpdatesBothParentsAndKeepsItsItems) {
    BooksTree();
    const std::string fiction = IdOf("Fiction"), history = IdOf("History");
    Catalog().Categories.at(fiction).ItemIDs = {"42"};
    Modify("   Fiction");
    Select(kPageCatInfo, "ListBoxCategory", "   History");
    Click(kPageCatInfo, "LMDButtonOK");
    EXPECT_EQ(Status(), "Category Updated: Fiction");
    const auto& categories = Catalog().Categories;
    EXPECT_EQ(categories.at(IdOf("Books")).Children, std::vector<std::string>{history});
    EXPECT_EQ(categories.at(history).Children, std::vector<std::string>{fiction});
    EXPECT_EQ(categories.at(fiction).Parent, history);
    EXPECT_EQ(categories.at(fiction).ItemIDs, std::vector<std::string>{"42"});
    EXPECT_EQ(Rows(kPageCategories, "ListBoxModify"),
              QStringList({"Books", "   History", "      Fiction"}));

    // "No Parent?" makes a root even with a parent row selected.
    Modify("      Fiction");
    On<QCheckBox>(kPageCatInfo, "LMDCheckBoxNoParent")->setChecked(true);
    Click(kPageCatInfo, "LMDButtonOK");
    EXPECT_EQ(categories.at(fiction).Parent, "");
    EXPECT_TRUE(categories.at(history).Children.empty());
    EXPECT_EQ(Rows(kPageCategories, "ListBoxModify"),
              QStringList({"Books", "   History", "Fiction"}));
}

TEST_F(CategoryPages, EditorRefusalsAndCancel) {
    ClickMain("LMDMMButtonCat");
    Click(kPageCategories, "LMDButtonModify");  // hidden, but the handler still guards
    Click(kPageCategories, "LMDButtonAdd");
    Click(kPageCatInfo, "LMDButtonOK");
    EXPECT_EQ(Page(), kPageCatInfo);
    EXPECT_TRUE(Catalog().Categories.empty());

    Type(kPageCatInfo, "LMDCatName", "  Toys ");
    prompter.Answer(PromptButton::No);
    Click(kPageCatInfo, "LMDButtonCancel");
    EXPECT_EQ(Page(), kPageCatInfo);
    EXPECT_EQ(On<QLineEdit>(kPageCatInfo, "LMDCatName")->text(), "  Toys ");
    prompter.Answer(PromptButton::Yes);
    Click(kPageCatInfo, "LMDButtonCancel");
    EXPECT_EQ(Status(), "Category Changes Ignored");
    EXPECT_EQ(Page(), kPageCategories);
    EXPECT_TRUE(Catalog().Categories.empty());
    EXPECT_TRUE(Catalog().Saved);

    AddCategory("  Toys ");
    EXPECT_EQ(Status(), "Category Updated:   Toys ");  // the name as typed
    EXPECT_EQ(Catalog().Categories.begin()->second.Name, "Toys");
    EXPECT_EQ(prompter.texts(),
              QStringList({"You must select a category to modify.",
                           "You must supply a catagory name.",
                           "Are you sure you want to cancel your changes?",
                           "Are you sure you want to cancel your changes?"}));
}

TEST_F(CategoryPages, OnlyEmptyCategoriesAreRemoved) {
    BooksTree();
    Click(kPageCategories, "LMDButtonRemove");  // nothing selected
    Select(kPageCategories, "ListBoxRemove", "Books");
    Click(kPageCategories, "LMDButtonRemove");  // has sub-categories
    const std::string history = IdOf("History");
    Catalog().Categories.at(history).ItemIDs = {"42"};
    Select(kPageCategories, "ListBoxRemove", "   History");
    Click(kPageCategories, "LMDButtonRemove");  // has an item
    Catalog().Categories.at(history).ItemIDs.clear();
    prompter.Answer(PromptButton::No);
    Click(kPageCategories, "LMDButtonRemove");
    EXPECT_EQ(Catalog().Categories.size(), 3u);
    prompter.Answer(PromptButton::Yes);
    Click(kPageCategories, "LMDButtonRemove");
    EXPECT_EQ(Status(), "Category Removed.");
    EXPECT_EQ(Catalog().Categories.count(history), 0u);
    EXPECT_EQ(Catalog().Categories.at(IdOf("Books")).Children,
              std::vector<std::string>{IdOf("Fiction")});
    EXPECT_EQ(window->LabelNumCats->text(), "2");
    EXPECT_EQ(Rows(kPageCategories, "ListBoxRemove"), QStringList({"Books", "   Fiction"}));
    EXPECT_EQ(prompter.texts().mid(0, 3),
              QStringList({"You must select a category to remove.",
                           "Categories must be empty to be removed.",
                           "Categories must be empty to be removed."}));
}

TEST(PicturePreviewSize, FitsIntoSeventyFiveBySixtyByTruncation) {
    struct Case {
        int width, height;
        QSize preview;
    } cases[] = {{200, 100, {75, 37}}, {100, 200, {30, 60}}, {75, 60, {75, 60}}, {61, 60, {61, 60}}};
    for (const Case& c : cases) EXPECT_EQ(FitPreview(c.width, c.height), c.preview) << c.width;
}

class CategoryPictures : public CategoryPages {
protected:
    void SetUp() override {
        CategoryPages::SetUp();
        Catalog().CatalogFolder = tmp / "Shop";
        fs::create_directories(tmp / "Shop/data");
    }
    // A 200 by 100 BMP file below tmp.
    QString Bmp(const char* name, QColor colour) {
        QImage image(200, 100, QImage::Format_RGB888);
        image.fill(colour);
        const QString path = QString::fromStdString(tmp / name);
        EXPECT_TRUE(image.save(path, "BMP"));
        return path;
    }
    std::string PictureFile(const std::string& name) {
        return tmp / ("Shop/data/c" + IdOf(name) + ".jpg");
    }
    // What the JPEG writer makes of the file: the bytes a stored picture must have.
    std::string ExpectedJpeg(const QString& source) {
        Picture picture;
        PictureSize size;
        EXPECT_TRUE(readPicture(source.toStdString(), picture, size, nullptr));
        const std::string path = tmp / "expected.jpg";
        EXPECT_TRUE(writeJpeg(picture, path, nullptr));
        return ReadFileBytes(path);
    }
};

TEST_F(CategoryPictures, ChosenPictureIsWrittenAsJpegOnOk) {
    const QString red = Bmp("red.BMP", Qt::red);
    ClickMain("LMDMMButtonCat");
    Click(kPageCategories, "LMDButtonAdd");
    Type(kPageCatInfo, "LMDCatName", "Tea");
    prompter.AnswerPath(red);
    Click(kPageCatInfo, "LMDButtonCat");
    auto* preview = On<QLabel>(kPageCatInfo, "ImageCat");
    EXPECT_FALSE(preview->isHidden());
    EXPECT_EQ(preview->size(), QSize(75, 37));
    EXPECT_TRUE(fs::is_empty(tmp / "Shop/data"));  // nothing written before OK
    Click(kPageCatInfo, "LMDButtonOK");

    const std::string written = ReadFileBytes(PictureFile("Tea"));
    EXPECT_EQ(written, ExpectedJpeg(red));
    // JFIF header with density unit 0 and density 1:1, then a progressive frame.
    ASSERT_GT(written.size(), 20u);
    EXPECT_EQ(written.substr(0, 4), "\xFF\xD8\xFF\xE0");
    EXPECT_EQ(written.substr(6, 5), std::string("JFIF\0", 5));
    EXPECT_EQ(written.substr(13, 5), std::string("\0\0\1\0\1", 5));
    EXPECT_NE(written.find("\xFF\xC2"), std::string::npos);

    // OK without Browse leaves the file alone; a new picture replaces it; the remove box
    // deletes it even after a Browse.
    fs::last_write_time(PictureFile("Tea"), fs::file_time_type::clock::now() - std::chrono::hours(1));
    const auto stamp = fs::last_write_time(PictureFile("Tea"));
    Modify("Tea");
    EXPECT_EQ(On<QLabel>(kPageCatInfo, "ImageCat")->size(), QSize(75, 37));
    Click(kPageCatInfo, "LMDButtonOK");
    EXPECT_EQ(fs::last_write_time(PictureFile("Tea")), stamp);

    const QString blue = Bmp("blue.bmp", Qt::blue);
    Modify("Tea");
    prompter.AnswerPath(blue);
    Click(kPageCatInfo, "LMDButtonCat");
    Click(kPageCatInfo, "LMDButtonOK");
    EXPECT_EQ(ReadFileBytes(PictureFile("Tea")), ExpectedJpeg(blue));

    Modify("Tea");
    prompter.AnswerPath(red);
    Click(kPageCatInfo, "LMDButtonCat");
    On<QCheckBox>(kPageCatInfo, "LMDCheckBoxRemCat")->setChecked(true);
    Click(kPageCatInfo, "LMDButtonOK");
    EXPECT_FALSE(fs::exists(PictureFile("Tea")));
    EXPECT_EQ(Status(), "Category Updated: Tea");
}

TEST_F(CategoryPictures, PictureNeedsASavedCatalogAndAReadableFile) {
    const QString red = Bmp("red.bmp", Qt::red);
    WriteFileBytes(tmp / "broken.gif", "GIF89a");
    Catalog().CatalogFolder.clear();
    ClickMain("LMDMMButtonCat");
    Click(kPageCategories, "LMDButtonAdd");
    Type(kPageCatInfo, "LMDCatName", "Tea");
    prompter.AnswerPath(QString::fromStdString(tmp / "broken.gif"));
    Click(kPageCatInfo, "LMDButtonCat");
    EXPECT_TRUE(On<QLabel>(kPageCatInfo, "ImageCat")->isHidden());
    Click(kPageCatInfo, "LMDButtonOK");  // nothing chosen yet: accepted
    EXPECT_EQ(Catalog().Categories.size(), 1u);

    Click(kPageCategories, "LMDButtonAdd");
    Type(kPageCatInfo, "LMDCatName", "Coffee");
    prompter.AnswerPath(red);
    Click(kPageCatInfo, "LMDButtonCat");
    Click(kPageCatInfo, "LMDButtonOK");
    EXPECT_EQ(Page(), kPageCatInfo);
    EXPECT_EQ(Catalog().Categories.size(), 1u);
    ASSERT_EQ(prompter.shown().size(), 4u);
    EXPECT_EQ(prompter.shown()[1].caption, "Category Error");  // the reader's complaint
    EXPECT_EQ(prompter.shown()[3].caption, "Category Error");
    EXPECT_EQ(prompter.shown()[3].text, "You must save your catalog before you can add images.");
}

}  // namespace
