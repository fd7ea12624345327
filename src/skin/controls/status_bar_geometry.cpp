#include "skin/controls/status_bar_geometry.h"

int StatusBevelFrame(std::string_view bevel) {
  if (bevel == "pbraised") return 2;
  if (bevel == "pbnone") return 3;
  return 1;
}

TRect StatusPanelFace(const TRect& part, int bar_width, bool last) {
  return {part.Left, part.Top, last ? bar_width : part.Right + 2, part.Bottom};
}

TStatusTextAlign StatusTextAlign(std::string_view alignment, bool right_to_left) {
  if (alignment == "tacenter") return TStatusTextAlign::Centre;
  const bool right = alignment == "tarightjustify";
  return right != right_to_left ? TStatusTextAlign::Right : TStatusTextAlign::Left;
}

TRect StatusGripPlace(const TRect& bar, int frame_width, int frame_height) {
  return {bar.Right - frame_width, bar.Bottom - frame_height, bar.Right, bar.Bottom};
}
