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

// Global memory locked for one scope; null when it cannot be.
class LockedMemory {
 public:
  explicit LockedMemory(HGLOBAL memory) : memory_(memory), data_(GlobalLock(memory)) {}
  LockedMemory(const LockedMemory&) = delete;
  LockedMemory& operator=(const LockedMemory&) = delete;
  ~LockedMemory() {
    if (data_ != nullptr) GlobalUnlock(memory_);
  }
  void* data() const { return data_; }

 private:
  HGLOBAL memory_;
  void* data_;
};
}  // namespace

AnsiString ClipboardText() {
  const OpenClipboardScope clipboard;
  if (!clipboard.open()) return {};
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (data == nullptr) return {};
  const LockedMemory locked(data);
  if (locked.data() == nullptr) return {};
  return FromWide(static_cast<const wchar_t*>(locked.data()));
}

void SetClipboardText(const AnsiString& text) {
  const std::wstring wide = ToWide(text);
  const OpenClipboardScope clipboard;
  if (!clipboard.open()) return;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
  if (memory == nullptr) return;
  {
    const LockedMemory locked(memory);
    if (locked.data() == nullptr) {
      GlobalFree(memory);
      return;
    }
    std::memcpy(locked.data(), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  }
  if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) GlobalFree(memory);
}
