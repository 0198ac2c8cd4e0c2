#include "Resample.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {
// Weights are in 256ths.
constexpr int kOne = 256;

// Where a pixel of the new row (or column) takes its colour from: two neighbouring source pixels
// and the weight of the second. Pixel centres line up: the new pixel d's centre lies at
// (d + ½) × from / to − ½ in the source.
struct Tap {
    int first, second, weight;
};

std::vector<Tap> Taps(int from, int to) {
    std::vector<Tap> taps;
    taps.reserve(static_cast<std::size_t>(to));
    for (int d = 0; d < to; ++d) {
        const std::int64_t centre = ((2 * std::int64_t{d} + 1) * from * kOne + to) / (2 * std::int64_t{to}) - kOne / 2;
        const int at = static_cast<int>(std::max<std::int64_t>(centre, 0));
        const int first = std::min(at / kOne, from - 1);
        const int second = std::min(first + 1, from - 1);
        taps.push_back({first, second, first == second ? 0 : at % kOne});
    }
    return taps;
}
}  // namespace

std::vector<unsigned char> ResampleBilinear(const unsigned char* pixels, int width, int height, int depth, int lineBytes,
                                            int newWidth, int newHeight) {
    std::vector<unsigned char> out(static_cast<std::size_t>(newWidth) * static_cast<std::size_t>(newHeight) *
                                   static_cast<std::size_t>(depth));
    if (width <= 0 || height <= 0 || newWidth <= 0 || newHeight <= 0) return out;
    const bool alpha = depth == 2 || depth == 4;
    const int colours = alpha ? depth - 1 : depth;
    const std::vector<Tap> columns = Taps(width, newWidth), rows = Taps(height, newHeight);
    unsigned char* to = out.data();
    for (const Tap& row : rows) {
        const unsigned char* upper = pixels + static_cast<std::ptrdiff_t>(row.first) * lineBytes;
        const unsigned char* lower = pixels + static_cast<std::ptrdiff_t>(row.second) * lineBytes;
        for (const Tap& column : columns) {
            const unsigned char* corner[4] = {upper + column.first * depth, upper + column.second * depth,
                                              lower + column.first * depth, lower + column.second * depth};
            // The corners' weights, in 65536ths.
            const int weight[4] = {(kOne - column.weight) * (kOne - row.weight), column.weight * (kOne - row.weight),
                                   (kOne - column.weight) * row.weight, column.weight * row.weight};
            if (!alpha) {
                for (int c = 0; c < colours; ++c) {
                    const int sum = weight[0] * corner[0][c] + weight[1] * corner[1][c] + weight[2] * corner[2][c] +
                                    weight[3] * corner[3][c];
                    *to++ = static_cast<unsigned char>((sum + kOne * kOne / 2) / (kOne * kOne));
                }
                continue;
            }
            // Each corner counts by its weight and its opacity.
            std::int64_t opacity[4], coverage = 0;
            for (int k = 0; k < 4; ++k) coverage += opacity[k] = std::int64_t{weight[k]} * corner[k][colours];
            for (int c = 0; c < colours; ++c) {
                std::int64_t sum = 0;
                for (int k = 0; k < 4; ++k) sum += opacity[k] * corner[k][c];
                *to++ = static_cast<unsigned char>(coverage ? (sum + coverage / 2) / coverage : 0);
            }
            *to++ = static_cast<unsigned char>((coverage + kOne * kOne / 2) / (kOne * kOne));
        }
    }
    return out;
}
