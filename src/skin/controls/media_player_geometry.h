#pragma once
// A media player's row of buttons: which of its nine buttons show, how the
// width is shared among them, which face each gets and which button a point
// falls on. The button sets are read as text (a set property written out);
// a button is in a set when its name occurs in that text.

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "skin/data/image/image_rect.h"

inline constexpr int kMediaButtonCount = 9;
// In the player's order: play, pause, stop, next, prev, step, back, record, eject.
extern const std::array<std::string_view, kMediaButtonCount> kMediaButtonNames;

using TMediaButtonSet = std::array<bool, kMediaButtonCount>;
// Letter case ignored.
TMediaButtonSet MediaButtonsIn(std::string_view set_text);

struct TMediaButtonFace {
  int Button = 0;  // 0..8, into kMediaButtonNames
  TRect Rect;
  int Frame = 1;  // of the Buttons element: 1 normal, 2 pressed, 3 disabled
  bool Enabled = true;
  bool Coloured = false;
};

// Each visible button gets width div (visible count) of the width, left to
// right in the player's order, over the full height. `pressed` is the button
// held down, if any.
std::vector<TMediaButtonFace> LayOutMediaPlayer(int width, int height, const TMediaButtonSet& visible,
                                                const TMediaButtonSet& enabled,
                                                const TMediaButtonSet& coloured, std::optional<int> pressed);
// The button whose face holds x; none past the last face or with no buttons.
std::optional<int> MediaButtonAt(const std::vector<TMediaButtonFace>& faces, int x, int y);
