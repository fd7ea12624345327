#pragma once
// The four glyphs of the caption buttons' system menu (restore, maximise,
// minimise, close), 16 x 16 each, from the program's bitmap resource
// "MORVANEMENU": white is transparent.

#include "framework/win/win_api.h"

#include <commctrl.h>

class TMenuGlyphs {
 public:
  static constexpr int kSize = 16;
  static constexpr int kRestore = 0, kMaximise = 1, kMinimise = 2, kClose = 3;

  // An empty list when the program carries no such resource.
  TMenuGlyphs();
  TMenuGlyphs(const TMenuGlyphs&) = delete;
  TMenuGlyphs& operator=(const TMenuGlyphs&) = delete;
  ~TMenuGlyphs();

  HIMAGELIST Handle() const { return list_; }
  int Count() const;

 private:
  HIMAGELIST list_ = nullptr;
};
