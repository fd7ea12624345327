#include "framework/win/status_bar.h"

#include <commctrl.h>

#include <vector>

#include "framework/published.h"
#include "framework/win/wide.h"

namespace {
constexpr const char* kBevelNames[] = {"pbNone", "pbLowered", "pbRaised"};
}  // namespace

const TEnumInfo kStatusPanelBevelInfo{"TStatusPanelBevel", kBevelNames};

const TClassInfo& TStatusPanel::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishString("Text", &TStatusPanel::Text, &TStatusPanel::SetText),
      PublishInteger("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth),
      PublishEnum("Alignment", kAlignmentInfo, &TStatusPanel::Alignment, &TStatusPanel::SetAlignment),
      PublishEnum("Bevel", kStatusPanelBevelInfo, &TStatusPanel::Bevel, &TStatusPanel::SetBevel),
  };
  static const TClassInfo info = MakeClassInfo<TStatusPanel, TCollectionItem>("TStatusPanel", properties);
  return info;
}

void TStatusPanel::SetText(std::string_view text) {
  text_ = AnsiString(text);
  Changed();
}

void TStatusPanel::SetWidth(int width) {
  width_ = width;
  Changed();
}

void TStatusPanel::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  Changed();
}

void TStatusPanel::SetBevel(TStatusPanelBevel bevel) {
  bevel_ = bevel;
  Changed();
}

const TClassInfo& TStatusPanels::StaticClassInfo() {
  static const TClassInfo info = MakeClassInfo<TStatusPanels, TCollection>("TStatusPanels");
  return info;
}

void TStatusPanels::Update(TCollectionItem*) {
  owner_.UpdatePanels();
}

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 0, 19);
  SetAlign(TAlign::alBottom);
}

const TClassInfo& TStatusBar::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishObject("Panels", &TStatusBar::Panels),
      PublishBoolean("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel),
      PublishString("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText),
      PublishBoolean("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip),
  };
  static const TClassInfo info = MakeClassInfo<TStatusBar, TWinControl>("TStatusBar", properties);
  return info;
}

void TStatusBar::SetSimplePanel(bool simple_panel) {
  simple_panel_ = simple_panel;
  UpdatePanels();
}

void TStatusBar::SetSimpleText(std::string_view text) {
  simple_text_ = AnsiString(text);
  UpdatePanels();
}

void TStatusBar::SetSizeGrip(bool size_grip) {
  size_grip_ = size_grip;
  RecreateWnd();
}

void TStatusBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.window_class = {L"TStatusBar", STATUSCLASSNAMEW};
  // The framework places the bar; the window must not dock itself.
  params.style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | (size_grip_ ? SBARS_SIZEGRIP : 0);
}

void TStatusBar::UpdatePanels() {
  if (!HandleAllocated()) return;
  HWND wnd = WindowHandle();
  SendMessageW(wnd, SB_SIMPLE, simple_panel_, 0);
  if (simple_panel_) {
    SendMessageW(wnd, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(ToWide(simple_text_).c_str()));
    return;
  }
  const int count = panels_->Count();
  std::vector<int> edges;
  int right = 0;
  for (int i = 0; i < count; ++i) {
    right += panels_->Items(i)->Width();
    edges.push_back(i + 1 == count ? -1 : right);
  }
  if (edges.empty()) edges.push_back(-1);
  SendMessageW(wnd, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (int i = 0; i < count; ++i) {
    const TStatusPanel& panel = *panels_->Items(i);
    static constexpr WPARAM kBevelFlags[] = {SBT_NOBORDERS, 0, SBT_POPOUT};
    // A leading tab centres the text, two align it right.
    static constexpr const wchar_t* kAlignPrefix[] = {L"", L"\t\t", L"\t"};
    const std::wstring text = kAlignPrefix[static_cast<int>(panel.Alignment())] + ToWide(panel.Text());
    SendMessageW(wnd, SB_SETTEXTW, static_cast<WPARAM>(i) | kBevelFlags[static_cast<int>(panel.Bevel())],
                 reinterpret_cast<LPARAM>(text.c_str()));
  }
}
