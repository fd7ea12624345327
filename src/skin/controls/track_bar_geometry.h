#pragma once
// Track bars: where the three parts of the channel image go. A horizontal
// channel is cut across its width (end columns kept, middle stretched) at the
// image's height; a vertical one along its height at the image's width.
// Rectangles are Right and Bottom exclusive.

#include <array>

#include "skin/data/image/image_rect.h"

struct TImagePart {
  TRect Source;  // of the image
  TRect Target;  // of the control
};

// `channel` as the control reports it, already transposed for a vertical bar;
// `first` and `last` are the kept end parts (LeftWidth and RightWidth, or
// TopHeight and BottomHeight). A channel too short for both ends is given the
// whole image stretched (the ends would overlap), as a single middle part.
// A horizontal image lower than the channel is moved down by half the
// channel's height; a vertical one narrower than it is centred across it.
std::array<TImagePart, 3> LayOutTrackChannel(const TRect& channel, int image_width, int image_height,
                                             int first, int last, bool vertical);
// The rectangle the parts cover together.
TRect TrackChannelBounds(const std::array<TImagePart, 3>& parts);
