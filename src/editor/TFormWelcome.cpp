#include "TFormWelcome.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QLabel* Paragraph(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

}  // namespace

TFormWelcome::TFormWelcome(const QString& vendorServerUrl, std::function<void(const QUrl&)> openUrl,
                           QWidget* parent)
    : EditorPage("FormWelcome", "Welcome!", parent),
      LMDButtonLaunch(new QPushButton(vendorServerUrl)),
      LMDButtonHelp(new QPushButton("Online Help!")),
      vendorServerUrl_(vendorServerUrl),
      openUrl_(std::move(openUrl)) {
    body()->addWidget(Paragraph("Thank you for choosing Zelmo Marlix by Zelmo Krant!"));
    body()->addWidget(Paragraph(
        "Marlix has the power to help you create the highest quality online catalogs, for use "
        "with our exclusive Zelmo Commerce service, with minimal effort."));
    body()->addWidget(Paragraph(
        "To make your design job quicker and easier, each field in each form has context "
        "sensitive pop-up hints that describes its function. This should be all you need, but if "
        "you need more, visit us online at:"));

    LMDButtonLaunch->setObjectName("LMDButtonLaunch");
    LMDButtonHelp->setObjectName("LMDButtonHelp");
    auto* links = new QHBoxLayout;
    links->addWidget(LMDButtonLaunch);
    links->addWidget(LMDButtonHelp);
    links->addStretch(1);
    body()->addLayout(links);

    auto* remember = new QLabel("Remember to save your work!");
    QFont italic = remember->font();
    italic.setItalic(true);
    remember->setFont(italic);
    body()->addWidget(remember);

    connect(LMDButtonLaunch, &QPushButton::clicked, this, &TFormWelcome::LMDButtonLaunchClick);
    connect(LMDButtonHelp, &QPushButton::clicked, this, &TFormWelcome::LMDButtonHelpClick);
}

void TFormWelcome::LMDButtonLaunchClick() {
    openUrl_(QUrl(vendorServerUrl_ + "/"));
}

void TFormWelcome::LMDButtonHelpClick() {
    openUrl_(QUrl(vendorServerUrl_ + "/marlix/"));
}
