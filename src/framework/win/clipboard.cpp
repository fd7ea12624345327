#include "framework/win/clipboard.h"

#include "framework/win/win_api.h"

#include <cstring>

#include "framework/win/wide.h"

namespace {
// Holds the clipboard open for one scope.
class OpenClipboardScope {
 public:
  OpenClipboardScope() : open_(OpenClipboard(nullptr) != FALSE) {}
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
  ~OpenClipboardScope() {
    if (open_) CloseClipboard();
  }
  bool open() const { return open_; }

 private:
  bool open_;
};
}  // namespace

AnsiString ClipboardText() {
  const OpenClipboardScope clipboard;
  if (!clipboard.open()) return {};
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (data == nullptr) return {};
  const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
  if (text == nullptr) return {};
  AnsiString result = FromWide(text);
  GlobalUnlock(data);
  return result;
}

void SetClipboardText(const AnsiString& text) {
  const std::wstring wide = ToWide(text);
  const OpenClipboardScope clipboard;
  if (!clipboard.open()) return;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
  if (memory == nullptr) return;
  std::memcpy(GlobalLock(memory), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(memory);
  if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) GlobalFree(memory);
}
