#include "TFormVariants.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <set>

#include "CatalogText.h"
#include "NumberEdit.h"
#include "OkCancelRow.h"
#include "Prompter.h"
#include "TFormMain.h"
#include "catalog/RecordId.h"

namespace {

const char kErrorCaption[] = "Variant Error";

QLabel* Note(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

}  // namespace

TFormVariants::TFormVariants(TFormMain& main, std::map<std::string, MXVariant>& workingVariants,
                             QWidget* parent)
    : QDialog(parent),
      LMDEditSKU(new QLineEdit),
      LMDEditName(new QLineEdit),
      LMDMaskEditPrice(NewDecimalEdit("LMDMaskEditPrice")),
      LMDMaskEditWeight(NewDecimalEdit("LMDMaskEditWeight")),
      ID(new QLabel("0")),
      main_(main),
      working_(workingVariants) {
    setObjectName("FormVariants");
    setWindowTitle("Variant Information");
    setModal(true);
    LMDEditSKU->setObjectName("LMDEditSKU");
    LMDEditSKU->setToolTip("Unique ID for this item");
    LMDEditName->setObjectName("LMDEditName");
    LMDEditName->setToolTip("How customers should refer to this item");
    LMDMaskEditPrice->setToolTip("The price you want to sell this item for");
    ID->setObjectName("ID");
    ID->hide();

    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel("Variant Information");
    QFont font = title->font();
    font.setBold(true);
    title->setFont(font);
    layout->addWidget(title);
    auto* form = new QFormLayout;
    form->addRow("SKU:", LMDEditSKU);
    form->addRow(Note("Each variant SKU should be unique. This will help you separate items and "
                      "aid in inventory control."));
    form->addRow("Name:", LMDEditName);
    form->addRow(Note("This field will be added to the end of the main product name, so keep it "
                      "short and simple (e.g. Small, Medium, Large)."));
    form->addRow("Price:", LMDMaskEditPrice);
    form->addRow("Weight:", LMDMaskEditWeight);
    form->addRow(Note("The price and weight you enter here will have priority and the main item "
                      "price and weight will be ignored."));
    layout->addLayout(form);
    AddOkCancelRow(layout, LMDButtonOK, LMDButtonCancel);
    layout->addWidget(ID);
    LMDButtonOK->setDefault(false);
    LMDButtonOK->setAutoDefault(false);
    LMDButtonCancel->setAutoDefault(false);
    setMinimumWidth(420);

    connect(LMDButtonOK, &QPushButton::clicked, this, &TFormVariants::LMDButtonOKClick);
    connect(LMDButtonCancel, &QPushButton::clicked, this, &TFormVariants::LMDButtonCancelClick);
}

void TFormVariants::LoadNewVariant() {
    ID->setText("0");
    LMDEditSKU->clear();
    LMDEditName->clear();
    LMDMaskEditPrice->setText("0");
    LMDMaskEditWeight->setText("0");
}

void TFormVariants::LoadVariant(const std::string& id) {
    const MXVariant& variant = working_.at(id);
    ID->setText(FromCatalogText(id));
    LMDEditSKU->setText(FromCatalogText(variant.SKU));
    LMDEditName->setText(FromCatalogText(variant.Name));
    LMDMaskEditPrice->setText(ShowDecimal(variant.Price));
    LMDMaskEditWeight->setText(ShowDecimal(variant.Weight));
}

// The catalog as stored is tested, not the working set: every item's SKU and every stored
// variant's SKU but this variant's own.
bool TFormVariants::SkuInUse(const std::string& sku) const {
    const std::string self = ToCatalogText(ID->text());
    for (const auto& [itemId, item] : main_.Catalog().Items) {
        if (item.SKU == sku) return true;
        for (const auto& [variantId, variant] : item.Variants)
            if (variantId != self && variant.SKU == sku) return true;
    }
    return false;
}

void TFormVariants::LMDButtonOKClick() {
    Prompter& prompts = main_.Prompts();
    if (LMDEditSKU->text().isEmpty() || LMDEditName->text().isEmpty() ||
        LMDMaskEditPrice->text().isEmpty() || LMDMaskEditWeight->text().isEmpty()) {
        prompts.ShowMessage(kErrorCaption,
                            "The following fields are mandatory: SKU, Name, Price, and Weight",
                            PromptIcon::Error);
        return;
    }
    if (SkuInUse(ToCatalogText(LMDEditSKU->text()))) {
        prompts.ShowMessage(kErrorCaption, "The SKU you entered is already in use.",
                            PromptIcon::Error);
        return;
    }
    const std::optional<float> price = ReadDecimal(LMDMaskEditPrice->text());
    const std::optional<float> weight = ReadDecimal(LMDMaskEditWeight->text());
    if (!price || !weight) {
        prompts.ShowMessage(kErrorCaption, "Price and Weight must be numbers.", PromptIcon::Error);
        return;
    }
    if (ID->text() == "0") {
        // Unique across the catalog, so the SKU test's skipping by ID skips this variant only.
        std::set<std::string> taken;
        for (const auto& [itemId, item] : main_.Catalog().Items)
            for (const auto& [variantId, stored] : item.Variants) taken.insert(variantId);
        for (const auto& [variantId, entry] : working_) taken.insert(variantId);
        ID->setText(FromCatalogText(NewRecordId(taken)));
    }
    const std::string id = ToCatalogText(ID->text());
    MXVariant& variant = working_[id];
    variant.ID = id;
    variant.SKU = ToCatalogText(LMDEditSKU->text().trimmed());
    variant.Name = ToCatalogText(LMDEditName->text().trimmed());
    variant.Price = *price;
    variant.Weight = *weight;
    accept();
}

void TFormVariants::LMDButtonCancelClick() {
    if (ConfirmCancelChanges(main_.Prompts())) QDialog::reject();
}

void TFormVariants::reject() {
    LMDButtonCancelClick();
}
