#pragma once
// Writing images as 24-bit bottom-up BMP files with an info header, the form
// the skin archive keeps its images in.

#include <string>

#include "skin/data/image/image.h"

// The file's bytes; the empty image gives an empty string (BMP has no empty form).
std::string WriteBmp(const TSkinBitmap& image);
