#include "TFormUploadInfo.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "CatalogText.h"
#include "TFormMain.h"

TFormUploadInfo::TFormUploadInfo(TFormMain& main, QWidget* parent)
    : SettingsPage(main, "FormUploadInfo", "Upload Information", parent) {
    auto* form = new QFormLayout;
    LMDHost =
        AddEdit(form, "LMDHost", "FTP Host", "The name of the computer which has your web site");
    LMDDirectory = AddEdit(form, "LMDDirectory", "FTP Directory",
                           "The subdirectory where you want your catalog to be placed");
    LMDUsername =
        AddEdit(form, "LMDUsername", "Username", "The account username on your FTP server");
    LMDPassword =
        AddEdit(form, "LMDPassword", "Password", "The password used to access your account");
    LMDPassword->setEchoMode(QLineEdit::Password);
    body()->addLayout(form);

    auto* note = new QLabel(
        "Zelmo Marlix uses FTP to upload your catalog from your local computer to your online "
        "server. The above information is required to place the created pages in the correct "
        "location.\r\n\r\n"
        "NOTE: The contents of the FTP Directory will be overwritten when you upload your pages. "
        "If the directory does not exist, it will be created,");
    note->setWordWrap(true);
    body()->addWidget(note);
    AddButtons();

    connect(LMDButtonOK, &QPushButton::clicked, this, &TFormUploadInfo::LMDButtonOKClick);
    connect(LMDButtonCancel, &QPushButton::clicked, this, &TFormUploadInfo::LMDButtonCancelClick);
}

void TFormUploadInfo::Load() {
    const MXCatalog& c = main_.Catalog();
    LMDHost->setText(FromCatalogText(c.FTPHost));
    LMDDirectory->setText(FromCatalogText(c.FTPDirectory));
    LMDUsername->setText(FromCatalogText(c.FTPUsername));
    LMDPassword->setText(FromCatalogText(c.FTPPassword));
}

void TFormUploadInfo::LMDButtonOKClick() {
    MXCatalog& c = main_.Catalog();
    c.FTPHost = ToCatalogText(LMDHost->text());
    c.FTPDirectory = ToCatalogText(LMDDirectory->text());
    c.FTPUsername = ToCatalogText(LMDUsername->text());
    c.FTPPassword = ToCatalogText(LMDPassword->text());
    Accepted("New Upload Values Set.");
}

void TFormUploadInfo::LMDButtonCancelClick() {
    CancelChanges("New Upload Values Ignored.");
}
