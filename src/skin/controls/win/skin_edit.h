#pragma once
// Single-line edits (framework edits and bare EDIT windows): the edit keeps
// its own text handling and client painting; the skin draws a flat border
// over its frame after every paint. A spin button living inside the edit is
// found at the first paint and skinned with it, and given back with it.

#include <memory>

#include "skin/controls/win/skin_control.h"
#include "skin/controls/win/skin_up_down.h"

class TSkinEdit : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;

  // Repaints the frame too, so the native border comes back at once.
  void Detach() override;

 protected:
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  // The border as drawn into a printed image of the edit.
  void PrintBorder(HDC dc, const RECT& rect) const;
  void FindUpDown();

  // The spin button found inside the edit, once; skinned as its buddy.
  std::unique_ptr<TSkinUpDown> up_down_;
  bool up_down_searched_ = false;
};
