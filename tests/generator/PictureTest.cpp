#include <gif_lib.h>
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "generator/GifFile.h"
#include "generator/JpegFile.h"
#include "generator/Picture.h"
#include "generator/PictureFile.h"
#include "generator/PictureScaling.h"

namespace {

Picture Gradient(int width, int height) {
    Picture p;
    p.resize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* px = p.row(y) + x * 3;
            px[0] = static_cast<uint8_t>(x * 255 / width);
            px[1] = static_cast<uint8_t>(y * 255 / height);
            px[2] = 128;
        }
    return p;
}

std::string Le16(int v) { return {static_cast<char>(v & 255), static_cast<char>(v >> 8 & 255)}; }
std::string Le32(int v) { return Le16(v & 0xFFFF) + Le16(v >> 16 & 0xFFFF); }

}  // namespace

TEST(Pictures, FitInBoxKeepsTheSinglePrecisionRatioAndTruncates) {
    struct Case {
        int w, h, first, second, width, height;
    } cases[] = {
        {400, 200, 200, 200, 200, 100},  {200, 400, 200, 200, 100, 200},
        {300, 300, 200, 200, 200, 200},  {50, 50, 250, 250, 250, 250},
        {400, 300, 80, 80, 80, 59},      {300, 400, 80, 80, 60, 80},
        {640, 480, 200, 200, 200, 149},  {1024, 768, 250, 250, 250, 187},
        {3, 1000, 200, 200, 0, 200},     {100, 100, 50, 80, 80, 50},  // unequal: taken literally
    };
    for (const Case& c : cases)
        EXPECT_EQ(fitInBox(c.w, c.h, c.first, c.second), (PictureSize{c.width, c.height}))
            << c.w << "x" << c.h << " in " << c.first << "," << c.second;
}

TEST(Pictures, StretchAveragesAreasAndKeepsSidesPositive) {
    Picture two;
    two.resize(2, 1);
    two.rgb = {0, 0, 0, 200, 100, 50};
    Picture one = stretchPicture(two, {1, 1});
    EXPECT_EQ(one.rgb, (std::vector<uint8_t>{100, 50, 25}));

    Picture flat;
    flat.resize(7, 5);
    std::fill(flat.rgb.begin(), flat.rgb.end(), 77);
    for (PictureSize size : {PictureSize{3, 2}, PictureSize{20, 13}}) {
        Picture s = stretchPicture(flat, size);
        EXPECT_EQ(s.width, size.width);
        EXPECT_EQ(s.height, size.height);
        EXPECT_TRUE(std::all_of(s.rgb.begin(), s.rgb.end(), [](uint8_t v) { return v == 77; }));
    }
    Picture thin = stretchPicture(Gradient(3, 1000), {0, 200});
    EXPECT_EQ(thin.width, 1);
    EXPECT_EQ(thin.height, 200);
}

TEST(Pictures, JpegFilesCarryTheFixedEncoderSettings) {
    TempFolder tmp;
    const std::string path = tmp / "p.jpg";
    ASSERT_TRUE(writeJpeg(Gradient(33, 20), path, nullptr));
    const std::string f = ReadFileBytes(path);
    auto byte = [&](size_t at) { return static_cast<uint8_t>(f[at]); };
    ASSERT_GT(f.size(), 20u);
    EXPECT_EQ(f.substr(0, 4), "\xFF\xD8\xFF\xE0");          // SOI, then APP0
    EXPECT_EQ(f.substr(6, 5), std::string("JFIF\0", 5));
    EXPECT_EQ(byte(13), 0);                                  // density unit 0
    EXPECT_EQ(byte(14) << 8 | byte(15), 1);                  // X density 1
    EXPECT_EQ(byte(16) << 8 | byte(17), 1);                  // Y density 1

    bool progressive = false, baseline = false, restart = false;
    int lumaDc = -1, components = 0;
    for (size_t at = 2; at + 4 <= f.size() && byte(at) == 0xFF;) {
        const uint8_t marker = byte(at + 1);
        const size_t length = byte(at + 2) << 8 | byte(at + 3);
        if (marker == 0xC2) {
            progressive = true;
            components = byte(at + 9);
        }
        if (marker == 0xC0 || marker == 0xC1) baseline = true;
        if (marker == 0xDD) restart = true;
        if (marker == 0xDB && lumaDc < 0) lumaDc = byte(at + 5);  // table 0, first value
        if (marker == 0xDA) break;  // entropy-coded data follows
        at += 2 + length;
    }
    EXPECT_TRUE(progressive);
    EXPECT_FALSE(baseline);
    EXPECT_FALSE(restart);
    EXPECT_EQ(components, 3);  // colour
    EXPECT_EQ(lumaDc, 6);      // 16 scaled for quality 80

    Picture back;
    PictureSize full;
    ASSERT_TRUE(readPicture(path, back, full, nullptr));
    EXPECT_EQ(back.width, 33);
    EXPECT_EQ(full, (PictureSize{33, 20}));
}

