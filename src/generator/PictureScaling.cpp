#include "PictureScaling.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "Picture.h"

PictureSize fitInBox(int pictureWidth, int pictureHeight, int first, int second) {
    const float ratio = static_cast<float>(pictureWidth) / static_cast<float>(pictureHeight);
    PictureSize size;
    size.height = first;
    size.width = static_cast<int>(std::trunc(static_cast<long double>(second) * ratio));
    if (size.width > second) {
        size.width = second;
        size.height = static_cast<int>(std::trunc(static_cast<long double>(second) / ratio));
    }
    return size;
}

namespace {

// For each target position along one axis: the source pixels it covers and their weights,
// which add up to 1.
struct AxisWeights {
    std::vector<int> first;    // first source index per target index
    std::vector<int> count;    // number of source indices per target index
    std::vector<int> offset;   // where the target index's weights start in `weights`
    std::vector<float> weights;

    AxisWeights(int sourceLength, int targetLength) {
        const double scale = static_cast<double>(sourceLength) / targetLength;
        for (int t = 0; t < targetLength; ++t) {
            const double from = t * scale, to = (t + 1) * scale;
            int i = static_cast<int>(from);
            const int last = std::min(sourceLength - 1, static_cast<int>(std::ceil(to)) - 1);
            first.push_back(i);
            offset.push_back(static_cast<int>(weights.size()));
            int n = 0;
            for (; i <= std::max(last, first.back()); ++i, ++n) {
                const double overlap = std::min<double>(i + 1, to) - std::max<double>(i, from);
                weights.push_back(static_cast<float>(std::max(overlap, 0.0) / scale));
            }
            count.push_back(n);
        }
    }
};

}  // namespace

Picture stretchPicture(const Picture& source, PictureSize size) {
    const int width = std::clamp(size.width, 1, kMaxStretchSide);
    const int height = std::clamp(size.height, 1, kMaxStretchSide);
    Picture target;
    target.resize(width, height);
    if (source.width <= 0 || source.height <= 0) return target;

    const AxisWeights across(source.width, width), down(source.height, height);

    // Rows first: every source row shrinks (or grows) to the new width.
    std::vector<float> rows(static_cast<size_t>(source.height) * width * 3);
    for (int y = 0; y < source.height; ++y) {
        const uint8_t* in = source.row(y);
        float* out = rows.data() + static_cast<size_t>(y) * width * 3;
        for (int x = 0; x < width; ++x) {
            float r = 0, g = 0, b = 0;
            const float* w = across.weights.data() + across.offset[x];
            const uint8_t* px = in + across.first[x] * 3;
            for (int k = 0; k < across.count[x]; ++k, px += 3) {
                r += px[0] * w[k];
                g += px[1] * w[k];
                b += px[2] * w[k];
            }
            out[x * 3] = r;
            out[x * 3 + 1] = g;
            out[x * 3 + 2] = b;
        }
    }
    // Then columns: each target row is the weighted sum of the source rows it covers.
    std::vector<float> sum(static_cast<size_t>(width) * 3);
    for (int y = 0; y < height; ++y) {
        std::fill(sum.begin(), sum.end(), 0.0f);
        const float* w = down.weights.data() + down.offset[y];
        for (int k = 0; k < down.count[y]; ++k) {
            const float* in = rows.data() + static_cast<size_t>(down.first[y] + k) * width * 3;
            for (size_t i = 0; i < sum.size(); ++i) sum[i] += in[i] * w[k];
        }
        uint8_t* out = target.row(y);
        for (size_t i = 0; i < sum.size(); ++i)
            out[i] = static_cast<uint8_t>(std::clamp(sum[i] + 0.5f, 0.0f, 255.0f));
    }
    return target;
}
