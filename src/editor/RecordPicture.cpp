#include "RecordPicture.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <cstdio>

#include "CatalogText.h"
#include "JpegPictureFile.h"
#include "PicturePreview.h"
#include "Prompter.h"
#include "catalog/CatalogFolder.h"
#include "catalog/MXCatalog.h"

RecordPicture::RecordPicture(const QString& kind, const QString& errorCaption, const QString& hint,
                             Prompter& prompter, QObject* parent)
    : QObject(parent),
      Preview(new PicturePreview(("Image" + kind).toLatin1().constData())),
      Browse(new QPushButton("Browse...")),
      Remove(new QCheckBox("Remove Image?")),
      controls_(new QWidget),
      errorCaption_(errorCaption),
      prompter_(prompter) {
    Browse->setObjectName("LMDButton" + kind);
    Browse->setToolTip("Get Image...");
    Remove->setObjectName("LMDCheckBoxRem" + kind);
    Remove->setToolTip("Check this box to remove this image from your catalog.");
    auto* caption = new QLabel("Image:");
    caption->setToolTip(hint);

    auto* layout = new QHBoxLayout(controls_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption);
    layout->addWidget(Preview, 0, Qt::AlignCenter);
    layout->addWidget(Browse);
    layout->addWidget(Remove);
    layout->addStretch(1);
    connect(Browse, &QPushButton::clicked, this, &RecordPicture::BrowseClick);
    Reset();
}

void RecordPicture::Reset() {
    Preview->Reset();
    chosen_ = false;
    Remove->setChecked(false);
}

void RecordPicture::ShowStored(const std::string& path) {
    Reset();
    if (!path.empty() && IsRegularFile(path)) Preview->LoadFile(FromCatalogText(path), nullptr);
}

void RecordPicture::BrowseClick() {
    const QString start = lastFile_.isEmpty() ? QDir::currentPath() : QFileInfo(lastFile_).path();
    const std::optional<QString> file = prompter_.ChoosePicture("Open", start);
    if (!file) return;
    lastFile_ = *file;
    QString error;
    if (!Preview->LoadFile(*file, &error)) {
        prompter_.ShowMessage(errorCaption_, error, PromptIcon::Error);
        return;
    }
    chosen_ = true;
}

bool RecordPicture::MaySave(const MXCatalog& catalog) {
    if (!catalog.CatalogFolder.empty() || !chosen_) return true;
    prompter_.ShowMessage(errorCaption_, "You must save your catalog before you can add images.",
                          PromptIcon::Error);
    return false;
}

// GIF, JPEG and BMP files all decode into the preview's picture, which is written out whole.
void RecordPicture::Apply(const std::string& path) {
    if (path.empty()) return;
    if (Remove->isChecked()) {
        std::remove(path.c_str());
        return;
    }
    if (!chosen_) return;
    std::string error;
    if (!WritePictureJpeg(Preview->picture(), path, &error))
        prompter_.ShowMessage(errorCaption_,
                              "The image could not be saved: " + FromCatalogText(error),
                              PromptIcon::Error);
}

std::string RecordPicturePath(const MXCatalog& catalog, const char* prefix, const std::string& id) {
    if (catalog.CatalogFolder.empty()) return {};
    return catalog.CatalogFolder + "/data" + "/" + prefix + id + ".jpg";
}
