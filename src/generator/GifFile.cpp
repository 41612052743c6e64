#include "GifFile.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "Picture.h"

namespace {

// giflib reads through this callback from a byte string held in memory.
struct MemoryReader {
    const std::string& bytes;
    size_t offset = 0;
};

int readFromMemory(GifFileType* gif, GifByteType* into, int length) {
    MemoryReader* reader = static_cast<MemoryReader*>(gif->UserData);
    size_t left = reader->bytes.size() - reader->offset;
    size_t n = length < 0 ? 0 : std::min(left, static_cast<size_t>(length));
    std::memcpy(into, reader->bytes.data() + reader->offset, n);
    reader->offset += n;
    return static_cast<int>(n);
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

}  // namespace

bool readGifSize(const std::string& path, int& width, int& height) {
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(DGifOpenFileName(path.c_str(), &error));
    if (!gif) return false;
    width = gif->SWidth;
    height = gif->SHeight;
    return true;
}

bool readGif(const std::string& bytes, Picture& picture, std::string* error) {
    MemoryReader reader{bytes};
    int code = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&reader, readFromMemory, &code));
    auto fail = [&](const char* why) {
        if (error) *error = why;
        return false;
    };
    if (!gif) return fail("not a GIF file");
    if (!pictureSizeAcceptable(gif->SWidth, gif->SHeight)) return fail("picture too large");
    // A damaged later frame still leaves the first image usable.
    if (DGifSlurp(gif.get()) != GIF_OK && gif->ImageCount < 1) return fail("damaged GIF file");
    if (gif->ImageCount < 1) return fail("GIF file without an image");

    const SavedImage& image = gif->SavedImages[0];
    const ColorMapObject* colours = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap
                                                             : gif->SColorMap;
    if (!colours || !image.RasterBits) return fail("GIF file without colours");
    GraphicsControlBlock control;
    int transparent = NO_TRANSPARENT_COLOR;
    if (DGifSavedExtensionToGCB(gif.get(), 0, &control) == GIF_OK)
        transparent = control.TransparentColor;

    picture.resize(gif->SWidth, gif->SHeight);
    std::fill(picture.rgb.begin(), picture.rgb.end(), 255);
    const GifImageDesc& desc = image.ImageDesc;
    for (int y = 0; y < desc.Height; ++y) {
        const int screenY = desc.Top + y;
        if (screenY < 0 || screenY >= picture.height) continue;
        uint8_t* out = picture.row(screenY);
        for (int x = 0; x < desc.Width; ++x) {
            const int screenX = desc.Left + x;
            if (screenX < 0 || screenX >= picture.width) continue;
            const int index = image.RasterBits[static_cast<size_t>(y) * desc.Width + x];
            if (index == transparent || index >= colours->ColorCount) continue;
            const GifColorType& c = colours->Colors[index];
            uint8_t* px = out + screenX * 3;
            px[0] = c.Red;
            px[1] = c.Green;
            px[2] = c.Blue;
        }
    }
    return true;
}
