#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "EditorWindowFixture.h"
#include "catalog/MXCatalog.h"
#include "editor/TFormItemInfo.h"
#include "editor/TFormVariants.h"

namespace {

class ItemPages : public EditorWindow {
protected:
    MXItem& StoredItem(const std::string& id, const std::string& sku, const std::string& name) {
        MXItem& item = Catalog().Items[id];
        item.ID = id;
        item.SKU = sku;
        item.Name = name;
        return item;
    }
    void AddCategory(const std::string& id, const std::string& name) {
        Catalog().Categories[id].ID = id;
        Catalog().Categories[id].Name = name;
    }
    void NewItem(const QString& sku, const QString& name) {
        ClickMain("LMDMMButtonItems");
        Click(kPageItems, "LMDButtonAdd");
        ASSERT_EQ(Page(), kPageItemInfo);
        Type(kPageItemInfo, "LMDEditSKU", sku);
        Type(kPageItemInfo, "LMDEditName", name);
    }
    void Open(const QString& name) {
        ClickMain("LMDMMButtonItems");
        Select(kPageItems, "ListBoxModify", name);
        Click(kPageItems, "LMDButtonModify");
        ASSERT_EQ(Page(), kPageItemInfo);
    }
    TFormItemInfo* Editor() {
        return static_cast<TFormItemInfo*>(window->Pages()->Page(kPageItemInfo));
    }
    // Presses `button` of the item editor; once the variant dialog shows, `fill` types into it
    // and OK is pressed. A dialog still open after that (a refused OK) is closed as cancelled.
    void WithVariantDialog(const char* button, std::function<void(TFormVariants&)> fill) {
        TFormVariants* dialog = Editor()->FormVariants;
        QTimer::singleShot(0, dialog, [dialog, fill] {
            fill(*dialog);
            QTest::mouseClick(dialog->LMDButtonOK, Qt::LeftButton);
            if (dialog->isVisible()) dialog->done(QDialog::Rejected);
        });
        Click(kPageItemInfo, button);
    }
    void AddVariant(const QString& sku, const QString& name, const QString& price = "2.5") {
        WithVariantDialog("LMDButtonVadd", [=](TFormVariants& d) {
            d.LMDEditSKU->setText(sku);
            d.LMDEditName->setText(name);
            d.LMDMaskEditPrice->setText(price);
        });
    }
};

TEST_F(ItemPages, ListIsSortedByteWiseAndEmptyCatalogOffersOnlyAdd) {
    ClickMain("LMDMMButtonItems");
    EXPECT_TRUE(On<QWidget>(kPageItems, "ListBoxModify")->isHidden());
    EXPECT_TRUE(On<QWidget>(kPageItems, "LMDButtonRemove")->isHidden());
    StoredItem("1", "A", "apple");
    StoredItem("2", "B", "cherry");
    StoredItem("3", "C", "Banana");
    ClickMain("LMDMMButtonItems");
    EXPECT_EQ(Rows(kPageItems, "ListBoxModify"), QStringList({"Banana", "apple", "cherry"}));
    EXPECT_EQ(Rows(kPageItems, "ListBoxRemove"), QStringList({"Banana", "apple", "cherry"}));
    EXPECT_FALSE(On<QWidget>(kPageItems, "LabelRemove")->isHidden());
}

TEST_F(ItemPages, OkRefusesMissingFieldsAndNamesOrSkusInUse) {
    StoredItem("1", "AB1", "Widget");
    StoredItem("2", "X", "Gadget").Variants["7"] = {"7", "V-7", "Gizmo", 1, 0};
    struct Case {
        QString sku, name, price, message;
    } cases[] = {
        {"", "Mug", "1", "The following fields are mandatory: SKU, Name and Retail Price"},
        {"M1", "Mug", "", "The following fields are mandatory: SKU, Name and Retail Price"},
        {"AB1", "Mug", "1", "The SKU you entered is already in use."},
        {"M1", "WIDGET", "1", "The Item Name you entered is already in use."},
        {"V-7", "Mug", "1", "The SKU you entered is already in use."},
        {"M1", "gizmo", "1", "The Item Name you entered is already in use."},
        {"M1", "Mug", "-", "The prices, rates, item count, weight and default quantity must be "
                           "numbers."},
    };
    for (const Case& c : cases) {
        NewItem(c.sku, c.name);
        Type(kPageItemInfo, "LMDMaskEditPrice", c.price);
        Click(kPageItemInfo, "LMDButtonOK");
        EXPECT_EQ(Page(), kPageItemInfo) << c.message.toStdString();
        ASSERT_FALSE(prompter.shown().empty());
        EXPECT_EQ(prompter.shown().back().text, c.message);
        EXPECT_EQ(prompter.shown().back().caption, "Item Error");
        EXPECT_EQ(Catalog().Items.size(), 2u);
    }
    EXPECT_TRUE(Catalog().Saved);
    NewItem("ab1", "Widgets");  // SKUs compare with case
    Click(kPageItemInfo, "LMDButtonOK");
    EXPECT_EQ(Status(), "Item Updated: (ab1) Widgets");
    EXPECT_EQ(Catalog().Items.size(), 3u);
    // The item itself is skipped, and its own variants may carry its name.
    Catalog().Items.at("1").Variants["8"] = {"8", "AB1-S", "Widget", 1, 0};
    Open("Widget");
    Click(kPageItemInfo, "LMDButtonOK");
    EXPECT_EQ(Status(), "Item Updated: (AB1) Widget");
}

TEST_F(ItemPages, NewItemIsStoredWithItsFieldsAndCategories) {
    AddCategory("100", "Cups");
    AddCategory("200", "Gifts");
    AddCategory("300", "Sale");
    Catalog().Categories["300"].ItemIDs = {"5"};
    NewItem(" A1 ", "Mug");
    EXPECT_EQ(On<QComboBox>(kPageItemInfo, "ComboBoxQtySel")->currentText(), "Text Box");
    EXPECT_EQ(Text(kPageItemInfo, "LMDMaskEditItemCount"), "1");
    Type(kPageItemInfo, "LMDMaskEditPrice", "12.5");
    Type(kPageItemInfo, "LMDMaskEditWeight", "0.25");
    Type(kPageItemInfo, "LMDEditKeywords", " tea mug ");
    Type(kPageItemInfo, "LMDEditSDesc", " A mug ");
    List(kPageItemInfo, "ListBoxCategory")->item(2)->setSelected(true);
    List(kPageItemInfo, "ListBoxCategory")->item(0)->setSelected(true);
    Catalog().CatalogFolder = tmp / "Shop";
    std::filesystem::create_directories(tmp / "Shop/data");
    QImage picture(30, 20, QImage::Format_RGB888);
    picture.fill(Qt::green);
    ASSERT_TRUE(picture.save(QString::fromStdString(tmp / "mug.bmp"), "BMP"));
    prompter.AnswerPath(QString::fromStdString(tmp / "mug.bmp"));
    Click(kPageItemInfo, "LMDButtonItem");
    Click(kPageItemInfo, "LMDButtonOK");
    EXPECT_EQ(Status(), "Item Updated: ( A1 ) Mug");
    EXPECT_EQ(Page(), kPageItems);
    EXPECT_EQ(window->LabelNumItems->text(), "1");
    EXPECT_FALSE(Catalog().Saved);
    ASSERT_EQ(Catalog().Items.size(), 1u);
    const auto& [id, item] = *Catalog().Items.begin();
    EXPECT_EQ(item.ID, id);
    EXPECT_EQ(item.SKU, "A1");
    EXPECT_FLOAT_EQ(item.Price, 12.5f);
    EXPECT_FLOAT_EQ(item.Weight, 0.25f);
    EXPECT_EQ(item.Keywords, "tea mug");
    EXPECT_EQ(item.ShortDesc, " A mug ");
    EXPECT_EQ(item.QtySelect, QtyTextBox);
    EXPECT_EQ(item.CategoryIDs, (std::vector<std::string>{"100", "300"}));
    EXPECT_EQ(Catalog().Categories["100"].ItemIDs, std::vector<std::string>{id});
    EXPECT_EQ(Catalog().Categories["300"].ItemIDs, (std::vector<std::string>{id, "5"}));
    EXPECT_TRUE(Catalog().Categories["200"].ItemIDs.empty());
    EXPECT_TRUE(std::filesystem::is_regular_file(tmp / ("Shop/data/i" + id + ".jpg")));

    // Opening shows the stored values; deselecting every category leaves the item in none.
    Open("Mug");
    EXPECT_EQ(Text(kPageItemInfo, "LMDMaskEditPrice"), "12.50");
    EXPECT_EQ(List(kPageItemInfo, "ListBoxCategory")->selectedItems().size(), 2);
    List(kPageItemInfo, "ListBoxCategory")->clearSelection();
    Click(kPageItemInfo, "LMDButtonOK");
    EXPECT_TRUE(Catalog().Items.at(id).CategoryIDs.empty());
    EXPECT_TRUE(Catalog().Categories["100"].ItemIDs.empty());
    EXPECT_EQ(Catalog().Categories["300"].ItemIDs, std::vector<std::string>{"5"});
}

TEST_F(ItemPages, RemoveAsksAndTakesTheItemOutOfItsCategories) {
    AddCategory("100", "Cups");
    StoredItem("1", "A1", "Mug");
    Catalog().Categories["100"].ItemIDs = {"1"};
    ClickMain("LMDMMButtonItems");
    Click(kPageItems, "LMDButtonRemove");
    Select(kPageItems, "ListBoxRemove", "Mug");
    prompter.Answer(PromptButton::No);
    Click(kPageItems, "LMDButtonRemove");
    EXPECT_EQ(Catalog().Items.size(), 1u);
    prompter.Answer(PromptButton::Yes);
    Click(kPageItems, "LMDButtonRemove");
    EXPECT_EQ(Status(), "Item Removed.");
    EXPECT_TRUE(Catalog().Items.empty());
    EXPECT_TRUE(Catalog().Categories["100"].ItemIDs.empty());
    EXPECT_EQ(prompter.texts(), QStringList({"You must select an item to remove.",
                                             "Are you sure you want to remove this item?",
                                             "Are you sure you want to remove this item?"}));
}

TEST_F(ItemPages, CancelAnsweredNoKeepsTheInputs) {
    NewItem("A1", "Mug");
    prompter.Answer(PromptButton::No);
    Click(kPageItemInfo, "LMDButtonCancel");
    EXPECT_EQ(Text(kPageItemInfo, "LMDEditName"), "Mug");
    prompter.Answer(PromptButton::Yes);
    Click(kPageItemInfo, "LMDButtonCancel");
    EXPECT_EQ(Status(), "Item Changes Ignored");
    EXPECT_EQ(Page(), kPageItems);
    EXPECT_TRUE(Catalog().Items.empty());
}

TEST_F(ItemPages, VariantsAreAddedChangedAndRemovedInTheWorkingSet) {
    StoredItem("1", "T1", "Tee");
    Open("Tee");
    AddVariant("T1", "Small");  // the item's own stored SKU is in use
    EXPECT_EQ(prompter.shown().back().text, "The SKU you entered is already in use.");
    EXPECT_EQ(prompter.shown().back().caption, "Variant Error");
    AddVariant("T1-S", "", "1");
    EXPECT_EQ(prompter.shown().back().text,
              "The following fields are mandatory: SKU, Name, Price, and Weight");
    AddVariant("T1-S", "Small");
    AddVariant("T1-M", "Medium");
    AddVariant("T1-L", " Large ", "4");
    EXPECT_EQ(Rows(kPageItemInfo, "ListBoxVariants"), QStringList({"Small", "Medium", "Large"}));
    EXPECT_TRUE(Catalog().Items.at("1").Variants.empty());  // nothing stored before OK

    Select(kPageItemInfo, "ListBoxVariants", "Medium");
    WithVariantDialog("LMDButtonVmodify", [](TFormVariants& d) {
        EXPECT_EQ(d.LMDMaskEditPrice->text(), "2.50");
        d.LMDEditSKU->setText("T1-MM");
    });
    Select(kPageItemInfo, "ListBoxVariants", "Small");
    Click(kPageItemInfo, "LMDButtonVremove");
    EXPECT_EQ(Rows(kPageItemInfo, "ListBoxVariants"), QStringList({"Medium", "Large"}));
    Click(kPageItemInfo, "LMDButtonVremove");  // no row selected
    EXPECT_EQ(prompter.shown().back().text, "You must select a variant to remove.");
    Click(kPageItemInfo, "LMDButtonOK");

    const auto& variants = Catalog().Items.at("1").Variants;
    ASSERT_EQ(variants.size(), 2u);
    EXPECT_EQ(variants.begin()->second.SKU, "T1-MM");
    EXPECT_EQ(variants.rbegin()->second.Name, "Large");
    EXPECT_FLOAT_EQ(variants.rbegin()->second.Price, 4.0f);
    for (const auto& [id, variant] : variants) EXPECT_EQ(variant.ID, id);

    // Opened again the list is sorted by name; keeping a stored variant's SKU is accepted, and
    // Cancel drops the changes.
    Open("Tee");
    EXPECT_EQ(Rows(kPageItemInfo, "ListBoxVariants"), QStringList({"Large", "Medium"}));
    Select(kPageItemInfo, "ListBoxVariants", "Large");
    WithVariantDialog("LMDButtonVmodify", [](TFormVariants& d) { d.LMDEditName->setText("XL"); });
    EXPECT_EQ(Rows(kPageItemInfo, "ListBoxVariants"), QStringList({"Medium", "XL"}));
    prompter.Answer(PromptButton::Yes);
    Click(kPageItemInfo, "LMDButtonCancel");
    EXPECT_EQ(Catalog().Items.at("1").Variants.rbegin()->second.Name, "Large");
}

}  // namespace
