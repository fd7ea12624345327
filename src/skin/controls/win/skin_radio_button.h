#pragma once
// A radio button (a button of a radio group too) is painted as a check box
// is, from the skin's radio strip: its frame follows the native check and the
// control's Checked property, and its box sits one pixel in from the right
// edge when the button is on the right. Clicking stays native, so the group
// still unchecks its other buttons itself.

#include "skin/controls/win/skin_check_box.h"

class TSkinRadioButton : public TSkinCheckBox {
 public:
  using TSkinCheckBox::TSkinCheckBox;

 protected:
  TToggleImage ToggleImage(const TDataSkinButton& buttons) const override;
  int ToggleFrame(int frame_count) const override;
};
