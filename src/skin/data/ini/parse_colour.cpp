#include "skin/data/ini/parse_colour.h"

#include <array>

#include "framework/text.h"

TColor ParseColour(std::string_view text) {
  const AnsiString trimmed = Trim(text);
  std::array<int, 3> channels{};
  int counted = 0;
  std::size_t i = 0;
  while (i < trimmed.size() && counted < 3) {
    if (trimmed[i] < '0' || trimmed[i] > '9') {
      ++i;
      continue;
    }
    // The value modulo 256 as the digits come, so long runs cannot overflow.
    int value = 0;
    for (; i < trimmed.size() && trimmed[i] >= '0' && trimmed[i] <= '9'; ++i) {
      value = (value * 10 + (trimmed[i] - '0')) % 256;
    }
    if (i < trimmed.size() || counted == 2) channels[static_cast<std::size_t>(counted++)] = value;
  }
  return RgbColour(channels[0], channels[1], channels[2]);
}
