#pragma once
// Writing icon (.ico) files: every image 32-bit with its own alpha, and the
// 1-bit mask that older readers draw with.

#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/image/image.h"

// One image of an icon: its colours and, row by row from the top like the
// colours, each pixel's opacity (0 transparent to 255 opaque).
struct TIconImage {
  TSkinBitmap colours;
  std::vector<std::uint8_t> alpha;
};

// The file's bytes, images in the order given. Throws std::invalid_argument
// for no images, an image wider or taller than 256 pixels or empty, or an
// alpha plane of the wrong size: a broken icon must not reach a program.
std::string WriteIco(const std::vector<TIconImage>& images);
