#include "TFormItemInfo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "CatalogText.h"
#include "EditorLists.h"
#include "NumberEdit.h"
#include "OkCancelRow.h"
#include "PageHost.h"
#include "Prompter.h"
#include "RecordPicture.h"
#include "TFormItems.h"
#include "TFormMain.h"
#include "TFormVariants.h"
#include "catalog/RecordId.h"

namespace {

const char kErrorCaption[] = "Item Error";

QLineEdit* NewTextEdit(const char* objectName) {
    auto* edit = new QLineEdit;
    edit->setObjectName(objectName);
    return edit;
}

QPushButton* NewButton(const char* objectName, const QString& text, const QString& hint) {
    auto* button = new QPushButton(text);
    button->setObjectName(objectName);
    button->setToolTip(hint);
    return button;
}

QString Upper(const std::string& text) {
    return FromCatalogText(text).toUpper();
}

}  // namespace

TFormItemInfo::TFormItemInfo(TFormMain& main, QWidget* parent)
    : EditorPage("FormItemInfo", "Item Information", parent),
      LMDEditSKU(NewTextEdit("LMDEditSKU")),
      LMDEditName(NewTextEdit("LMDEditName")),
      LMDMaskEditPrice(NewDecimalEdit("LMDMaskEditPrice")),
      LMDMaskEditFS(NewDecimalEdit("LMDMaskEditFS")),
      LMDMaskEditIFS(NewDecimalEdit("LMDMaskEditIFS")),
      LMDMaskEditFSM(NewDecimalEdit("LMDMaskEditFSM")),
      LMDMaskEditIFSM(NewDecimalEdit("LMDMaskEditIFSM")),
      LMDCheckBoxFlat(new QCheckBox("Use Flat Ship Rates?")),
      LMDCheckBoxTax(new QCheckBox("Non-taxable Item?")),
      LMDMaskEditItemCount(NewWholeEdit("LMDMaskEditItemCount")),
      LMDMaskEditWeight(NewDecimalEdit("LMDMaskEditWeight")),
      LMDEditKeywords(NewTextEdit("LMDEditKeywords")),
      LMDMaskEditDefQty(NewWholeEdit("LMDMaskEditDefQty")),
      ComboBoxQtySel(new QComboBox),
      ListBoxCategory(new QListWidget),
      LMDEditSDesc(NewTextEdit("LMDEditSDesc")),
      LMDMemoLDesc(new QPlainTextEdit),
      Picture(new RecordPicture("Item", kErrorCaption,
                                "This is the picture associated with this item (optional)",
                                main.Prompts(), this)),
      ListBoxVariants(new QListWidget),
      LMDButtonVadd(NewButton("LMDButtonVadd", "Add", "Add a new variation of this item")),
      LMDButtonVmodify(NewButton("LMDButtonVmodify", "Modify",
                                 "Modify an existing variation of this item")),
      LMDButtonVremove(NewButton("LMDButtonVremove", "Remove", "Remove a variation of this item")),
      ID(new QLabel("0")),
      FormVariants(new TFormVariants(main, WorkingVariants, &main)),
      main_(main) {
    LMDCheckBoxFlat->setObjectName("LMDCheckBoxFlat");
    LMDCheckBoxTax->setObjectName("LMDCheckBoxTax");
    ComboBoxQtySel->setObjectName("ComboBoxQtySel");
    ComboBoxQtySel->addItems({"Hidden", "Text Box", "Drop Down Select Box"});
    ListBoxCategory->setObjectName("ListBoxCategory");
    ListBoxCategory->setSelectionMode(QAbstractItemView::ExtendedSelection);
    LMDMemoLDesc->setObjectName("LMDMemoLDesc");
    ListBoxVariants->setObjectName("ListBoxVariants");
    ID->setObjectName("ID");
    ID->hide();

    // Each field with its caption and hint, in screen order.
    auto row = [](QFormLayout* form, const QString& caption, QWidget* field, const QString& hint) {
        field->setToolTip(hint);
        auto* label = new QLabel(caption);
        label->setToolTip(hint);
        form->addRow(label, field);
    };
    auto* background = new QGroupBox("Item Background");
    auto* form = new QFormLayout(background);
    row(form, "SKU:", LMDEditSKU, "Unique ID for this item");
    row(form, "Name:", LMDEditName, "How customers should refer to this item");
    row(form, "Retail Price:", LMDMaskEditPrice, "The price you want to sell this item for");
    body()->addWidget(background);

    auto* shipping = new QGroupBox("Special Shipping and Tax  Instructions");
    form = new QFormLayout(shipping);
    auto* note = new QLabel(
        "Normally, shipping and tax calculations are handled by the 'Default Tags' in your "
        "account's admin area, but you can override them with the settings here.");
    note->setWordWrap(true);
    form->addRow(note);
    row(form, "Flat Ship Rate:", LMDMaskEditFS, "The cost of shipping one item domestically");
    row(form, "International Flat Ship Rate:", LMDMaskEditIFS,
        "The cost of shipping one item internationally");
    row(form, "Flat Ship More Rate:", LMDMaskEditFSM,
        "The cost of shipping each aditional item domestically");
    row(form, "International Flat Ship More Rate:", LMDMaskEditIFSM,
        "The cost of shipping each aditional item internationally");
    LMDCheckBoxFlat->setToolTip(
        "Check this box to use the above shipping charges instead of your default settings");
    LMDCheckBoxTax->setToolTip("Check this box if this item should not be taxed");
    form->addRow(LMDCheckBoxFlat);
    form->addRow(LMDCheckBoxTax);
    body()->addWidget(shipping);

    auto* other = new QGroupBox("Other Item Information");
    form = new QFormLayout(other);
    row(form, "Item Count:", LMDMaskEditItemCount, "The number of actual items in this SKU");
    row(form, "Item Weight:", LMDMaskEditWeight,
        "This is only used if your shipping method is based on item weight");
    row(form, "Keywords:", LMDEditKeywords, "Words that describe this item specifically");
    row(form, "Default Cart Qty:", LMDMaskEditDefQty,
        "The number that is suggested when a customer first selects this item");
    row(form, "Qty Select Method:", ComboBoxQtySel,
        "The way you want customers to be able to choose how many units of this item to add to "
        "their carts");
    row(form, "Categories:", ListBoxCategory,
        "Choose multiple categories by holding down the CTRL key while clicking on a selection");
    row(form, "Short Description:", LMDEditSDesc, "Describe this item in just a few words");
    row(form, "Long Description:\n(HTML is OK)", LMDMemoLDesc,
        "Write a paragraph (or so) about this item");
    form->addRow(Picture->Controls());
    body()->addWidget(other);

    auto* variants = new QGroupBox("Item Variants");
    auto* variantRow = new QHBoxLayout(variants);
    variantRow->addWidget(ListBoxVariants, 1);
    auto* variantButtons = new QVBoxLayout;
    for (QPushButton* b : {LMDButtonVadd, LMDButtonVmodify, LMDButtonVremove})
        variantButtons->addWidget(b);
    variantButtons->addStretch(1);
    variantRow->addLayout(variantButtons);
    body()->addWidget(variants);

    AddOkCancelRow(body(), LMDButtonOK, LMDButtonCancel);
    body()->addWidget(ID);

    connect(LMDButtonOK, &QPushButton::clicked, this, &TFormItemInfo::LMDButtonOKClick);
    connect(LMDButtonCancel, &QPushButton::clicked, this, &TFormItemInfo::LMDButtonCancelClick);
    connect(LMDButtonVadd, &QPushButton::clicked, this, &TFormItemInfo::LMDButtonVaddClick);
    connect(LMDButtonVmodify, &QPushButton::clicked, this, &TFormItemInfo::LMDButtonVmodifyClick);
    connect(LMDButtonVremove, &QPushButton::clicked, this, &TFormItemInfo::LMDButtonVremoveClick);
}

