#include "skin/controls/win/skin_status_bar.h"

#include <commctrl.h>

#include <algorithm>
#include <cctype>

#include "framework/collection.h"
#include "framework/win/gdi.h"
#include "skin/controls/status_bar_geometry.h"
#include "skin/controls/win/property_by_name.h"
#include "skin/data/model/skin_data.h"
#include "skin/windows/win/paint/draw_text_auto.h"

namespace {

// ExtraImages holds five frames; the last is the size grip.
constexpr int kExtraFrames = 5;
constexpr int kEdgeFrames = 3;

RECT ToRect(const TRect& r) {
  return {r.Left, r.Top, r.Right, r.Bottom};
}
TRect FromRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}

std::string Lowered(AnsiString text) {
  std::string value(text);
  std::transform(value.begin(), value.end(), value.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return value;
}

// The bar's font in its plain style; null when there is none.
UniqueFont PlainFont(HFONT font) {
  LOGFONTW plain{};
  if (font == nullptr || GetObjectW(font, sizeof(plain), &plain) == 0) return UniqueFont(nullptr);
  plain.lfWeight = FW_NORMAL;
  plain.lfItalic = plain.lfUnderline = plain.lfStrikeOut = FALSE;
  return UniqueFont(CreateFontIndirectW(&plain));
}

unsigned AlignFlag(TStatusTextAlign align) {
  switch (align) {
    case TStatusTextAlign::Centre:
      return DT_CENTER;
    case TStatusTextAlign::Right:
      return DT_RIGHT;
    default:
      return DT_LEFT;
  }
}

}  // namespace

bool TSkinStatusBar::HasImage() const {
  return SkinData()->StatusBarEdges != nullptr && !SkinData()->StatusBarEdges->Bitmap.Empty();
}

bool TSkinStatusBar::BeforeMessage(TMessage& message) {
  if (!TSkinControl::BeforeMessage(message)) return false;
  switch (message.Msg) {
    case WM_PAINT:
      if (!HasImage()) return true;
      PaintMessage(message);
      return false;
    case WM_ERASEBKGND:
      if (!HasImage()) return true;
      message.Result = 1;
      return false;
    default:
      return true;
  }
}

void TSkinStatusBar::DrawSkin(HDC dc, const RECT& rect) {
  if (!HasImage()) return;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  const HBITMAP bitmap = canvas_.Get(width, height);
  if (bitmap == nullptr) return;
  const MemoryDC memory(bitmap);
  const RECT whole{0, 0, width, height};
  FillSkinColor(memory.get(), whole);

  const UniqueFont font = PlainFont(CaptionFont());
  const SelectedObject selected(memory.get(),
                                font ? static_cast<HGDIOBJ>(font.get()) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(memory.get(), TRANSPARENT);
  SetTextColor(memory.get(), static_cast<COLORREF>(SkinData()->Environment().SystemColours().Resolve(
                                 SkinData()->StatusBarEdges->NormalColour2)));
  const bool right_to_left = (TextFlags(0) & DT_RTLREADING) != 0;
  DrawPanels(memory.get(), whole, right_to_left);

  const TDataSkinObject* extra = SkinData()->ExtraImages.get();
  if ((GetWindowLongPtrW(Handle(), GWL_STYLE) & SBARS_SIZEGRIP) != 0 && extra != nullptr &&
      !extra->Bitmap.Empty()) {
    const TRect grip =
        StatusGripPlace(FromRect(whole), extra->Bitmap.Width() / kExtraFrames, extra->Bitmap.Height());
    DrawStripFrame(memory.get(), ToRect(grip), kExtraFrames, kExtraFrames, extra->Bitmap);
  }
  PaintGraphicChildren(memory.get());
  BitBlt(dc, rect.left, rect.top, width, height, memory.get(), 0, 0, SRCCOPY);
}

void TSkinStatusBar::DrawPanels(HDC dc, const RECT& bar, bool right_to_left) {
  const TDataSkinObject& edges = *SkinData()->StatusBarEdges;
  const auto* panels = GetObjectPropByName<TCollection>(Control(), "Panels");
  const bool simple = Lowered(GetEnumPropByName(Control(), "SimplePanel")) == "true" ||
                      (Control() == nullptr && SendMessageW(Handle(), SB_ISSIMPLE, 0, 0) != 0);
  const int count = panels != nullptr ? panels->Count() : 0;
  if (simple || count == 0) {
    DrawElementFrame(dc, bar, kEdgeFrames, 1, edges);
    std::wstring text = GetTextPropByName(Control(), "SimpleText");
    // A bar without panels still shows one blank line's height of text.
    if (text.empty()) text = L" ";
    RECT area = bar;
    InflateRect(&area, -2, 0);
    DrawPanelText(dc, area, text, right_to_left ? DT_RIGHT : DT_LEFT);
    return;
  }
  const int parts = static_cast<int>(SendMessageW(Handle(), SB_GETPARTS, 0, 0));
  for (int i = 0; i < count && i < parts; ++i) {
    RECT part;
    if (!SendMessageW(Handle(), SB_GETRECT, i, reinterpret_cast<LPARAM>(&part))) continue;
    const TRect face = StatusPanelFace(FromRect(part), bar.right, i == count - 1 || i == parts - 1);
    const TCollectionItem* panel = panels->Items(i);
    DrawElementFrame(dc, ToRect(face), kEdgeFrames,
                     StatusBevelFrame(Lowered(GetEnumPropByName(panel, "Bevel"))), edges);
    RECT area = ToRect(face);
    InflateRect(&area, -2, 0);
    const TStatusTextAlign align =
        StatusTextAlign(Lowered(GetEnumPropByName(panel, "Alignment")), right_to_left);
    DrawPanelText(dc, area, GetTextPropByName(panel, "Text"), AlignFlag(align));
  }
}

void TSkinStatusBar::DrawPanelText(HDC dc, const RECT& face, const std::wstring& text, unsigned align) const {
  RECT area = face;
  DrawTextAuto(dc, text, area, TextFlags(align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX));
}
