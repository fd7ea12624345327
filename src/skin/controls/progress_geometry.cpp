#include "skin/controls/progress_geometry.h"

#include <algorithm>

#include "skin/controls/control_geometry.h"

int ProgressFilledLength(int length, int position, int low, int high, bool gated) {
  if (gated && (high <= 0 || position <= 0)) return 0;
  if (high == low || length <= 0) return 0;
  // MulDiv answers -1 for a zero range or an overflow: never a length to fill.
  const int filled = MulDivRounded(length, position - low, high - low);
  return std::clamp(filled, 0, length);
}