TEST(Pictures, ScaledJpegDecodingNeverGoesBelowTheLimit) {
    TempFolder tmp;
    ASSERT_TRUE(writeJpeg(Gradient(1024, 768), tmp / "big.jpg", nullptr));
    Picture p;
    PictureSize full;
    ASSERT_TRUE(readPicture(tmp / "big.jpg", p, full, nullptr,
                            [](int, int) { return PictureSize{500, 374}; }));
    EXPECT_EQ(full, (PictureSize{1024, 768}));
    EXPECT_EQ(p.width, 512);  // half size is the smallest that still holds 500 by 374
    EXPECT_EQ(p.height, 384);
}

TEST(Pictures, BitmapsAndGifsAreRead) {
    TempFolder tmp;
    // A 2 by 2 bitmap, 24 bits, bottom-up: rows are padded to four bytes.
    std::string pixels = std::string("\x00\x00\xFF\x00\xFF\x00", 6) + std::string(2, '\0') +
                         std::string("\xFF\x00\x00\xFF\xFF\xFF", 6) + std::string(2, '\0');
    std::string bmp = "BM" + Le32(54 + 16) + Le32(0) + Le32(54) + Le32(40) + Le32(2) + Le32(2) +
                      Le16(1) + Le16(24) + Le32(0) + Le32(16) + Le32(0) + Le32(0) + Le32(0) +
                      Le32(0) + pixels;
    WriteFileBytes(tmp / "p.bmp", bmp);
    Picture p;
    PictureSize full;
    ASSERT_TRUE(readPicture(tmp / "p.bmp", p, full, nullptr));
    // Top row: blue, white; bottom row: red, green.
    EXPECT_EQ(p.rgb, (std::vector<uint8_t>{0, 0, 255, 255, 255, 255, 255, 0, 0, 0, 255, 0}));

    // A 5 by 3 GIF screen with a 2 by 1 image at (1, 1).
    int error = 0;
    GifFileType* gif = EGifOpenFileName((tmp / "p.gif").c_str(), false, &error);
    ASSERT_NE(gif, nullptr);
    GifColorType colours[2] = {{10, 20, 30}, {200, 100, 0}};
    ColorMapObject* map = GifMakeMapObject(2, colours);
    EGifPutScreenDesc(gif, 5, 3, 1, 0, map);
    EGifPutImageDesc(gif, 1, 1, 2, 1, false, nullptr);
    GifPixelType line[2] = {1, 0};
    EGifPutLine(gif, line, 2);
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);

    int width = 0, height = 0;
    ASSERT_TRUE(readGifSize(tmp / "p.gif", width, height));
    EXPECT_EQ(width, 5);
    EXPECT_EQ(height, 3);
    ASSERT_TRUE(readPicture(tmp / "p.gif", p, full, nullptr));
    EXPECT_EQ(full, (PictureSize{5, 3}));
    const uint8_t* middle = p.row(1);
    EXPECT_EQ(std::vector<uint8_t>(middle, middle + 9),
              (std::vector<uint8_t>{255, 255, 255, 200, 100, 0, 10, 20, 30}));

    WriteFileBytes(tmp / "bad.jpg", "\xFF\xD8 not really");
    EXPECT_FALSE(readPicture(tmp / "bad.jpg", p, full, nullptr));
    EXPECT_FALSE(readGifSize(tmp / "bad.jpg", width, height));
}
