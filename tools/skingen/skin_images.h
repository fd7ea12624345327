#pragma once
// Every image of a skin with the archive member name its description gives
// it: the default skin's, and the Ember skin's (drawn after
// palette::UseEmber()).

#include <span>

#include "skin/data/image/image.h"

struct TSkinImageEntry {
  const char* member;
  TSkinBitmap (*draw)();
};

std::span<const TSkinImageEntry> DefaultSkinImages();
std::span<const TSkinImageEntry> EmberSkinImages();
