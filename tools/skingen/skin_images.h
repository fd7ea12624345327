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

// What a skin draws its own way: its frame (borders, title) and its check and
// radio strips. The other images are drawn alike for every skin, each in its
// palette.
struct TSkinImages {
  std::span<const TSkinImageEntry> Frame;
  std::span<const TSkinImageEntry> Toggles;
};

TSkinImages DefaultSkinImages();
TSkinImages EmberSkinImages();
// The caption buttons, icon and push button, then the rest of the controls;
// an archive holds a skin's frame, the caption images, its toggles and the
// control images, in that order.
std::span<const TSkinImageEntry> CaptionImages();
std::span<const TSkinImageEntry> ControlImages();
