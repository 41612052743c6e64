#pragma once

#include <cstdint>
#include <vector>

// A decoded picture: rows top to bottom, three bytes (red, green, blue) per pixel.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;

    void resize(int w, int h) {
        width = w;
        height = h;
        rgb.assign(static_cast<size_t>(w) * static_cast<size_t>(h) * 3, 0);
    }
    uint8_t* row(int y) { return rgb.data() + static_cast<size_t>(y) * width * 3; }
    const uint8_t* row(int y) const { return rgb.data() + static_cast<size_t>(y) * width * 3; }
};

// Decoders refuse pictures beyond these sizes rather than exhaust memory on a hostile file.
inline constexpr int kMaxPictureSide = 30000;
inline constexpr int64_t kMaxPicturePixels = 40'000'000;

inline bool pictureSizeAcceptable(int64_t width, int64_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}
