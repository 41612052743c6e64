#include "TFormGeneral.h"

#include <QCheckBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdio>

#include "CatalogText.h"
#include "PicturePreview.h"
#include "Prompter.h"
#include "TFormMain.h"
#include "catalog/CatalogFolder.h"
#include "generator/GifWriter.h"

namespace {

const char kErrorCaption[] = "General Information Error";

// "Logo Image:" and its preview, Browse button and remove box in one row.
void AddPictureRow(QFormLayout* form, const QString& label, const QString& hint,
                   PicturePreview* preview, QPushButton* browse, QCheckBox* remove) {
    auto* caption = new QLabel(label);
    caption->setToolTip(hint);
    browse->setToolTip("Get Image...");
    remove->setToolTip("Check this box to remove this image from your catalog.");
    auto* row = new QHBoxLayout;
    row->addWidget(preview, 0, Qt::AlignCenter);
    row->addWidget(browse);
    row->addWidget(remove);
    row->addStretch(1);
    form->addRow(caption, row);
}

// The address without one trailing "/", unless it is no longer than "http://".
std::string TrimUrl(std::string url) {
    if (url.size() > 7 && url.back() == '/') url.pop_back();
    return url;
}

// The catalog path without one leading and one trailing "/".
std::string TrimPath(std::string path) {
    if (!path.empty() && path.front() == '/') path.erase(0, 1);
    if (!path.empty() && path.back() == '/') path.pop_back();
    return path;
}

}  // namespace

TFormGeneral::TFormGeneral(TFormMain& main, QWidget* parent)
    : SettingsPage(main, "FormGeneral", "General Information", parent),
      LMDMemoWelcomeMsg(new QPlainTextEdit),
      ImageLogo(new PicturePreview("ImageLogo")),
      ImageBG(new PicturePreview("ImageBG")),
      LMDButtonLogo(new QPushButton("Browse...")),
      LMDButtonBG(new QPushButton("Browse...")),
      LMDCheckBoxRemLogo(new QCheckBox("Remove Image?")),
      LMDCheckBoxRemBG(new QCheckBox("Remove Image?")),
      logo_{"logo.gif", ImageLogo, LMDCheckBoxRemLogo},
      background_{"bg.gif", ImageBG, LMDCheckBoxRemBG} {
    auto* company = new QGroupBox("Company Background");
    auto* form = new QFormLayout(company);
    LMDEditCoName =
        AddEdit(form, "LMDEditCoName", "Company Name:", "Your corporate name for copyrights, etc.");
    LMDEditStName = AddEdit(form, "LMDEditStName",
                            "Store Name:", "The name that your customers will see online");
    LMDEditURL = AddEdit(form, "LMDEditURL", "Web Site URL:", "Your web site address");
    LMDEditPath = AddEdit(form, "LMDEditPath", "Catalog Path:",
                          "If the catalog is not in the root (base) directory of your web site, "
                          "enter the path to the catalog here. This is not necessarily the same "
                          "as the FTP path.");
    LMDEditEmail =
        AddEdit(form, "LMDEditEmail", "Email Address:", "Address for customer service, etc.");
    LMDEditPhone = AddEdit(form, "LMDEditPhone",
                           "Phone Number:", "The number where customers can reach your company");
    body()->addWidget(company);

    auto* data = new QGroupBox("Catalog Data");
    form = new QFormLayout(data);
    LMDEditKeywords = AddEdit(form, "LMDEditKeywords",
                              "Catalog Keywords for Meta Tags:", "Used for search engines");
    LMDEditDesc = AddEdit(form, "LMDEditDesc",
                          "Catalog Description for Meta Tags:", "Used for search engines");
    const QString welcomeHint = "Shown on the greeting page of your catalog";
    LMDMemoWelcomeMsg->setObjectName("LMDMemoWelcomeMsg");
    LMDMemoWelcomeMsg->setToolTip(welcomeHint);
    LMDMemoWelcomeMsg->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    LMDMemoWelcomeMsg->setFixedHeight(80);
    auto* welcome = new QLabel("Catalog Welcome Message:");
    welcome->setToolTip(welcomeHint);
    form->addRow(welcome, LMDMemoWelcomeMsg);
    LMDButtonLogo->setObjectName("LMDButtonLogo");
    LMDCheckBoxRemLogo->setObjectName("LMDCheckBoxRemLogo");
    AddPictureRow(form, "Logo Image:", "Your catalog logo", ImageLogo, LMDButtonLogo,
                  LMDCheckBoxRemLogo);
    LMDButtonBG->setObjectName("LMDButtonBG");
    LMDCheckBoxRemBG->setObjectName("LMDCheckBoxRemBG");
    AddPictureRow(form, "Background Image:", "Your catalog background graphic (optional)", ImageBG,
                  LMDButtonBG, LMDCheckBoxRemBG);
    body()->addWidget(data);

    AddButtons(
        "Use the 'OK' button to submit your additions or modifications, or press 'Cancel' to "
        "ignore them.");
    LMDButtonOK->setToolTip("Submit Info");
    LMDButtonCancel->setToolTip("Ignore Information");

    connect(LMDButtonLogo, &QPushButton::clicked, this, &TFormGeneral::LMDButtonLogoClick);
    connect(LMDButtonBG, &QPushButton::clicked, this, &TFormGeneral::LMDButtonBGClick);
    connect(LMDButtonOK, &QPushButton::clicked, this, &TFormGeneral::LMDButtonOKClick);
    connect(LMDButtonCancel, &QPushButton::clicked, this, &TFormGeneral::LMDButtonCancelClick);
}

