#include "skin/windows/win/paint/gradient_fill_dc.h"

#include <algorithm>
#include <vector>

#include "framework/win/font_handle.h"
#include "skin/data/image/img_util.h"

void GradientFill(HDC dc, const RECT& rect, TColor from, TColor to, int direction) {
  if (!RectVisible(dc, &rect)) return;
  const TSystemColours& system = WindowsSystemColours();
  const bool columns = direction == 0;
  const int n = static_cast<int>(columns ? rect.right - rect.left : rect.bottom - rect.top);
  if (n <= 0) return;
  RECT clip{};
  GetClipBox(dc, &clip);
  const int origin = static_cast<int>(columns ? rect.left : rect.top);
  const int begin = std::max(0, static_cast<int>(columns ? clip.left : clip.top) - origin);
  const int end = std::min(n, static_cast<int>(columns ? clip.right : clip.bottom) - origin);
  TGradientTables& tables = SharedGradientTables();
  const std::vector<TColor>& table = tables.Slot(tables.Table(n, system.Resolve(from), system.Resolve(to)));
  for (int k = begin; k < end; ++k) {
    const UniqueBrush brush = CreateColorBrush(table[static_cast<std::size_t>(k)]);
    const RECT line = columns ? RECT{rect.left + k, rect.top, rect.left + k + 1, rect.bottom}
                              : RECT{rect.left, rect.top + k, rect.right, rect.top + k + 1};
    FillRect(dc, &line, brush.get());
  }
}
