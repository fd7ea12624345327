#pragma once
// Owners of the GDI handles the image layer creates: each frees its handle
// once, when it goes, unless it was released to a new owner.

#include <windows.h>

#include <utility>

template <class Handle>
class TGdiObject {
 public:
  TGdiObject() = default;
  explicit TGdiObject(Handle handle) : handle_(handle) {}
  TGdiObject(TGdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  TGdiObject& operator=(TGdiObject&& other) noexcept {
    if (this != &other) {
      Free();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  ~TGdiObject() { Free(); }

  Handle Get() const { return handle_; }
  // Gives the handle away (to SetWindowRgn, for example).
  Handle Release() { return std::exchange(handle_, nullptr); }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  void Free() {
    if (handle_) DeleteObject(handle_);
  }
  Handle handle_ = nullptr;
};

using TBitmapHandle = TGdiObject<HBITMAP>;
using TRegionHandle = TGdiObject<HRGN>;
using TBrushHandle = TGdiObject<HBRUSH>;

// A memory device context with one bitmap selected into it for its lifetime.
class TMemoryDC {
 public:
  explicit TMemoryDC(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)), old_(SelectObject(dc_, bitmap)) {}
  TMemoryDC(const TMemoryDC&) = delete;
  TMemoryDC& operator=(const TMemoryDC&) = delete;
  ~TMemoryDC() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_;
};
