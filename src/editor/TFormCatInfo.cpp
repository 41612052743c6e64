#include "TFormCatInfo.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

#include "CatalogText.h"
#include "EditorLists.h"
#include "OkCancelRow.h"
#include "PageHost.h"
#include "Prompter.h"
#include "RecordPicture.h"
#include "TFormCat.h"
#include "TFormMain.h"
#include "catalog/RecordId.h"

namespace {

const char kErrorCaption[] = "Category Error";

QLabel* Note(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

}  // namespace

TFormCatInfo::TFormCatInfo(TFormMain& main, QWidget* parent)
    : EditorPage("FormCatInfo", "Category Information", parent),
      LMDCatName(new QLineEdit),
      LMDMemoCatDesc(new QPlainTextEdit),
      Picture(new RecordPicture("Cat", kErrorCaption,
                                "This is the picture associated with this category (optional)",
                                main.Prompts(), this)),
      ListBoxCategory(new QListWidget),
      LMDCheckBoxNoParent(new QCheckBox("No Parent?")),
      ListBoxSubcats(new QListWidget),
      ListBoxItems(new QListWidget),
      ID(new QLabel("0")),
      main_(main) {
    LMDCatName->setObjectName("LMDCatName");
    LMDCatName->setToolTip("This is the uniqe name of this category");
    LMDMemoCatDesc->setObjectName("LMDMemoCatDesc");
    LMDMemoCatDesc->setToolTip(
        "This is the text that customers will read to find out more about this category");
    ListBoxCategory->setObjectName("ListBoxCategory");
    LMDCheckBoxNoParent->setObjectName("LMDCheckBoxNoParent");
    ListBoxSubcats->setObjectName("ListBoxSubcats");
    ListBoxItems->setObjectName("ListBoxItems");
    ID->setObjectName("ID");
    ID->hide();

    auto* background = new QGroupBox("Category Background");
    auto* form = new QFormLayout(background);
    form->addRow("Name:", LMDCatName);
    auto* descLabel = new QLabel("Long Description:\n(HTML is OK)");
    form->addRow(descLabel, LMDMemoCatDesc);
    form->addRow(Picture->Controls());
    body()->addWidget(background);

    auto* parentGroup = new QGroupBox("Parent Category");
    auto* parentGrid = new QGridLayout(parentGroup);
    parentGrid->addWidget(
        Note("If this category is a sub-category then select a parent from the list below. The "
             "parent can be deselected by checking the \"No Parent\" box to the left."),
        0, 0, 1, 2);
    parentGrid->addWidget(LMDCheckBoxNoParent, 2, 0, Qt::AlignTop);
    parentGrid->addWidget(new QLabel("Select Parent:"), 1, 1);
    parentGrid->addWidget(ListBoxCategory, 2, 1);
    body()->addWidget(parentGroup);

    body()->addWidget(Note("For reference, sub-categories and  items in this category are below."));
    auto* reference = new QGridLayout;
    reference->addWidget(new QLabel("Sub-Categories"), 0, 0);
    reference->addWidget(new QLabel("Items"), 0, 1);
    reference->addWidget(ListBoxSubcats, 1, 0);
    reference->addWidget(ListBoxItems, 1, 1);
    body()->addLayout(reference);

    AddOkCancelRow(body(), LMDButtonOK, LMDButtonCancel);
    body()->addWidget(ID);

    connect(LMDButtonOK, &QPushButton::clicked, this, &TFormCatInfo::LMDButtonOKClick);
    connect(LMDButtonCancel, &QPushButton::clicked, this, &TFormCatInfo::LMDButtonCancelClick);
}

void TFormCatInfo::LoadNewCategory() {
    MXCatalog& catalog = main_.Catalog();
    catalog.ClearCategoryRows();
    LMDCatName->clear();
    LMDMemoCatDesc->clear();
    LMDCheckBoxNoParent->setChecked(false);
    Picture->Reset();
    ID->setText("0");
    ListBoxCategory->clear();
    ListCategoryTree(ListBoxCategory, catalog, {});
    ListBoxSubcats->clear();
    ListBoxItems->clear();
}

void TFormCatInfo::LoadCategory(const std::string& id) {
    MXCatalog& catalog = main_.Catalog();
    catalog.ClearCategoryRows();
    const MXCategory& category = catalog.Categories.at(id);
    LMDCatName->setText(FromCatalogText(category.Name));
    LMDMemoCatDesc->setPlainText(FromCatalogLines(category.Desc));
    LMDCheckBoxNoParent->setChecked(false);
    Picture->ShowStored(RecordPicturePath(catalog, "c", id));
    ID->setText(FromCatalogText(id));

    // The category and everything below it cannot become its parent: that would make a cycle.
    std::vector<std::string> excluded{id};
    for (size_t at = 0; at < excluded.size(); ++at) {
        auto found = catalog.Categories.find(excluded[at]);
        if (found == catalog.Categories.end()) continue;
        for (const std::string& child : found->second.Children)
            if (std::find(excluded.begin(), excluded.end(), child) == excluded.end())
                excluded.push_back(child);
    }
    ListBoxCategory->clear();
    ListCategoryTree(ListBoxCategory, catalog, excluded);
    if (auto parent = catalog.Categories.find(category.Parent);
        !category.Parent.empty() && parent != catalog.Categories.end()) {
        const int row = parent->second.ListRow;
        if (row >= 0 && row < ListBoxCategory->count()) ListBoxCategory->setCurrentRow(row);
    }

    ListBoxSubcats->clear();
    for (const std::string& child : category.Children)
        if (auto found = catalog.Categories.find(child); found != catalog.Categories.end())
            InsertByName(ListBoxSubcats, found->second.Name, child);
    ListBoxItems->clear();
    for (const std::string& itemId : category.ItemIDs)
        if (auto found = catalog.Items.find(itemId); found != catalog.Items.end())
            InsertByName(ListBoxItems, found->second.Name, itemId);
}

void TFormCatInfo::LMDButtonOKClick() {
    MXCatalog& catalog = main_.Catalog();
    if (LMDCatName->text().isEmpty()) {
        main_.Prompts().ShowMessage(kErrorCaption, "You must supply a catagory name.",
                                    PromptIcon::Error);
        return;
    }
    if (!Picture->MaySave(catalog)) return;
    if (ID->text() == "0") ID->setText(FromCatalogText(NewRecordId(catalog.Categories)));
    const std::string id = ToCatalogText(ID->text());
    // The parent's row is read before anything changes; the rows belong to this page's list.
    const int parentRow = LMDCheckBoxNoParent->isChecked() ? -1 : SelectedRow(ListBoxCategory);
    const std::string parentId = parentRow < 0 ? std::string() : catalog.CategoryIdAtRow(parentRow);

    MXCategory& category = catalog.Categories[id];
    category.ID = id;
    category.Name = ToCatalogText(LMDCatName->text().trimmed());
    category.Desc = ToCatalogLines(LMDMemoCatDesc->toPlainText());
    Picture->Apply(RecordPicturePath(catalog, "c", id));
    catalog.Saved = false;
    if (auto old = catalog.Categories.find(category.Parent);
        !category.Parent.empty() && old != catalog.Categories.end())
        EraseFirst(old->second.Children, id);
    category.Parent.clear();
    if (auto parent = catalog.Categories.find(parentId);
        !parentId.empty() && parent != catalog.Categories.end()) {
        category.Parent = parentId;
        AddSorted(parent->second.Children, id);
    }
    main_.RefreshStoreInfo();
    Done("Category Updated: " + LMDCatName->text());
}

void TFormCatInfo::LMDButtonCancelClick() {
    if (!ConfirmCancelChanges(main_.Prompts())) return;
    Done("Category Changes Ignored");
}

void TFormCatInfo::Done(const QString& status) {
    main_.SetStatus(status);
    auto* categories = static_cast<TFormCat*>(main_.Pages()->Page(kPageCategories));
    categories->FillCategoryLists();
    main_.ShowPage(kPageCategories);
}
