#include "framework/win/memo.h"

#include "framework/published.h"
#include "framework/win/memo_word_break.h"

namespace {
constexpr const char* kScrollStyleNames[] = {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};

// The lines as the window shows them: CR LF between lines, none after the last.
AnsiString JoinLines(const TStringList& lines) {
  AnsiString text;
  for (int i = 0; i < lines.Count(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines.Item(i);
  }
  return text;
}
}  // namespace

const TEnumInfo kScrollStyleInfo{"TScrollStyle", kScrollStyleNames};

int TMemoStrings::Count() const {
  Load();
  return lines_.Count();
}

AnsiString TMemoStrings::Get(int index) const {
  Load();
  return lines_.Get(index);
}

void TMemoStrings::Insert(int index, std::string_view s) {
  Load();
  lines_.Insert(index, s);
  Changed();
}

void TMemoStrings::Delete(int index) {
  Load();
  lines_.Delete(index);
  Changed();
}

void TMemoStrings::Clear() {
  lines_.Clear();
  valid_ = true;
  Changed();
}

AnsiString TMemoStrings::Text() const {
  if (dirty_) return TStrings::Text();
  return memo_.Text();
}

void TMemoStrings::SetText(std::string_view text) {
  memo_.SetText(text.substr(0, text.find('\0')));
}

void TMemoStrings::EndUpdate() {
  if (--updates_ == 0 && dirty_) Changed();
}

void TMemoStrings::Load() const {
  if (valid_) return;
  lines_.SetText(memo_.Text());
  valid_ = true;
}

void TMemoStrings::Changed() {
  dirty_ = true;
  if (updates_ > 0) return;
  dirty_ = false;
  memo_.SetText(JoinLines(lines_));
  valid_ = true;
}

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner) {
  SetBounds(0, 0, 185, 89);
}

const TClassInfo& TCustomMemo::StaticClassInfo() {
  static const TClassInfo info = MakeClassInfo<TCustomMemo, TCustomEdit>("TCustomMemo");
  return info;
}

const TClassInfo& TMemo::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishObject("Lines", &TCustomMemo::LinesProperty),
      PublishEnum("ScrollBars", kScrollStyleInfo, &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars),
      PublishBoolean("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap),
      PublishBoolean("WantTabs", &TCustomMemo::WantTabs, &TCustomMemo::SetWantTabs),
  };
  static const TClassInfo info = MakeClassInfo<TMemo, TCustomMemo>("TMemo", properties);
  return info;
}

void TCustomMemo::SetScrollBars(TScrollStyle scroll_bars) {
  scroll_bars_ = scroll_bars;
  RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool word_wrap) {
  word_wrap_ = word_wrap;
  RecreateWnd();
}

void TCustomMemo::SetText(std::string_view text) {
  TCustomEdit::SetText(text);
  lines_.Invalidate();
}

bool TCustomMemo::Wraps() const {
  return word_wrap_ && scroll_bars_ != TScrollStyle::ssHorizontal && scroll_bars_ != TScrollStyle::ssBoth;
}

void TCustomMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.window_class.name = L"TMemo";
  // The edit control takes a device context for every line it measures; a
  // context of its own saves fetching one each time.
  params.window_class.style = CS_OWNDC;
  params.style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
  const bool horizontal = scroll_bars_ == TScrollStyle::ssHorizontal || scroll_bars_ == TScrollStyle::ssBoth;
  const bool vertical = scroll_bars_ == TScrollStyle::ssVertical || scroll_bars_ == TScrollStyle::ssBoth;
  if (horizontal) params.style |= WS_HSCROLL;
  if (vertical) params.style |= WS_VSCROLL;
  if (Wraps()) params.style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
}

void TCustomMemo::InitializeWnd() {
  TCustomEdit::InitializeWnd();
  SendMessageW(WindowHandle(), EM_SETWORDBREAKPROC, 0, reinterpret_cast<LPARAM>(&MemoWordBreakProc));
}

void TCustomMemo::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_GETDLGCODE:
      return WmGetDlgCode(m);
    default:
      return TCustomEdit::WndProc(m);
  }
}

void TCustomMemo::DefaultHandler(TMessage& m) {
  // Word moves (Ctrl+arrows) and double-click selection ask for words, not
  // wrap points, and never change the text.
  const bool words_only =
      m.Msg == WM_LBUTTONDBLCLK || (m.Msg == WM_KEYDOWN && (m.WParam == VK_LEFT || m.WParam == VK_RIGHT));
  const TMemoMeasureScope scope(WindowHandle(), Wraps() && !words_only);
  TCustomEdit::DefaultHandler(m);
}

void TCustomMemo::WmGetDlgCode(TMessage& m) {
  DefaultHandler(m);
  // Tab moves the focus unless the memo wants tabs typed.
  m.Result = want_tabs_ ? (m.Result | DLGC_WANTTAB) : (m.Result & ~DLGC_WANTTAB);
}

void TCustomMemo::Changed() {
  lines_.Invalidate();
  TCustomEdit::Changed();
}
