#pragma once

#include <QLabel>
#include <QSize>

#include "generator/Picture.h"

// The preview size of a picture of `width` by `height` pixels (height not 0): 60 high and as
// wide as the proportions give, but never wider than 75; truncated, not rounded.
QSize FitPreview(int width, int height);

// A small picture box that shows a loaded picture stretched to its FitPreview size and keeps
// the decoded picture for writing it out later.
class PicturePreview : public QLabel {
    Q_OBJECT
public:
    explicit PicturePreview(const char* objectName, QWidget* parent = nullptr);

    // Hidden, 75 by 60, without a picture.
    void Reset();
    // Reads a GIF, JPEG or BMP file, told apart by its content. On success the preview shows it,
    // fitted; on failure nothing changes and `error` says why.
    bool LoadFile(const QString& path, QString* error);
    const Picture& picture() const { return picture_; }

private:
    Picture picture_;
};
