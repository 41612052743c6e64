#pragma once

struct Picture;

struct PictureSize {
    int width = 0;
    int height = 0;
    bool operator==(const PictureSize&) const = default;
};

// The size a W by H picture is stretched to for a box line's FIRST and SECOND value. The ratio
// W/H is held in single precision and the results are truncated, so a 400 by 300 picture in an
// 80 box gives 80 by 59. Pictures smaller than the box are enlarged; a very thin picture may
// give a side of 0.
PictureSize fitInBox(int pictureWidth, int pictureHeight, int first, int second);

// The largest side a picture is stretched to; sides below 1 become 1.
inline constexpr int kMaxStretchSide = 4096;

// Stretches the whole picture to the given size (each side brought into 1..kMaxStretchSide) by
// area averaging: each new pixel is the mean of the source area it covers, weighted by how much
// of each source pixel lies inside it.
Picture stretchPicture(const Picture& source, PictureSize size);
