#pragma once
// Images, environments and descriptions for the skin reading tests.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "skin/data/archive/lzh_encoder.h"
#include "skin/data/model/read_skin_definition.h"

namespace skin_test {

// An image of `frames` frames side by side, frame k (from 1) filled with colours[k - 1].
inline TSkinBitmap Strip(int frame_width, int height, std::initializer_list<TColor> colours) {
  TSkinBitmap image(frame_width * static_cast<int>(colours.size()), height);
  int x = 0;
  for (TColor c : colours) {
    image.FillRect(Bounds(x, 0, frame_width, height), c);
    x += frame_width;
  }
  return image;
}

// A stored archive whose container declares `version` and holds nothing else.
inline std::string ArchiveOfVersion(std::uint32_t version) {
  std::string container(16, '\0');
  for (int i = 0; i < 4; ++i) container[static_cast<std::size_t>(i)] = static_cast<char>(version >> (8 * i));
  std::string archive(4, '\0');
  archive[0] = static_cast<char>(container.size());
  return archive + LzhEncode(container);
}

// Classic system colours, a fixed arrow width, and a count of the messages shown.
class TTestEnvironment final : public TSkinEnvironment {
 public:
  const TSystemColours& SystemColours() const override { return colours_; }
  int ScrollArrowWidth() const override { return 16; }
  int MaximizedWidth() const override { return 800; }
  int MaximizedHeight() const override { return 600; }
  bool HasScrollBarInfo() const override { return has_scroll_bar_info; }
  void ShowOlderSkinMessage() const override { ++messages; }
  TSkinManagerLink* SkinManager() const override { return manager; }
  // Every owner passes for a form with this window.
  TWindowHandle FormWindow(const TComponent* component) const override {
    return component != nullptr ? form_window : 0;
  }

  bool has_scroll_bar_info = true;
  mutable int messages = 0;
  TSkinManagerLink* manager = nullptr;
  TWindowHandle form_window = 0;

 private:
  TClassicSystemColours colours_;
};

// Reads descriptions whose image keys name entries of `images`.
class TSkinReading {
 public:
  std::unique_ptr<TSkinDefinition> Read(std::string_view ini_text) {
    auto skin = std::make_unique<TSkinDefinition>();
    ReadAgain(*skin, ini_text);
    return skin;
  }
  void ReadAgain(TSkinDefinition& skin, std::string_view ini_text) {
    TQuickIni ini;
    ini.LoadFromStream(ini_text);
    ReadSkinDefinition(
        skin, ini,
        [this](std::string_view value) {
          const auto found = images.find(std::string(value));
          return found == images.end() ? TSkinBitmap() : found->second;
        },
        environment);
  }

  std::map<std::string, TSkinBitmap> images;
  TTestEnvironment environment;
};

}  // namespace skin_test
