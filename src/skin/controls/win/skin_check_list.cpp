#include "skin/controls/win/skin_check_list.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "framework/font.h"
#include "framework/win/check_list_box.h"
#include "framework/win/gdi.h"
#include "framework/win/wide.h"
#include "skin/controls/check_box_geometry.h"
#include "skin/controls/win/property_by_name.h"
#include "skin/data/model/skin_data.h"
#include "skin/windows/win/paint/draw_text_auto.h"

namespace {

TRect FromRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}
RECT ToRect(const TRect& r) {
  return {r.Left, r.Top, r.Right, r.Bottom};
}

bool RightAligned(const TObject* list) {
  AnsiString value = GetEnumPropByName(list, "Alignment");
  std::transform(value.begin(), value.end(), value.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return value == "tarightjustify";
}

}  // namespace

bool TSkinCheckList::BeforeMessage(TMessage& m) {
  if (m.Msg == CN_DRAWITEM && DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam))) {
    m.Result = 1;
    return false;
  }
  return TSkinScrollbar::BeforeMessage(m);
}

bool TSkinCheckList::DrawItem(const DRAWITEMSTRUCT& item) {
  auto* list = ObjectAs<TCheckListBox>(Control());
  const TDataSkinButton* buttons = SkinData()->Buttons.get();
  if (list == nullptr || buttons == nullptr || buttons->CheckBitmap.Empty()) return false;
  const int index = static_cast<int>(item.itemID);
  const HDC dc = item.hDC;
  const RECT& r = item.rcItem;
  const bool selected = index >= 0 && (item.itemState & ODS_SELECTED) != 0;
  const HBRUSH list_brush = list->BrushHandle();
  if (index < 0 || index >= list->Items()->Count()) {
    FillRect(dc, &r, list_brush);
    return true;
  }

  const SavedDC saved(dc);
  const int count = std::max(buttons->CheckButtonFrame, 1);
  const bool right_to_left = (TextFlags(0) & DT_RTLREADING) != 0;
  const TCheckLayout layout =
      LayOutCheckBox({r.left + 2, r.top, r.right, r.bottom}, buttons->CheckBitmap.Width() / count,
                     buttons->CheckBitmap.Height(), RightAligned(list), false, right_to_left);
  // The box sits on the list's colour, selected or not; the strip's key colour shows it.
  const RECT box_area = layout.Flags & DT_RIGHT ? RECT{layout.Text.Right, r.top, r.right, r.bottom}
                                                : RECT{r.left, r.top, layout.Text.Left, r.bottom};
  FillRect(dc, &box_area, list_brush);
  TCheckBoxState state;
  state.NativeState = list->Checked(index) ? BST_CHECKED : BST_UNCHECKED;
  DrawStripFrame(dc, ToRect(layout.Box), count, CheckBoxFrame(state, count), buttons->CheckBitmap);

  RECT text = ToRect(layout.Text);
  FillRect(dc, &text, selected ? GetSysColorBrush(COLOR_HIGHLIGHT) : list_brush);
  SelectObject(dc, list->FontHandle());
  SetBkMode(dc, TRANSPARENT);
  const bool enabled = list->Enabled();
  const COLORREF font_colour =
      static_cast<COLORREF>(SkinData()->Environment().SystemColours().Resolve(list->Font()->Color()));
  SetTextColor(dc, !enabled   ? GetSysColor(COLOR_GRAYTEXT)
                   : selected ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                              : font_colour);
  const std::wstring caption = ToWide(list->Items()->Get(index));
  const unsigned flags = layout.Flags | DT_EXPANDTABS | DT_WORDBREAK;
  RECT measured = text;
  DrawTextAuto(dc, caption, measured, flags | DT_CALCRECT | DT_NOCLIP);
  RECT placed = ToRect(CentreCaptionVertically(FromRect(text), measured.bottom - measured.top));
  DrawTextAuto(dc, caption, placed, flags);
  if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(dc, &text);
  return true;
}
