#include "skin/controls/media_player_geometry.h"

#include <algorithm>
#include <string>

const std::array<std::string_view, kMediaButtonCount> kMediaButtonNames = {
    "btPlay", "btPause", "btStop", "btNext", "btPrev", "btStep", "btBack", "btRecord", "btEject"};

namespace {

std::string Lowered(std::string_view text) {
  std::string lowered(text);
  for (char& c : lowered)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lowered;
}

}  // namespace

TMediaButtonSet MediaButtonsIn(std::string_view set_text) {
  const std::string text = Lowered(set_text);
  TMediaButtonSet set{};
  for (int i = 0; i < kMediaButtonCount; ++i)
    set[static_cast<std::size_t>(i)] =
        text.find(Lowered(kMediaButtonNames[static_cast<std::size_t>(i)])) != std::string::npos;
  return set;
}

std::vector<TMediaButtonFace> LayOutMediaPlayer(int width, int height, const TMediaButtonSet& visible,
                                                const TMediaButtonSet& enabled,
                                                const TMediaButtonSet& coloured, std::optional<int> pressed) {
  std::vector<TMediaButtonFace> faces;
  const int count = static_cast<int>(std::ranges::count(visible, true));
  if (count == 0) return faces;
  const int share = width / count;
  for (int i = 0; i < kMediaButtonCount; ++i) {
    const auto at = static_cast<std::size_t>(i);
    if (!visible[at]) continue;
    TMediaButtonFace face;
    face.Button = i;
    const int x = static_cast<int>(faces.size()) * share;
    face.Rect = {x, 0, x + share, height};
    face.Enabled = enabled[at];
    face.Coloured = coloured[at];
    face.Frame = pressed == i ? 2 : !face.Enabled ? 3 : 1;
    faces.push_back(face);
  }
  return faces;
}

std::optional<int> MediaButtonAt(const std::vector<TMediaButtonFace>& faces, int x, int y) {
  for (const TMediaButtonFace& face : faces)
    if (x >= face.Rect.Left && x < face.Rect.Right && y >= face.Rect.Top && y < face.Rect.Bottom)
      return face.Button;
  return std::nullopt;
}
