#include "skin/data/win/system_colours_win.h"

#include <windows.h>

TColor TGdiSystemColours::Colour(int index) const {
  return static_cast<TColor>(GetSysColor(index));
}
