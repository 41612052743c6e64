#include "GifWriter.h"

#include <gif_lib.h>
#include <libimagequant.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "Picture.h"
#include "catalog/CatalogFolder.h"

namespace {

struct LiqAttrFree {
    void operator()(liq_attr* p) const { liq_attr_destroy(p); }
};
struct LiqImageFree {
    void operator()(liq_image* p) const { liq_image_destroy(p); }
};
struct LiqResultFree {
    void operator()(liq_result* p) const { liq_result_destroy(p); }
};

// The picture reduced to a palette of at most 256 colours and one palette index per pixel.
struct IndexedPicture {
    std::vector<GifColorType> palette;
    std::vector<uint8_t> indices;
};

bool quantise(const Picture& picture, IndexedPicture& out) {
    std::vector<uint8_t> rgba(static_cast<size_t>(picture.width) * picture.height * 4);
    for (size_t i = 0, n = rgba.size() / 4; i < n; ++i) {
        rgba[4 * i] = picture.rgb[3 * i];
        rgba[4 * i + 1] = picture.rgb[3 * i + 1];
        rgba[4 * i + 2] = picture.rgb[3 * i + 2];
        rgba[4 * i + 3] = 255;
    }
    std::unique_ptr<liq_attr, LiqAttrFree> attr(liq_attr_create());
    if (!attr || liq_set_max_colors(attr.get(), 256) != LIQ_OK) return false;
    std::unique_ptr<liq_image, LiqImageFree> image(
        liq_image_create_rgba(attr.get(), rgba.data(), picture.width, picture.height, 0));
    if (!image) return false;
    liq_result* raw = nullptr;
    if (liq_image_quantize(image.get(), attr.get(), &raw) != LIQ_OK) return false;
    std::unique_ptr<liq_result, LiqResultFree> result(raw);
    // Full dithering strength is plain Floyd-Steinberg error diffusion.
    if (liq_set_dithering_level(result.get(), 1.0f) != LIQ_OK) return false;
    out.indices.resize(static_cast<size_t>(picture.width) * picture.height);
    if (liq_write_remapped_image(result.get(), image.get(), out.indices.data(),
                                 out.indices.size()) != LIQ_OK)
        return false;
    const liq_palette* palette = liq_get_palette(result.get());
    for (unsigned i = 0; i < palette->count; ++i)
        out.palette.push_back(
            {palette->entries[i].r, palette->entries[i].g, palette->entries[i].b});
    return true;
}

int appendToString(GifFileType* gif, const GifByteType* bytes, int length) {
    static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
    return length;
}

struct GifWriteCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};

struct ColorMapFree {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

bool encode(const Picture& picture, const IndexedPicture& indexed, std::string& bytes) {
    // A GIF colour table holds a power of two of entries, at least two.
    int size = 2;
    while (size < static_cast<int>(indexed.palette.size())) size *= 2;
    std::vector<GifColorType> colours(indexed.palette);
    colours.resize(static_cast<size_t>(size), GifColorType{0, 0, 0});
    std::unique_ptr<ColorMapObject, ColorMapFree> map(GifMakeMapObject(size, colours.data()));
    if (!map) return false;

    int code = 0;
    std::unique_ptr<GifFileType, GifWriteCloser> gif(EGifOpen(&bytes, appendToString, &code));
    if (!gif) return false;
    if (EGifPutScreenDesc(gif.get(), picture.width, picture.height, 8, 0, map.get()) != GIF_OK ||
        EGifPutImageDesc(gif.get(), 0, 0, picture.width, picture.height, false, nullptr) != GIF_OK)
        return false;
    for (int y = 0; y < picture.height; ++y) {
        auto* line = const_cast<GifPixelType*>(indexed.indices.data() +
                                               static_cast<size_t>(y) * picture.width);
        if (EGifPutLine(gif.get(), line, picture.width) != GIF_OK) return false;
    }
    // Closing writes the trailer; only a clean close leaves a complete file.
    return EGifCloseFile(gif.release(), &code) == GIF_OK;
}

}  // namespace

bool writeGif(const std::string& path, const Picture& picture, std::string* error) {
    auto fail = [&](const char* why) {
        if (error) *error = why;
        return false;
    };
    if (!pictureSizeAcceptable(picture.width, picture.height) ||
        picture.rgb.size() != static_cast<size_t>(picture.width) * picture.height * 3)
        return fail("no picture to write");
    IndexedPicture indexed;
    if (!quantise(picture, indexed)) return fail("the picture's colours cannot be reduced");
    std::string bytes;
    if (!encode(picture, indexed, bytes)) return fail("the GIF picture cannot be encoded");
    if (!ReplaceFileAtomically(path, bytes)) return fail("the file cannot be written");
    return true;
}
