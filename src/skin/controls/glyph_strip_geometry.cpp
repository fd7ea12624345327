#include "skin/controls/glyph_strip_geometry.h"

#include <optional>
#include <string>

#include "skin/controls/check_box_geometry.h"

namespace {

constexpr unsigned kChecked = 1;        // BST_CHECKED
constexpr unsigned kIndeterminate = 2;  // BST_INDETERMINATE

}  // namespace

std::array<int, kGlyphStripFrames> CheckGlyphSources(int frame_count) {
  std::array<int, kGlyphStripFrames> sources{};
  constexpr unsigned kStates[] = {0, kChecked, kIndeterminate};
  for (int disabled = 0; disabled < 2; ++disabled)
    for (int i = 0; i < 3; ++i) {
      TCheckBoxState state;
      state.NativeState = kStates[i];
      state.Disabled = disabled == 1;
      sources[static_cast<std::size_t>(disabled * 3 + i)] = CheckBoxFrame(state, frame_count);
    }
  return sources;
}

std::array<int, kGlyphStripFrames> RadioGlyphSources(int frame_count) {
  std::array<int, kGlyphStripFrames> sources{};
  constexpr bool kCheckedSlots[] = {false, true, false};
  for (int disabled = 0; disabled < 2; ++disabled)
    for (int i = 0; i < 3; ++i)
      sources[static_cast<std::size_t>(disabled * 3 + i)] =
          RadioButtonFrame(kCheckedSlots[i], std::nullopt, disabled == 1, frame_count);
  return sources;
}
