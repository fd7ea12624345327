#include "framework/win/memo_word_break.h"

#include <utility>

#include "framework/line_breaks.h"

namespace {
thread_local TMemoMeasureScope* current_scope = nullptr;
}  // namespace

TMemoMeasureScope::TMemoMeasureScope(HWND wnd, bool wraps)
    : wnd_(wnd), wraps_(wraps), outer_(std::exchange(current_scope, this)) {}

TMemoMeasureScope::~TMemoMeasureScope() {
  current_scope = outer_;
}

TMemoMeasureScope* TMemoMeasureScope::Current() {
  return current_scope;
}

int TMemoMeasureScope::FitCount(const wchar_t* text, int count) {
  if (!wraps_ || count <= 0) return count;
  if (!dc_) {
    dc_.reset(CreateCompatibleDC(nullptr));
    SelectObject(dc_.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(wnd_, WM_GETFONT, 0, 0)));
    RECT format{};
    SendMessageW(wnd_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    width_ = format.right - format.left;
  }
  int fit = count;
  SIZE size{};
  if (!GetTextExtentExPointW(dc_.get(), text, count, width_, &fit, nullptr, &size)) return count;
  return fit;
}

int CALLBACK MemoWordBreakProc(LPWSTR text, int index, int count, int action) {
  if (text == nullptr || index < 0) return 0;
  const auto at = static_cast<std::size_t>(index);
  switch (action) {
    case WB_LEFT: {
      // A text wider than the line is being wrapped: answer the last break
      // that fits, wherever the control guessed.
      auto* scope = TMemoMeasureScope::Current();
      const int fit = scope != nullptr ? scope->FitCount(text, count) : count;
      if (fit < count) {
        const auto limit = static_cast<std::size_t>(fit);
        return static_cast<int>(line_breaks::WordStartBefore(text, limit + 1, limit));
      }
      return static_cast<int>(line_breaks::WordStartBefore(text, at, at));
    }
    case WB_RIGHT:
      return static_cast<int>(line_breaks::WordEndFrom(text, at, static_cast<std::size_t>(count)));
    case WB_ISDELIMITER:
      return index < count && line_breaks::IsSpace(static_cast<char16_t>(text[index]));
    default:
      return 0;
  }
}
