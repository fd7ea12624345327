#include "framework/win/memo.h"

#include <algorithm>

#include "framework/published.h"
#include "framework/scoped_value.h"
#include "framework/win/memo_word_break.h"
#include "framework/win/wide.h"

namespace {
constexpr const char* kScrollStyleNames[] = {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};

// Texts from this size, or of more lines than a part holds, fill
// progressively, in parts of about this many characters and at most this many
// lines (the edit control lays out each line it is given: a part costs a
// tenth of a second or so).
constexpr std::size_t kFillFrom = 64 * 1024;
constexpr std::size_t kFillPart = 32 * 1024;
constexpr std::size_t kFillLines = 2000;
// The first part is shown at once, while the caller waits: a few windows'
// worth of lines, the rest coming while idle.
constexpr std::size_t kFirstPart = 8 * 1024;
constexpr std::size_t kFirstLines = 200;
constexpr UINT_PTR kFillTimer = 0x4C46;

// The length of the part of `text` from `from` on: up to the line break after
// `size` characters or up to the `max_lines`-th one, whichever comes first,
// the break included; the rest when there is no such break.
std::size_t PartLength(const std::wstring& text, std::size_t from, std::size_t size, std::size_t max_lines) {
  std::size_t lines = 0;
  for (std::size_t i = from; i < text.size(); ++i) {
    if (text[i] == L'\n' && (++lines == max_lines || i - from >= size)) return i + 1 - from;
  }
  return text.size() - from;
}

// Messages that read or change the window's text, or act on a selection that
// could reach into the part not yet there.
bool NeedsWholeText(unsigned msg) {
  switch (msg) {
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case EM_GETLINECOUNT:
    case EM_GETLINE:
    case EM_LINEINDEX:
    case EM_LINELENGTH:
    case EM_LINEFROMCHAR:
    case EM_POSFROMCHAR:
    case EM_CHARFROMPOS:
    case EM_GETHANDLE:
    case EM_SETSEL:
    case EM_REPLACESEL:
    case EM_UNDO:
    case EM_FMTLINES:
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_IME_CHAR:
    case WM_PASTE:
    case WM_CUT:
    case WM_COPY:
    case WM_CLEAR:
    case WM_UNDO:
      return true;
    default:
      return false;
  }
}

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
  StopFill();
  if (!HandleAllocated() ||
      (text.size() < kFillFrom && std::count(text.begin(), text.end(), '\n') < std::ptrdiff_t{kFillLines})) {
    const ScopedValue setting(setting_text_, true);
    TCustomEdit::SetText(text);
    lines_.Invalidate();
    return;
  }
  TControl::SetText(text);
  fill_text_ = ToWide(text);
  fill_at_ = PartLength(fill_text_, 0, kFirstPart, kFirstLines);
  {
    const ScopedValue filling(filling_, true);
    SetWindowTextW(WindowHandle(), fill_text_.substr(0, fill_at_).c_str());
  }
  OnChange()(this);
  Perform(CM_TEXTCHANGED);
  lines_.Invalidate();
  if (Filling()) {
    SetTimer(WindowHandle(), kFillTimer, 1, nullptr);
  } else {
    StopFill();
  }
}

void TCustomMemo::FillMore() {
  const std::size_t from = fill_at_;
  fill_at_ += PartLength(fill_text_, from, kFillPart, kFillLines);
  const std::wstring part = fill_text_.substr(from, fill_at_ - from);
  if (!Filling()) StopFill();
  AppendToWindow(part);
}

void TCustomMemo::FinishFill() {
  const std::wstring rest = fill_text_.substr(fill_at_);
  StopFill();
  AppendToWindow(rest);
}

void TCustomMemo::StopFill() {
  if (HandleAllocated()) KillTimer(WindowHandle(), kFillTimer);
  fill_text_.clear();
  fill_at_ = 0;
}

void TCustomMemo::AppendToWindow(const std::wstring& part) {
  if (part.empty()) return;
  HWND wnd = WindowHandle();
  const ScopedValue filling(filling_, true);
  DWORD start = 0, end = 0;
  SendMessageW(wnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const auto top = SendMessageW(wnd, EM_GETFIRSTVISIBLELINE, 0, 0);
  // Turning redraw back on shows a window: only a shown one turns it off.
  const bool shown = IsWindowVisible(wnd) != FALSE;
  if (shown) SendMessageW(wnd, WM_SETREDRAW, FALSE, 0);
  const int length = GetWindowTextLengthW(wnd);
  SendMessageW(wnd, EM_SETSEL, static_cast<WPARAM>(length), length);
  SendMessageW(wnd, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(part.c_str()));
  SendMessageW(wnd, EM_SETSEL, start, static_cast<LPARAM>(end));
  SendMessageW(wnd, EM_LINESCROLL, 0, top - SendMessageW(wnd, EM_GETFIRSTVISIBLELINE, 0, 0));
  if (shown) {
    SendMessageW(wnd, WM_SETREDRAW, TRUE, 0);
    // The lines on view stay; the scroll bar has grown.
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOERASE);
  }
}

bool TCustomMemo::HasScrollBar(TScrollStyle bar) const {
  return scroll_bars_ == bar || scroll_bars_ == TScrollStyle::ssBoth;
}

bool TCustomMemo::Wraps() const {
  return word_wrap_ && !HasScrollBar(TScrollStyle::ssHorizontal);
}

void TCustomMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.window_class.name = L"TMemo";
  // The edit control takes a device context for every line it measures; a
  // context of its own saves fetching one each time.
  params.window_class.style = CS_OWNDC;
  params.style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
  if (HasScrollBar(TScrollStyle::ssHorizontal)) params.style |= WS_HSCROLL;
  if (HasScrollBar(TScrollStyle::ssVertical)) params.style |= WS_VSCROLL;
  if (Wraps()) params.style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
}

void TCustomMemo::InitializeWnd() {
  TCustomEdit::InitializeWnd();
  SendMessageW(WindowHandle(), EM_SETWORDBREAKPROC, 0, reinterpret_cast<LPARAM>(&MemoWordBreakProc));
}

void TCustomMemo::WndProc(TMessage& m) {
  if (m.Msg == WM_TIMER && m.WParam == kFillTimer) return Filling() ? FillMore() : StopFill();
  if (Filling() && !filling_) {
    if (m.Msg == WM_SETTEXT || m.Msg == WM_DESTROY) {
      StopFill();
    } else if (NeedsWholeText(m.Msg)) {
      FinishFill();
    }
  }
  switch (m.Msg) {
    case WM_GETDLGCODE:
      return WmGetDlgCode(m);
    case WM_SETTEXT:
      return WmSetText(m);
    default:
      return TCustomEdit::WndProc(m);
  }
}

void TCustomMemo::WmSetText(TMessage& m) {
  TCustomEdit::WndProc(m);
  // A text set from outside (another program, a test) sends no EN_CHANGE to a
  // multi-line edit: take it from the window so the control reads what shows.
  if (setting_text_ || filling_ || m.Result == 0) return;
  SyncText(WindowText());
  lines_.Invalidate();
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
  // The fill's own changes: the control holds the whole text already.
  if (filling_) return;
  TCustomEdit::Changed();
}
