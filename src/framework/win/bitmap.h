#pragma once
// A bitmap as a published sub-object (a button's Glyph): a device-dependent
// bitmap made from the bytes of a bitmap file, which a description stores as
// "Glyph.Data = { ... }". Code may hand it a bitmap it drew instead.

#include "framework/object.h"
#include "framework/win/gdi.h"

class TBitmap : public TPersistent {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  HBITMAP Handle() const { return handle_.get(); }
  // Takes the bitmap; null empties it.
  void SetHandle(UniqueBitmap bitmap);
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return handle_.get() == nullptr; }

  // The bitmap file's bytes; empty when the bitmap is empty or was drawn in
  // code.
  const TBytes& Data() const { return data_; }
  // Raises EInvalidGraphic for bytes that are not a bitmap file. The bytes
  // may start with their own length as a 32-bit number.
  void SetData(TBytes data);

  // Runs after every change (the button repaints).
  void SetOnChange(std::function<void()> on_change) { on_change_ = std::move(on_change); }

 private:
  void Changed();

  UniqueBitmap handle_;
  int width_ = 0;
  int height_ = 0;
  TBytes data_;
  std::function<void()> on_change_;
};

class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};
