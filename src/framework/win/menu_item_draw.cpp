#include "framework/win/menu_item_draw.h"

#include "framework/win/gdi.h"
#include "framework/win/image_list.h"
#include "framework/win/main_menu.h"
#include "framework/win/wide.h"

namespace {

// Space between the glyph column and the text, and after the shortcut.
constexpr int kTextGap = 3;
constexpr int kShortCutGap = 16;
constexpr int kRightMargin = 11;

UniqueFont MenuFont(bool bold) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  if (bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
  return UniqueFont(CreateFontIndirectW(&metrics.lfMenuFont));
}

// Items of a menu bar stand in the bar: text only, no glyph column.
bool InMenuBar(const TMenuItem& item) {
  const auto* menu = ObjectAs<TMainMenu>(item.GetParentMenu());
  return menu != nullptr && item.Parent() == menu->Items();
}

SIZE TextSize(HDC dc, const std::wstring& text) {
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_CALCRECT | DT_EXPANDTABS);
  return {r.right - r.left, r.bottom - r.top};
}

// An empty caption or a lone "&" still takes the room of a space.
std::wstring CaptionText(const TMenuItem& item) {
  const std::wstring text = ToWide(item.Caption());
  return text.empty() || text == L"&" ? L" " : text;
}

SIZE GlyphSize(const TMenuItem& item) {
  const TCustomImageList* images = item.GetParentMenu() != nullptr ? item.GetParentMenu()->Images() : nullptr;
  if (images == nullptr) return {16, 16};
  return {images->Width(), images->Height()};
}

RECT ToRECT(const layout::Rect& r) {
  return {r.Left, r.Top, r.Right, r.Bottom};
}

// Where the source is black, the brush; elsewhere the destination stays.
constexpr DWORD kBrushThroughBlack = 0x00B8074A;

void DrawCheckMark(HDC dc, const RECT& square) {
  const int side = GetSystemMetrics(SM_CXMENUCHECK);
  const HDC mark_dc = CreateCompatibleDC(dc);
  const UniqueBitmap mark(CreateBitmap(side, side, 1, 1, nullptr));
  const UniqueBrush ink(CreateSolidBrush(GetTextColor(dc)));
  {
    const SelectedObject selected(mark_dc, mark.get());
    RECT r{0, 0, side, side};
    // The system draws the mark black on white; it is printed in the text colour.
    DrawFrameControl(mark_dc, &r, DFC_MENU, DFCS_MENUCHECK);
    const int x = (square.left + square.right - side) / 2, y = (square.top + square.bottom - side) / 2;
    const SavedDC saved(dc);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    SelectObject(dc, ink.get());
    BitBlt(dc, x, y, side, side, mark_dc, 0, 0, kBrushThroughBlack);
  }
  DeleteDC(mark_dc);
}

}  // namespace

void MeasureMenuItem(const TMenuItem& item, HDC dc, int& width, int& height) {
  if (item.IsLine()) {
    width = 0;
    height = GetSystemMetrics(SM_CYMENU) / 2;
    return;
  }
  const UniqueFont font = MenuFont(item.Default());
  const SelectedObject selected(dc, font.get());
  const SIZE text = TextSize(dc, CaptionText(item));
  if (InMenuBar(item)) {
    width = text.cx;
    height = text.cy;
    return;
  }
  const SIZE glyph = GlyphSize(item);
  width = 1 + glyph.cx + kTextGap + text.cx + kRightMargin;
  if (const AnsiString shortcut = ShortCutToText(item.ShortCut()); !shortcut.empty()) {
    width += kShortCutGap + TextSize(dc, ToWide(shortcut)).cx;
  }
  height = std::max<int>(text.cy + 4, glyph.cy + 2);
}

