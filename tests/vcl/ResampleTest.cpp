#include <gtest/gtest.h>

#include <FL/Fl_RGB_Image.H>

#include <algorithm>
#include <vector>

#include "Resample.h"
#include "TPicture.h"

namespace {
using Pixels = std::vector<unsigned char>;

Pixels Resampled(const Pixels& from, int width, int height, int depth, int newWidth, int newHeight) {
    return ResampleBilinear(from.data(), width, height, depth, width * depth, newWidth, newHeight);
}

// The same size gives the same pixels; one colour stays that colour at any size.
TEST(ResampleBilinear, KeepsWhatNeedsNoInterpolation) {
    const Pixels picture = {10, 20, 30, 40, 50, 60, 70, 80, 90,  //
                            15, 25, 35, 45, 55, 65, 75, 85, 95};
    EXPECT_EQ(Resampled(picture, 3, 2, 3, 3, 2), picture);
    const Pixels flat(4 * 3 * 3, 77);
    for (const auto& [w, h] : {std::pair{8, 6}, {6, 5}, {12, 9}, {5, 4}})
        EXPECT_EQ(Resampled(flat, 4, 3, 3, w, h), Pixels(static_cast<std::size_t>(w * h * 3), 77)) << w << " × " << h;
}

// A black pixel beside a white one, three times as wide: the edge fades through greys instead of
// standing in three-pixel blocks, the ends keep their colours and the row reads the same either way.
TEST(ResampleBilinear, IsSmoothNotBlocky) {
    const Pixels row = Resampled({0, 255}, 2, 1, 1, 6, 1);
    ASSERT_EQ(row.size(), 6u);
    EXPECT_EQ(row.front(), 0);
    EXPECT_EQ(row.back(), 255);
    EXPECT_TRUE(std::is_sorted(row.begin(), row.end()));
    const auto greys = std::count_if(row.begin(), row.end(), [](unsigned char v) { return v != 0 && v != 255; });
    EXPECT_GE(greys, 2);
    for (std::size_t i = 0; i < row.size(); ++i) EXPECT_EQ(row[i] + row[row.size() - 1 - i], 255) << i;
    // Twice the size in both directions: each source pixel's colour still leads its own quarter.
    const Pixels square = Resampled({0, 255, 255, 0}, 2, 2, 1, 4, 4);
    EXPECT_LT(square[0], 64);
    EXPECT_GT(square[3], 191);
    EXPECT_GT(square[12], 191);
    EXPECT_LT(square[15], 64);
}

// A transparent pixel's colour does not bleed: an opaque red beside a transparent green gives red
// fading out, never brownish red-green.
TEST(ResampleBilinear, WeighsColoursByTheirAlpha) {
    const Pixels picture = {255, 0, 0, 255, 0, 255, 0, 0};
    const Pixels row = Resampled(picture, 2, 1, 4, 6, 1);
    for (std::size_t x = 0; x < 6; ++x) {
        const unsigned char* p = &row[x * 4];
        if (p[3] == 0) continue;
        EXPECT_EQ(p[0], 255) << x;
        EXPECT_EQ(p[1], 0) << x;
    }
    EXPECT_EQ(row[3], 255);
    EXPECT_EQ(row[23], 0);
    EXPECT_GT(row[11], 0);  // the middle fades
    EXPECT_LT(row[11], 255);
}

// A picture scaled to another size holds its own pixels, smoothly resampled, and keeps its name.
TEST(PictureScaled, HoldsItsOwnResampledPixels) {
    const TPicture palette = TPicture::FromResource("palette.png");  // yellow beside navy
    const TPicture scaled = palette.Scaled(palette.Width() * 3, palette.Height() * 3);
    EXPECT_EQ(scaled.Name(), "palette.png");
    ASSERT_EQ(scaled.Width(), 6);
    ASSERT_EQ(scaled.Height(), 3);
    const Fl_RGB_Image& image = *scaled.Image();
    ASSERT_EQ(image.d(), 3);
    const auto* pixels = reinterpret_cast<const unsigned char*>(image.data()[0]);
    EXPECT_EQ(Pixels(pixels, pixels + 3), (Pixels{255, 255, 0}));
    EXPECT_EQ(Pixels(pixels + 15, pixels + 18), (Pixels{0, 0, 128}));
    EXPECT_NE(Pixels(pixels + 6, pixels + 9), (Pixels{255, 255, 0}));  // between them, a blend
    EXPECT_TRUE(TPicture().Scaled(10, 10).Empty());
}
}  // namespace
