#include <gtest/gtest.h>

#include <vector>

#include "Exception.h"
#include "Resources.h"
#include "TPicture.h"

namespace {

std::vector<int> Pixels(const EmbeddedPicture& p) {
    return {p.pixels, p.pixels + p.width * p.height * p.depth};
}

// The pictures are decoded when the program is built: rows from the top, RGBA where there is
// transparency, RGB otherwise (palette pictures expanded).
TEST(EmbeddedPicture, IsDecodedRowByRowWithItsTransparency) {
    const EmbeddedPicture* rgba = FindPicture("pixels.png");
    ASSERT_NE(rgba, nullptr);
    EXPECT_EQ(rgba->width, 3);
    EXPECT_EQ(rgba->height, 2);
    ASSERT_EQ(rgba->depth, 4);
    EXPECT_EQ(Pixels(*rgba), (std::vector<int>{255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255,  //
                                               255, 255, 255, 255, 0, 0, 0, 255, 10, 20, 30, 0}));

    const EmbeddedPicture* palette = FindPicture("palette.png");
    ASSERT_NE(palette, nullptr);
    ASSERT_EQ(palette->depth, 3);
    EXPECT_EQ(Pixels(*palette), (std::vector<int>{255, 255, 0, 0, 0, 128}));
}

TEST(EmbeddedPicture, AnUnknownNameIsNoPicture) {
    EXPECT_EQ(FindPicture("nothere.png"), nullptr);
    EXPECT_EQ(FindPicture(""), nullptr);
    EXPECT_THROW(TPicture::FromResource("nothere.png"), Exception);
    EXPECT_EQ(TPicture::FromResource("pixels.png").Width(), 3);
}

}  // namespace
