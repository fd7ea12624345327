#include "skin/controls/track_bar_geometry.h"

#include <algorithm>

std::array<TImagePart, 3> LayOutTrackChannel(const TRect& channel, int image_width, int image_height,
                                             int first, int last, bool vertical) {
  // Everything is worked out lying down: the long side runs along x.
  const int length = vertical ? channel.Height() : channel.Width();
  const int breadth = vertical ? channel.Width() : channel.Height();
  const int image_length = vertical ? image_height : image_width;
  const int image_breadth = vertical ? image_width : image_height;
  const int start = vertical ? channel.Top : channel.Left;
  int across = vertical ? channel.Left : channel.Top;
  if (image_breadth < breadth) across += vertical ? (breadth - image_breadth) / 2 : breadth / 2;

  first = std::max(first, 0);
  last = std::max(last, 0);
  if (first + last > length || first + last > image_length) first = last = 0;
  const int cuts[4] = {0, first, image_length - last, image_length};
  const int places[4] = {start, start + first, start + length - last, start + length};

  std::array<TImagePart, 3> parts;
  for (int i = 0; i < 3; ++i) {
    TRect source{cuts[i], 0, cuts[i + 1], image_breadth};
    TRect target{places[i], across, places[i + 1], across + image_breadth};
    if (vertical) {
      source = {source.Top, source.Left, source.Bottom, source.Right};
      target = {target.Top, target.Left, target.Bottom, target.Right};
    }
    parts[i] = {source, target};
  }
  return parts;
}

TRect TrackChannelBounds(const std::array<TImagePart, 3>& parts) {
  return {parts[0].Target.Left, parts[0].Target.Top, parts[2].Target.Right, parts[2].Target.Bottom};
}