void TFormItemInfo::LoadNewItem() {
    MXCatalog& catalog = main_.Catalog();
    catalog.ClearCategoryRows();
    for (QLineEdit* text : {LMDEditSKU, LMDEditName, LMDEditKeywords, LMDEditSDesc}) text->clear();
    for (QLineEdit* number : {LMDMaskEditPrice, LMDMaskEditFS, LMDMaskEditIFS, LMDMaskEditFSM,
                              LMDMaskEditIFSM, LMDMaskEditWeight})
        number->setText("0");
    LMDMaskEditItemCount->setText("1");
    LMDMaskEditDefQty->setText("1");
    LMDCheckBoxFlat->setChecked(false);
    LMDCheckBoxTax->setChecked(false);
    ComboBoxQtySel->setCurrentIndex(QtyTextBox);
    LMDMemoLDesc->clear();
    Picture->Reset();
    ID->setText("0");
    ListBoxCategory->clear();
    ListCategoryTree(ListBoxCategory, catalog, {});
    ListBoxVariants->clear();
    WorkingVariants.clear();
}

void TFormItemInfo::LoadItem(const std::string& id) {
    MXCatalog& catalog = main_.Catalog();
    catalog.ClearCategoryRows();
    const MXItem& item = catalog.Items.at(id);
    LMDEditSKU->setText(FromCatalogText(item.SKU));
    LMDEditName->setText(FromCatalogText(item.Name));
    LMDMaskEditPrice->setText(ShowDecimal(item.Price));
    LMDMaskEditFS->setText(ShowDecimal(item.FlatShip));
    LMDMaskEditIFS->setText(ShowDecimal(item.IntlFlatShip));
    LMDMaskEditFSM->setText(ShowDecimal(item.FlatShipMore));
    LMDMaskEditIFSM->setText(ShowDecimal(item.IntlFlatShipMore));
    LMDCheckBoxFlat->setChecked(item.UseFlatShip);
    LMDCheckBoxTax->setChecked(item.NonTaxable);
    LMDMaskEditItemCount->setText(QString::number(item.ItemCount));
    LMDMaskEditWeight->setText(ShowDecimal(item.Weight));
    LMDEditKeywords->setText(FromCatalogText(item.Keywords));
    LMDMaskEditDefQty->setText(QString::number(item.DefaultQty));
    ComboBoxQtySel->setCurrentIndex(item.QtySelect);
    LMDEditSDesc->setText(FromCatalogText(item.ShortDesc));
    LMDMemoLDesc->setPlainText(FromCatalogLines(item.LongDesc));
    Picture->ShowStored(RecordPicturePath(catalog, "i", id));
    ID->setText(FromCatalogText(id));

    ListBoxCategory->clear();
    ListCategoryTree(ListBoxCategory, catalog, {});
    for (const auto& [categoryId, category] : catalog.Categories)
        if (category.ListRow >= 0 && std::find(item.CategoryIDs.begin(), item.CategoryIDs.end(),
                                               categoryId) != item.CategoryIDs.end())
            ListBoxCategory->item(category.ListRow)->setSelected(true);

    ListBoxVariants->clear();
    WorkingVariants = item.Variants;
    for (const auto& [variantId, variant] : WorkingVariants)
        InsertByName(ListBoxVariants, variant.Name, variantId);
}

