#pragma once
// Every image of the default skin with the archive member name its
// description gives it.

#include <span>

#include "skin/data/image/image.h"

struct TSkinImageEntry {
  const char* member;
  TSkinBitmap (*draw)();
};

std::span<const TSkinImageEntry> DefaultSkinImages();
