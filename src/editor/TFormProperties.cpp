#include "TFormProperties.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "PageHost.h"
#include "TFormAccount.h"
#include "TFormCustomize.h"
#include "TFormMain.h"
#include "TFormUploadInfo.h"

namespace {

// The page of the given number as the page class it is registered as.
template <typename Page>
Page* PageAt(TFormMain& main, int number) {
    return qobject_cast<Page*>(main.Pages()->Page(number));
}

}  // namespace

TFormProperties::TFormProperties(TFormMain& main, QWidget* parent)
    : EditorPage("FormProperties", "Catalog Properties", parent),
      LMDButtonUpload(new QPushButton("Upload")),
      LMDButtonAccount(new QPushButton("Account")),
      LMDButtonCustomize(new QPushButton("Customize")),
      main_(main) {
    LMDButtonUpload->setObjectName("LMDButtonUpload");
    LMDButtonUpload->setToolTip("Set your web server connection information");
    LMDButtonAccount->setObjectName("LMDButtonAccount");
    LMDButtonAccount->setToolTip("Set your Zelmo Krant account properties");
    LMDButtonCustomize->setObjectName("LMDButtonCustomize");
    LMDButtonCustomize->setToolTip("Set look and feel properties for this catalog");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(LMDButtonUpload);
    buttons->addWidget(LMDButtonAccount);
    buttons->addWidget(LMDButtonCustomize);
    buttons->addStretch(1);
    body()->addLayout(buttons);

    auto* text = new QLabel(
        "Using the buttons above, you can set the default properties for your catalog. Some "
        "properties are optional and others are required.\r\n\r\n"
        "The 'Upload' button allows you to set the FTP server, account and password information "
        "for your online web account. If you do not already have a web site, ask your Internet "
        "service provider or Zelmo Krant how to set one up.\r\n\r\n"
        "The other buttons allow you to enter your Zelmo Krant account information into Zelmo "
        "Marlix and customize the look and feel (colors, fonts, etc) of your online store.");
    text->setWordWrap(true);
    body()->addWidget(text);

    connect(LMDButtonUpload, &QPushButton::clicked, this, &TFormProperties::LMDButtonUploadClick);
    connect(LMDButtonAccount, &QPushButton::clicked, this, &TFormProperties::LMDButtonAccountClick);
    connect(LMDButtonCustomize, &QPushButton::clicked, this,
            &TFormProperties::LMDButtonCustomizeClick);
}

void TFormProperties::LMDButtonUploadClick() {
    PageAt<TFormUploadInfo>(main_, kPageUploadInfo)->Load();
    main_.ShowPage(kPageUploadInfo);
}

void TFormProperties::LMDButtonAccountClick() {
    PageAt<TFormAccount>(main_, kPageAccount)->Load();
    main_.ShowPage(kPageAccount);
}

void TFormProperties::LMDButtonCustomizeClick() {
    PageAt<TFormCustomize>(main_, kPageCustomize)->Load();
    main_.ShowPage(kPageCustomize);
}
