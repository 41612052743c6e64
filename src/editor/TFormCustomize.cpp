#include "TFormCustomize.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QUrl>
#include <QVBoxLayout>

#include "CatalogText.h"
#include "TFormMain.h"
#include "catalog/CatalogFolder.h"
#include "generator/TemplateLibrary.h"

namespace {

QFormLayout* AddGroup(QVBoxLayout* body, const QString& title) {
    auto* group = new QGroupBox(title);
    auto* form = new QFormLayout(group);
    body->addWidget(group);
    return form;
}

}  // namespace

TFormCustomize::TFormCustomize(TFormMain& main, std::function<void(const QUrl&)> openFile,
                               QWidget* parent)
    : SettingsPage(main, "FormCustomize", "Customize", parent),
      ComboBoxTemplate(new QComboBox),
      LMDButtonInfo(new QPushButton("Template Info")),
      openFile_(std::move(openFile)) {
    QFormLayout* look = AddGroup(body(), "Look and Feel");
    LMDEditText =
        AddEdit(look, "LMDEditText", "Text Color:", "The color of text on your catalog pages");
    LMDEditLink = AddEdit(look, "LMDEditLink",
                          "Link Color:", "The color of a link that customers have not yet clicked");
    LMDEditALink =
        AddEdit(look, "LMDEditALink",
                "Active Link Color:", "The color of a link while customers are clicking it");
    LMDEditVLink = AddEdit(look, "LMDEditVLink", "Visited Link Color:",
                           "The color of a link to a page that has recently been visited");
    LMDEditBG = AddEdit(look, "LMDEditBG",
                        "Background Color:", "The background color for your catalog pages");
    LMDEditFont = AddEdit(look, "LMDEditFont", "Font:", "The HTML font face for your catalog");
    LMDMaskEditIconSize =
        AddEdit(look, "LMDMaskEditIconSize",
                "Icon Size:", "Some templates allow you to set the size of icons");
    // Digits only, and few enough that the number fits the stored integer.
    LMDMaskEditIconSize->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]{0,9}"), LMDMaskEditIconSize));
    LMDEditMoney = AddEdit(look, "LMDEditMoney",
                           "Money Symbol:", "This is the monetary symbol for your contry");

    QFormLayout* more = AddGroup(body(), "More Colors");
    const QString extra = "Some templates use optional extra colors";
    LMDEditC1 = AddEdit(more, "LMDEditC1", "Color 1:", extra);
    LMDEditC2 = AddEdit(more, "LMDEditC2", "Color 2:", extra);
    LMDEditC3 = AddEdit(more, "LMDEditC3", "Color 3:", extra);

    QFormLayout* templates = AddGroup(body(), "Template Information");
    const QString pick = "Choose the template you will use to create your catalog";
    ComboBoxTemplate->setObjectName("ComboBoxTemplate");
    ComboBoxTemplate->setToolTip(pick);
    auto* caption = new QLabel("Available Templates:");
    caption->setToolTip(pick);
    templates->addRow(caption, ComboBoxTemplate);
    LMDButtonInfo->setObjectName("LMDButtonInfo");
    LMDButtonInfo->setToolTip("View information about the selected template...");
    templates->addRow(QString(), LMDButtonInfo);

    AddButtons(
        "Use the 'OK' button to submit your additions or modifications, or press 'Cancel' to "
        "ignore them.");

    connect(LMDButtonOK, &QPushButton::clicked, this, &TFormCustomize::LMDButtonOKClick);
    connect(LMDButtonCancel, &QPushButton::clicked, this, &TFormCustomize::LMDButtonCancelClick);
    connect(LMDButtonInfo, &QPushButton::clicked, this, &TFormCustomize::LMDButtonInfoClick);
}

void TFormCustomize::Load() {
    const MXCatalog& c = main_.Catalog();
    LMDEditText->setText(FromCatalogText(c.TextColor));
    LMDEditLink->setText(FromCatalogText(c.LinkColor));
    LMDEditALink->setText(FromCatalogText(c.ALinkColor));
    LMDEditVLink->setText(FromCatalogText(c.VLinkColor));
    LMDEditBG->setText(FromCatalogText(c.BGColor));
    LMDEditFont->setText(FromCatalogText(c.FontNames));
    LMDMaskEditIconSize->setText(QString::number(c.IconSize));
    LMDEditMoney->setText(FromCatalogText(c.Money));
    LMDEditC1->setText(FromCatalogText(c.Color1));
    LMDEditC2->setText(FromCatalogText(c.Color2));
    LMDEditC3->setText(FromCatalogText(c.Color3));

    ComboBoxTemplate->clear();
    for (const std::string& name : listTemplates(main_.StartupFolder()))
        ComboBoxTemplate->addItem(FromCatalogText(name));
    ComboBoxTemplate->setCurrentIndex(ComboBoxTemplate->findText(FromCatalogText(c.Template)));
}

void TFormCustomize::LMDButtonOKClick() {
    MXCatalog& c = main_.Catalog();
    c.TextColor = ToCatalogText(LMDEditText->text());
    c.LinkColor = ToCatalogText(LMDEditLink->text());
    c.ALinkColor = ToCatalogText(LMDEditALink->text());
    c.VLinkColor = ToCatalogText(LMDEditVLink->text());
    c.BGColor = ToCatalogText(LMDEditBG->text());
    c.FontNames = ToCatalogText(LMDEditFont->text());
    // An emptied icon size keeps the size the catalog had.
    if (!LMDMaskEditIconSize->text().isEmpty()) c.IconSize = LMDMaskEditIconSize->text().toInt();
    c.Money = ToCatalogText(LMDEditMoney->text());
    c.Color1 = ToCatalogText(LMDEditC1->text());
    c.Color2 = ToCatalogText(LMDEditC2->text());
    c.Color3 = ToCatalogText(LMDEditC3->text());
    // With no package selected (an empty library) the catalog is left without a template.
    c.Template = ToCatalogText(ComboBoxTemplate->currentText());
    Accepted("Catalog Customizations Updated.");
}

void TFormCustomize::LMDButtonCancelClick() {
    CancelChanges("Catalog Customization Changes Ignored.");
}

void TFormCustomize::LMDButtonInfoClick() {
    if (ComboBoxTemplate->currentIndex() < 0) return;  // nothing to tell about
    const std::string name = ToCatalogText(ComboBoxTemplate->currentText());
    // The choice takes effect at once, without OK and without marking the catalog changed.
    main_.Catalog().Template = name;
    const std::string notes = templateFolder(main_.StartupFolder(), name) + "/notes.txt";
    if (IsRegularFile(notes)) openFile_(QUrl::fromLocalFile(FromCatalogText(notes)));
}