void TFormGeneral::Reload() {
    LoadGeneralPage();
}

void TFormGeneral::LoadGeneralPage() {
    const MXCatalog& c = main_.Catalog();
    LMDEditCoName->setText(FromCatalogText(c.CompanyName));
    LMDEditStName->setText(FromCatalogText(c.StoreName));
    LMDEditURL->setText(FromCatalogText(c.URL));
    LMDEditPath->setText(FromCatalogText(c.Path));
    LMDEditEmail->setText(FromCatalogText(c.Email));
    LMDEditPhone->setText(FromCatalogText(c.Phone));
    LMDEditKeywords->setText(FromCatalogText(c.Keywords));
    LMDEditDesc->setText(FromCatalogText(c.Desc));
    LMDMemoWelcomeMsg->setPlainText(FromCatalogLines(c.WelcomeMsg));
    ShowStored(logo_);
    ShowStored(background_);
}

std::string TFormGeneral::DataPath(const StorePicture& picture) const {
    const std::string& folder = main_.Catalog().CatalogFolder;
    return folder.empty() ? std::string() : folder + "/data" + "/" + picture.fileName;
}

void TFormGeneral::ShowStored(StorePicture& picture) {
    picture.remove->setChecked(false);
    picture.chosen = false;
    picture.preview->Reset();
    const std::string path = DataPath(picture);
    // A stored picture that cannot be read just stays unseen.
    if (!path.empty() && IsRegularFile(path))
        picture.preview->LoadFile(FromCatalogText(path), nullptr);
}

void TFormGeneral::Browse(StorePicture& picture) {
    const std::optional<QString> file = main_.Prompts().ChoosePicture("Open", QDir::currentPath());
    if (!file) return;
    QString error;
    if (!picture.preview->LoadFile(*file, &error)) {
        main_.Prompts().ShowMessage(kErrorCaption, error, PromptIcon::Error);
        return;
    }
    picture.chosen = true;
}

void TFormGeneral::LMDButtonLogoClick() {
    Browse(logo_);
}

void TFormGeneral::LMDButtonBGClick() {
    Browse(background_);
}

void TFormGeneral::Apply(StorePicture& picture) {
    const std::string path = DataPath(picture);
    if (path.empty()) return;
    if (picture.remove->isChecked()) {
        std::remove(path.c_str());  // a picture that cannot be deleted is not reported
    } else if (picture.chosen) {
        // The new file replaces the old one only once it is complete, so a failed write keeps
        // the stored picture.
        std::string error;
        if (!writeGif(path, picture.preview->picture(), &error))
            main_.Prompts().ShowMessage(kErrorCaption,
                                        QString("%1 could not be written: %2")
                                            .arg(picture.fileName, FromCatalogText(error)),
                                        PromptIcon::Error);
    }
}

void TFormGeneral::LMDButtonOKClick() {
    MXCatalog& c = main_.Catalog();
    if (c.CatalogFolder.empty() && (logo_.chosen || background_.chosen)) {
        main_.Prompts().ShowMessage(kErrorCaption,
                                    "You must save your catalog before you can add images.",
                                    PromptIcon::Error);
        return;
    }
    c.CompanyName = ToCatalogText(LMDEditCoName->text());
    c.StoreName = ToCatalogText(LMDEditStName->text());
    c.URL = TrimUrl(ToCatalogText(LMDEditURL->text()));
    c.Path = TrimPath(ToCatalogText(LMDEditPath->text()));
    c.Email = ToCatalogText(LMDEditEmail->text());
    c.Phone = ToCatalogText(LMDEditPhone->text());
    c.Keywords = ToCatalogText(LMDEditKeywords->text());
    c.Desc = ToCatalogText(LMDEditDesc->text());
    c.WelcomeMsg = ToCatalogLines(LMDMemoWelcomeMsg->toPlainText());
    Apply(logo_);
    Apply(background_);
    Accepted("General Information Updated");
}

void TFormGeneral::LMDButtonCancelClick() {
    CancelChanges("General Information Changes Ignored");
}
