#include "BmpFile.h"

#include <cstdint>

#include "Picture.h"

namespace {

uint32_t le16(const std::string& b, size_t at) {
    return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8;
}

uint32_t le32(const std::string& b, size_t at) {
    return le16(b, at) | le16(b, at + 2) << 16;
}

// One colour channel taken out of a pixel by its bit mask, widened to 8 bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(uint32_t m) : mask(m) {
        if (!m) return;
        while (!(m & 1)) {
            m >>= 1;
            ++shift;
        }
        while (m & 1) {
            m >>= 1;
            ++bits;
        }
    }
    uint8_t of(uint32_t pixel) const {
        if (!bits) return 0;
        uint32_t v = (pixel & mask) >> shift;
        return static_cast<uint8_t>(bits >= 8 ? v >> (bits - 8) : v * 255 / ((1u << bits) - 1));
    }
};

enum : uint32_t { kPlain = 0, kBitFields = 3 };

}  // namespace

bool readBmp(const std::string& b, Picture& picture, std::string* error) {
    auto fail = [&](const char* why) {
        if (error) *error = why;
        return false;
    };
    if (b.size() < 26 || b[0] != 'B' || b[1] != 'M') return fail("not a bitmap file");
    const uint32_t dataOffset = le32(b, 10);
    const uint32_t headerSize = le32(b, 14);
    if (b.size() < 14 + static_cast<size_t>(headerSize) || headerSize < 12)
        return fail("damaged bitmap header");

    int64_t width, height;
    uint32_t bitCount, compression = kPlain, coloursUsed = 0;
    size_t paletteEntry = 4;
    if (headerSize == 12) {  // the old core header
        width = le16(b, 18);
        height = static_cast<int16_t>(le16(b, 20));
        bitCount = le16(b, 24);
        paletteEntry = 3;
    } else {
        if (headerSize < 40) return fail("damaged bitmap header");
        width = static_cast<int32_t>(le32(b, 18));
        height = static_cast<int32_t>(le32(b, 22));
        bitCount = le16(b, 28);
        compression = le32(b, 30);
        coloursUsed = le32(b, 46);
    }
    const bool topDown = height < 0;
    if (topDown) height = -height;
    if (!pictureSizeAcceptable(width, height)) return fail("bitmap size not supported");

    Channel red(0x7C00), green(0x03E0), blue(0x001F);  // the plain 16-bit layout
    if (bitCount == 32 && compression == kPlain) {
        red = Channel(0xFF0000);
        green = Channel(0xFF00);
        blue = Channel(0xFF);
    } else if (compression == kBitFields && (bitCount == 16 || bitCount == 32)) {
        // The masks follow a 40-byte header and lie inside the larger ones.
        if (b.size() < 14 + 40 + 12) return fail("damaged bitmap header");
        red = Channel(le32(b, 54));
        green = Channel(le32(b, 58));
        blue = Channel(le32(b, 62));
    } else if (compression != kPlain) {
        return fail("compressed bitmaps are not supported");
    }
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
        bitCount != 32)
        return fail("bitmap depth not supported");

    // The palette follows the header (and the masks of a 40-byte header with bit fields).
    size_t paletteAt = 14 + headerSize + (headerSize == 40 && compression == kBitFields ? 12 : 0);
    uint32_t paletteSize = 0;
    if (bitCount <= 8) {
        paletteSize = coloursUsed ? coloursUsed : 1u << bitCount;
        if (paletteSize > 256) return fail("damaged bitmap palette");
        if (b.size() < paletteAt + paletteSize * paletteEntry) return fail("damaged bitmap palette");
    }

    const size_t stride = ((static_cast<size_t>(width) * bitCount + 31) / 32) * 4;
    if (dataOffset > b.size() || (b.size() - dataOffset) / stride < static_cast<size_t>(height))
        return fail("bitmap data cut short");

    picture.resize(static_cast<int>(width), static_cast<int>(height));
    for (int y = 0; y < picture.height; ++y) {
        const size_t rowAt = dataOffset + stride * (topDown ? y : picture.height - 1 - y);
        const unsigned char* in = reinterpret_cast<const unsigned char*>(b.data()) + rowAt;
        uint8_t* out = picture.row(y);
        for (int x = 0; x < picture.width; ++x, out += 3) {
            if (bitCount <= 8) {
                const int perByte = 8 / bitCount;
                const int shift = 8 - bitCount * (x % perByte + 1);
                uint32_t index = (in[x / perByte] >> shift) & ((1u << bitCount) - 1);
                if (index >= paletteSize) index = 0;
                const size_t entry = paletteAt + index * paletteEntry;
                out[0] = static_cast<uint8_t>(b[entry + 2]);
                out[1] = static_cast<uint8_t>(b[entry + 1]);
                out[2] = static_cast<uint8_t>(b[entry]);
            } else if (bitCount == 24) {
                out[0] = in[x * 3 + 2];
                out[1] = in[x * 3 + 1];
                out[2] = in[x * 3];
            } else {
                const uint32_t pixel = bitCount == 16 ? in[x * 2] | in[x * 2 + 1] << 8
                                                      : in[x * 4] | in[x * 4 + 1] << 8 |
                                                            in[x * 4 + 2] << 16 |
                                                            static_cast<uint32_t>(in[x * 4 + 3]) << 24;
                out[0] = red.of(pixel);
                out[1] = green.of(pixel);
                out[2] = blue.of(pixel);
            }
        }
    }
    return true;
}
