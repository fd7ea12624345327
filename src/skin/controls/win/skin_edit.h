#pragma once
// Single-line edits (framework edits and bare EDIT windows): the edit keeps
// its own text handling and client painting; the skin draws a flat border
// over its frame after every paint.

#include "skin/controls/win/skin_control.h"

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
};
