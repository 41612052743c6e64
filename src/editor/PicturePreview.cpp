#include "PicturePreview.h"

#include <QImage>
#include <QPixmap>

#include "CatalogText.h"
#include "generator/PictureFile.h"

namespace {

constexpr int kPreviewWidth = 75;
constexpr int kPreviewHeight = 60;

}  // namespace

QSize FitPreview(int width, int height) {
    const float ratio = static_cast<float>(width) / static_cast<float>(height);
    const int fitted = static_cast<int>(kPreviewHeight * ratio);
    if (fitted <= kPreviewWidth) return {fitted, kPreviewHeight};
    return {kPreviewWidth, static_cast<int>(kPreviewWidth / ratio)};
}

PicturePreview::PicturePreview(const char* objectName, QWidget* parent) : QLabel(parent) {
    setObjectName(objectName);
    setScaledContents(true);  // the picture is stretched into the box
    Reset();
}

void PicturePreview::Reset() {
    picture_ = Picture{};
    clear();
    setFixedSize(kPreviewWidth, kPreviewHeight);
    hide();
}

bool PicturePreview::LoadFile(const QString& path, QString* error) {
    Picture loaded;
    PictureSize fullSize;
    std::string why;
    if (!readPicture(ToCatalogText(path), loaded, fullSize, &why)) {
        if (error) *error = FromCatalogText(why);
        return false;
    }
    picture_ = std::move(loaded);  // the reader never accepts a picture without pixels
    const QImage image(picture_.rgb.data(), picture_.width, picture_.height, picture_.width * 3,
                       QImage::Format_RGB888);
    setPixmap(QPixmap::fromImage(image));
    setFixedSize(FitPreview(picture_.width, picture_.height));
    show();
    return true;
}
