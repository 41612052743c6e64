#include "TFormAccount.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "CatalogText.h"
#include "Prompter.h"
#include "TFormMain.h"

TFormAccount::TFormAccount(TFormMain& main, QWidget* parent)
    : SettingsPage(main, "FormAccount", "Account Information", parent),
      LMDCheckBoxDemo(new QCheckBox("Demo Mode?")),
      LMDButtonCreate(new QPushButton("Create Account")),
      LMDButtonAdmin(new QPushButton("Account Admin")) {
    LMDCheckBoxDemo->setObjectName("LMDCheckBoxDemo");
    LMDCheckBoxDemo->setToolTip(
        "Check this box if you have NOT yet signed up for a Zelmo Krant account");
    body()->addWidget(LMDCheckBoxDemo);

    auto* form = new QFormLayout;
    LMDSITEID =
        AddEdit(form, "LMDSITEID", "00-SITEID",
                "The account ID given to you when you opened your Zelmo Krant account", "M");
    LMDSERVER = AddEdit(form, "LMDSERVER", "00-SERVER",
                        "The server number on which your Zelmo Krant account resides");
    LMDPassword = AddEdit(form, "LMDPassword", "Password",
                          "The password used to access your Zelmo Krant account");
    LMDPassword->setEchoMode(QLineEdit::Password);
    LMDPARTNERID = AddEdit(form, "LMDPARTNERID", "00-PARTNERID",
                           "If you are a web designer building this catalog for someone else, get "
                           "a Partner ID from Zelmo Krant and enter it here.",
                           "P");
    body()->addLayout(form);

    auto* explanation = new QLabel(
        "The 00-SITEID and 00-SERVER properties are given to you when you sign up for Zelmo "
        "Krant service. If you have not yet signed up for Zelmo Krant service, you should click "
        "the DEMO box. You will be able to build your catalog, but it will not be functional "
        "until a Zelmo Krant account is created.");
    explanation->setWordWrap(true);
    body()->addWidget(explanation);
    AddButtons();

    body()->addWidget(
        new QLabel("To use the buttons below, you must be connected to the Internet."));
    LMDButtonCreate->setObjectName("LMDButtonCreate");
    LMDButtonCreate->setToolTip("Go online and open a Zelmo Krant account to get a Site ID");
    LMDButtonAdmin->setObjectName("LMDButtonAdmin");
    LMDButtonAdmin->setToolTip("Go to the password protected Admin Pages for your account");
    auto* links = new QHBoxLayout;
    links->addWidget(LMDButtonCreate);
    links->addWidget(LMDButtonAdmin);
    links->addStretch(1);
    body()->addLayout(links);

    connect(LMDCheckBoxDemo, &QCheckBox::toggled, this, &TFormAccount::LMDCheckBoxDemoChange);
    connect(LMDButtonOK, &QPushButton::clicked, this, &TFormAccount::LMDButtonOKClick);
    connect(LMDButtonCancel, &QPushButton::clicked, this, &TFormAccount::LMDButtonCancelClick);
    connect(LMDButtonCreate, &QPushButton::clicked, this, [this] { main_.CreateAccountClick(); });
    connect(LMDButtonAdmin, &QPushButton::clicked, this, [this] { main_.AdminPagesClick(); });
}

void TFormAccount::Load() {
    const MXCatalog& c = main_.Catalog();
    LMDCheckBoxDemo->setChecked(c.DemoMode);
    LMDSITEID->setText(FromCatalogText(c.SITEID));
    // The stored partner ID carries its "P"; whatever its first character, the field omits it.
    LMDPARTNERID->setText(c.PARTNERID.empty() ? QString() : FromCatalogText(c.PARTNERID.substr(1)));
    LMDSERVER->setText(FromCatalogText(c.SERVER));
    LMDPassword->setText(FromCatalogText(c.ZKPassword));
    LMDCheckBoxDemoChange();
}

void TFormAccount::LMDCheckBoxDemoChange() {
    // A disabled field is drawn in the grey-text colour and keeps its contents.
    const bool demo = LMDCheckBoxDemo->isChecked();
    for (QLineEdit* edit : {LMDSITEID, LMDSERVER, LMDPassword, LMDPARTNERID})
        edit->setEnabled(!demo);
}

void TFormAccount::LMDButtonOKClick() {
    const bool demo = LMDCheckBoxDemo->isChecked();
    if (!demo && (LMDSITEID->text().isEmpty() || LMDSERVER->text().isEmpty() ||
                  LMDPassword->text().isEmpty())) {
        main_.Prompts().ShowMessage("Account Error",
                                    "You must fill in all entries for non-demo catalogs.",
                                    PromptIcon::Error);
        return;
    }
    MXCatalog& c = main_.Catalog();
    c.DemoMode = demo;
    c.SITEID = ToCatalogText(LMDSITEID->text());
    c.PARTNERID = LMDPARTNERID->text().isEmpty() ? "" : "P" + ToCatalogText(LMDPARTNERID->text());
    c.SERVER = ToCatalogText(LMDSERVER->text());
    c.ZKPassword = ToCatalogText(LMDPassword->text());
    Accepted("New Zelmo Krant Account Values Set.");
}

void TFormAccount::LMDButtonCancelClick() {
    CancelChanges("New Zelmo Krant Account Values Ignored.");
}
