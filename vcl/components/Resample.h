#pragma once

#include <vector>

// Pixels resampled to another size by bilinear interpolation, for pictures drawn at a higher
// density: smooth, not blocky. Rows from the top, `depth` bytes a pixel (1 grey, 2 grey and
// alpha, 3 RGB, 4 RGBA); `lineBytes` is the source's row length. Colours are weighted by their
// alpha, so that a transparent pixel's colour does not bleed into its neighbours. Integer
// arithmetic: the same pixels on every processor.
std::vector<unsigned char> ResampleBilinear(const unsigned char* pixels, int width, int height, int depth, int lineBytes,
                                            int newWidth, int newHeight);
