#pragma once
// The word-break procedure of memos: words and wrap points by the rules of
// line_breaks.h (Chinese wraps between characters, Latin after spaces), for
// the caret's word moves, double-click selection and word wrap alike.
//
// Wrapping in the edit control measures the rest of a paragraph, asks for the
// word start to the left of a guessed position, measures again and backs off
// a word at a time until the line fits; a guess that falls short leaves the
// line short. While a memo handles a message its measuring scope is current,
// and when the text asked about is wider than the formatting width the
// procedure answers the last break that fits: each line comes out full, with
// one more measurement instead of several. The caret's word moves and
// double-click selection measure nothing and get the plain word start.

#include "framework/win/gdi.h"
#include "framework/win/win_api.h"

// Makes the memo `wnd` the one being measured for the current thread while
// it lives (scopes nest, as messages do).
class TMemoMeasureScope {
 public:
  TMemoMeasureScope(HWND wnd, bool wraps);
  TMemoMeasureScope(const TMemoMeasureScope&) = delete;
  TMemoMeasureScope& operator=(const TMemoMeasureScope&) = delete;
  ~TMemoMeasureScope();

  // How many characters of `text` fit the formatting width in the memo's
  // font; all of them when the memo does not wrap.
  int FitCount(const wchar_t* text, int count);

  static TMemoMeasureScope* Current();

 private:
  HWND wnd_;
  bool wraps_;
  TMemoMeasureScope* outer_;
  UniqueHandle<HDC, DeleteDC> dc_;  // made on the first measurement
  int width_ = 0;
};

int CALLBACK MemoWordBreakProc(LPWSTR text, int index, int count, int action);