// The name and SKU must not be another item's or one of another item's stored variants'; names
// compare without regard to case.
bool TFormItemInfo::NameOrSkuInUse() const {
    const std::string self = ToCatalogText(ID->text());
    const std::string sku = ToCatalogText(LMDEditSKU->text());
    const QString name = LMDEditName->text().toUpper();
    auto refuse = [this](const char* text) {
        main_.Prompts().ShowMessage(kErrorCaption, text, PromptIcon::Error);
        return true;
    };
    for (const auto& [itemId, item] : main_.Catalog().Items) {
        if (itemId == self) continue;
        if (item.SKU == sku) return refuse("The SKU you entered is already in use.");
        if (Upper(item.Name) == name) return refuse("The Item Name you entered is already in use.");
        for (const auto& [variantId, variant] : item.Variants) {
            if (variant.SKU == sku) return refuse("The SKU you entered is already in use.");
            if (Upper(variant.Name) == name)
                return refuse("The Item Name you entered is already in use.");
        }
    }
    return false;
}

void TFormItemInfo::LMDButtonOKClick() {
    MXCatalog& catalog = main_.Catalog();
    Prompter& prompts = main_.Prompts();
    if (LMDEditSKU->text().isEmpty() || LMDEditName->text().isEmpty() ||
        LMDMaskEditPrice->text().isEmpty()) {
        prompts.ShowMessage(kErrorCaption,
                            "The following fields are mandatory: SKU, Name and Retail Price",
                            PromptIcon::Error);
        return;
    }
    if (NameOrSkuInUse()) return;
    // Every number is read before anything changes, so a refused OK stores nothing.
    const std::optional<float> price = ReadDecimal(LMDMaskEditPrice->text()),
                               flatShip = ReadDecimal(LMDMaskEditFS->text()),
                               intlFlatShip = ReadDecimal(LMDMaskEditIFS->text()),
                               flatShipMore = ReadDecimal(LMDMaskEditFSM->text()),
                               intlFlatShipMore = ReadDecimal(LMDMaskEditIFSM->text()),
                               weight = ReadDecimal(LMDMaskEditWeight->text());
    const std::optional<int32_t> itemCount = ReadWhole(LMDMaskEditItemCount->text()),
                                 defaultQty = ReadWhole(LMDMaskEditDefQty->text());
    if (!price || !flatShip || !intlFlatShip || !flatShipMore || !intlFlatShipMore || !weight ||
        !itemCount || !defaultQty) {
        prompts.ShowMessage(kErrorCaption,
                            "The prices, rates, item count, weight and default quantity must be "
                            "numbers.",
                            PromptIcon::Error);
        return;
    }
    if (!Picture->MaySave(catalog)) return;
    if (ID->text() == "0") ID->setText(FromCatalogText(NewRecordId(catalog.Items)));
    const std::string id = ToCatalogText(ID->text());

    MXItem& item = catalog.Items[id];
    item.ID = id;
    item.SKU = ToCatalogText(LMDEditSKU->text().trimmed());
    item.Name = ToCatalogText(LMDEditName->text().trimmed());
    item.Price = *price;
    item.FlatShip = *flatShip;
    item.IntlFlatShip = *intlFlatShip;
    item.FlatShipMore = *flatShipMore;
    item.IntlFlatShipMore = *intlFlatShipMore;
    item.UseFlatShip = LMDCheckBoxFlat->isChecked();
    item.NonTaxable = LMDCheckBoxTax->isChecked();
    item.ItemCount = *itemCount;
    item.Weight = *weight;
    item.Keywords = ToCatalogText(LMDEditKeywords->text().trimmed());
    item.DefaultQty = *defaultQty;
    item.QtySelect = static_cast<int8_t>(ComboBoxQtySel->currentIndex());
    item.ShortDesc = ToCatalogText(LMDEditSDesc->text());
    item.LongDesc = ToCatalogLines(LMDMemoLDesc->toPlainText());
    item.Variants = WorkingVariants;
    Picture->Apply(RecordPicturePath(catalog, "i", id));
    catalog.Saved = false;

    item.CategoryIDs.clear();
    for (auto& [categoryId, category] : catalog.Categories) {
        const bool member = category.ListRow >= 0 && category.ListRow < ListBoxCategory->count() &&
                            ListBoxCategory->item(category.ListRow)->isSelected();
        if (member) {
            AddSorted(category.ItemIDs, id);
            item.CategoryIDs.push_back(categoryId);
        } else {
            EraseFirst(category.ItemIDs, id);
            SortUnique(category.ItemIDs);
        }
    }
    main_.RefreshStoreInfo();
    Done("Item Updated: (" + LMDEditSKU->text() + ") " + LMDEditName->text());
}

