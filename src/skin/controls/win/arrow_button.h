#pragma once
// The drop-down button a skinned date/time picker shows over its native one:
// a small child window of the picker, as wide as a scroll bar's arrow, lit
// while the mouse is over it. A press is handed to the picker at the same
// place, so the picker opens its calendar exactly as from its own button.

#include "framework/win/win_control.h"

class TSkinDateTime;

class TArrowButton : public TWinControl {
 public:
  explicit TArrowButton(TComponent* owner);

  // Becomes a child of the picker, at its right edge (left edge for a
  // right-to-left picker); the picker clips it from its own painting.
  void Attach(TSkinDateTime& date_time, TWinControl& picker);
  // Follows the picker's current size.
  void Reposition();

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

 private:
  TSkinDateTime* date_time_ = nullptr;
  TWinControl* picker_ = nullptr;
  int width_;
  bool hot_ = false;
};
