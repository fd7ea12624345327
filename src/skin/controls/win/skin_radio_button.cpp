#include "skin/controls/win/skin_radio_button.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

#include "framework/properties.h"
#include "skin/controls/check_box_geometry.h"
#include "skin/controls/win/property_by_name.h"
#include "skin/data/model/skin_data.h"

TSkinCheckBox::TToggleImage TSkinRadioButton::ToggleImage(const TDataSkinButton& buttons) const {
  return {&buttons.RadioBitmap, buttons.RadioButtonFrame, true};
}

int TSkinRadioButton::ToggleFrame(int frame_count) const {
  const bool native_checked = (SendMessageW(Handle(), BM_GETCHECK, 0, 0) & BST_CHECKED) != 0;
  std::optional<std::string> checked;
  if (Control() != nullptr && FindPropInfo(Control(), "Checked") != nullptr) {
    checked = GetEnumPropByName(Control(), "Checked");
    std::transform(checked->begin(), checked->end(), checked->begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  }
  return RadioButtonFrame(native_checked, checked, !enabled_, frame_count);
}
