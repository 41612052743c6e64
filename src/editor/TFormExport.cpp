#include "TFormExport.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFormExport::TFormExport(QWidget* parent)
    : EditorPage("FormExport", "Export", parent),
      LMDButtonGenerate(new QPushButton("Generate")),
      LMDButtonUpload(new QPushButton("Upload")) {
    LMDButtonGenerate->setObjectName("LMDButtonGenerate");
    LMDButtonGenerate->setToolTip("Create the HTML pages of your Catalog!");
    LMDButtonUpload->setObjectName("LMDButtonUpload");
    LMDButtonUpload->setToolTip("Send your catalog pages to your web server");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(LMDButtonGenerate);
    buttons->addWidget(LMDButtonUpload);
    buttons->addStretch(1);
    body()->addLayout(buttons);

    auto* text = new QLabel(
        "Using the buttons above, you can generate your catalog and then upload it to your web "
        "server via FTP.\n\n"
        "The 'Generate' button uses the settings you have selected and the data you have entered "
        "to create all the HTML pages for your online store.\n\n"
        "The 'Upload' button sends the most recently generated version of your catalog to your "
        "online account. You must first set your FTP server and account information in this "
        "catalog's General Properties.");
    text->setWordWrap(true);
    body()->addWidget(text);
}