void DrawMenuItem(const TMenuItem& item, HDC dc, const layout::Rect& rect, TOwnerDrawState state) {
  const bool selected = state.Contains(TOwnerDrawStateFlag::odSelected);
  const bool enabled = item.Enabled() && !state.Contains(TOwnerDrawStateFlag::odDisabled) &&
                       !state.Contains(TOwnerDrawStateFlag::odGrayed);
  RECT r = ToRECT(rect);
  FillRect(dc, &r, GetSysColorBrush(selected && !item.IsLine() ? COLOR_HIGHLIGHT : COLOR_MENU));
  if (item.IsLine()) {
    RECT line{r.left, (r.top + r.bottom) / 2 - 1, r.right, r.bottom};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  const UniqueFont font = MenuFont(item.Default());  // outlives its selection
  const SavedDC saved(dc);
  SelectObject(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(!enabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  const std::wstring caption = CaptionText(item);
  if (InMenuBar(item)) {
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &r,
              DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    return;
  }

  const SIZE glyph = GlyphSize(item);
  const RECT square{r.left + 1, r.top + 1, r.left + 1 + glyph.cx, r.top + 1 + glyph.cy};
  const auto* images = ObjectAs<const TImageList>(item.GetParentMenu()->Images());
  if (images != nullptr && item.ImageIndex() >= 0 && item.ImageIndex() < images->Count()) {
    if (item.Checked()) {
      RECT frame = square;
      InflateRect(&frame, 1, 1);
      DrawEdge(dc, &frame, BDR_SUNKENOUTER, BF_RECT);
    }
    images->Draw(dc, square.left, square.top, item.ImageIndex(), enabled);
  } else if (item.Checked()) {
    DrawCheckMark(dc, {square.left, r.top, square.right, r.bottom});
  }

  RECT text{square.right + kTextGap, r.top, r.right - 1, r.bottom};
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS);
  if (const AnsiString shortcut = ShortCutToText(item.ShortCut()); !shortcut.empty()) {
    const std::wstring wide = ToWide(shortcut);
    RECT right{text.left, r.top, r.right - kRightMargin, r.bottom};
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &right, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
  }
}

bool MeasureMenuMessage(const TMenu& menu, MEASUREITEMSTRUCT& measure) {
  TMenuItem* item = menu.FindItem(measure.itemID, TFindItemKind::fkCommand);
  if (item == nullptr) return false;
  const WindowDC screen(nullptr);
  const UniqueFont font = MenuFont(false);
  const SelectedObject selected(screen.get(), font.get());
  int width = static_cast<int>(measure.itemWidth), height = static_cast<int>(measure.itemHeight);
  if (item->OnMeasureItem()) {
    item->OnMeasureItem()(item, screen.get(), width, height);
  } else {
    MeasureMenuItem(*item, screen.get(), width, height);
  }
  measure.itemWidth = static_cast<UINT>(width);
  measure.itemHeight = static_cast<UINT>(height);
  return true;
}

bool DrawMenuMessage(const TMenu& menu, const DRAWITEMSTRUCT& draw) {
  TMenuItem* item = menu.FindItem(draw.itemID, TFindItemKind::fkCommand);
  if (item == nullptr) return false;
  TOwnerDrawState state;
  const std::pair<UINT, TOwnerDrawStateFlag> flags[] = {
      {ODS_SELECTED, TOwnerDrawStateFlag::odSelected}, {ODS_GRAYED, TOwnerDrawStateFlag::odGrayed},
      {ODS_DISABLED, TOwnerDrawStateFlag::odDisabled}, {ODS_CHECKED, TOwnerDrawStateFlag::odChecked},
      {ODS_FOCUS, TOwnerDrawStateFlag::odFocused},     {ODS_DEFAULT, TOwnerDrawStateFlag::odDefault},
      {ODS_HOTLIGHT, TOwnerDrawStateFlag::odHotLight}, {ODS_INACTIVE, TOwnerDrawStateFlag::odInactive},
      {ODS_NOACCEL, TOwnerDrawStateFlag::odNoAccel},
  };
  for (const auto& [bit, flag] : flags) {
    if (draw.itemState & bit) state.Include(flag);
  }
  const layout::Rect rect{draw.rcItem.left, draw.rcItem.top, draw.rcItem.right, draw.rcItem.bottom};
  const UniqueFont font = MenuFont(false);  // outlives its selection
  const SavedDC saved(draw.hDC);
  SelectObject(draw.hDC, font.get());
  if (item->OnAdvancedDrawItem()) {
    item->OnAdvancedDrawItem()(item, draw.hDC, rect, state);
  } else {
    DrawMenuItem(*item, draw.hDC, rect, state);
  }
  return true;
}