void TFormItemInfo::LMDButtonCancelClick() {
    if (!ConfirmCancelChanges(main_.Prompts())) return;
    Done("Item Changes Ignored");
}

void TFormItemInfo::Done(const QString& status) {
    main_.SetStatus(status);
    static_cast<TFormItems*>(main_.Pages()->Page(kPageItems))->FillItemLists();
    main_.ShowPage(kPageItems);
}

void TFormItemInfo::FillVariantList() {
    ListBoxVariants->clear();
    // After a change the rows follow the working set's order, not the names.
    for (const auto& [variantId, variant] : WorkingVariants)
        AppendRow(ListBoxVariants, variant.Name, variantId);
}

// Rows keep their variant's ID, so the selected row is the variant even when names repeat.
std::string TFormItemInfo::SelectedVariant(const char* caption, const char* message) const {
    const std::string id = SelectedRowKey(ListBoxVariants);
    if (id.empty()) main_.Prompts().ShowMessage(caption, message, PromptIcon::Error);
    return id;
}

void TFormItemInfo::LMDButtonVaddClick() {
    FormVariants->LoadNewVariant();
    if (FormVariants->exec() == QDialog::Accepted) FillVariantList();
}

void TFormItemInfo::LMDButtonVmodifyClick() {
    if (ListBoxVariants->count() == 0) return;
    const std::string id = SelectedVariant("Modify Variant", "You must select a variant to modify.");
    if (id.empty()) return;
    FormVariants->LoadVariant(id);
    if (FormVariants->exec() == QDialog::Accepted) FillVariantList();
}

void TFormItemInfo::LMDButtonVremoveClick() {
    if (ListBoxVariants->count() == 0) return;
    const std::string id = SelectedVariant("Remove Variant", "You must select a variant to remove.");
    if (id.empty()) return;
    WorkingVariants.erase(id);
    FillVariantList();
}
