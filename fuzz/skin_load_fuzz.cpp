// Loads arbitrary bytes as a form's stored skin archive, the way a form being
// read does, and reads every element the skin produced, pixel by pixel.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "skin/data/model/skin_data.h"

namespace {

constexpr std::uint32_t kMaxFuzzLength = 1 << 20;

// Every pixel of every image is read: a size that lies about the pixels held
// shows up here under the address sanitizer.
std::uint32_t TouchImage(const TSkinBitmap& image) {
  std::uint32_t sum = 0;
  if (image.Empty()) return sum;
  if (image.Width() <= 0 || image.Height() <= 0) std::abort();
  for (int y = 0; y < image.Height(); ++y) {
    const std::uint32_t* row = image.Row(y);
    for (int x = 0; x < image.Width(); ++x) sum += row[x];
  }
  return sum;
}

std::uint32_t TouchElement(const TDataSkinObject* element) {
  if (element == nullptr) return 0;
  std::uint32_t sum = TouchImage(element->Bitmap);
  sum += static_cast<std::uint32_t>(element->Name.size() + element->Frame + element->NormalColour);
  if (const auto* border = dynamic_cast<const TDataSkinBorder*>(element)) sum += TouchImage(border->Bitmap2);
  if (const auto* button = dynamic_cast<const TDataSkinButton*>(element)) {
    sum += TouchImage(button->CheckBitmap) + TouchImage(button->RadioBitmap);
  }
  return sum;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The declared length alone sets how long decoding runs (up to 64 MiB from
  // a few bytes): keep runs short enough to explore the reading.
  if (size >= 4) {
    const std::uint32_t declared =
        data[0] | data[1] << 8 | data[2] << 16 | static_cast<std::uint32_t>(data[3]) << 24;
    if (declared > kMaxFuzzLength) return 0;
  }
  // The stored property: a 32-bit little-endian count, then the archive.
  TBytes payload(4 + size);
  const auto count = static_cast<std::uint32_t>(size);
  for (int i = 0; i < 4; ++i)
    payload[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(count >> (8 * i));
  for (std::size_t i = 0; i < size; ++i) payload[4 + i] = data[i];

  TSkinData skin(nullptr);
  skin.SetSkinStream(payload);
  // A result of loaded and a NotLoaded flag must agree.
  if ((skin.LastLoadResult() == TArchiveResult::arLoaded) == skin.NotLoaded) std::abort();

  std::uint32_t sum = 0;
  const TDataSkinObject* elements[] = {
      skin.Title.get(),
      skin.Buttons.get(),
      skin.BorderLeft.get(),
      skin.BorderRight.get(),
      skin.BorderTop.get(),
      skin.BorderBottom.get(),
      skin.Progress.get(),
      skin.ProgressChunk.get(),
      skin.MenuBar.get(),
      skin.GroupBoxEdge.get(),
      skin.GroupBox.get(),
      skin.Tabs.get(),
      skin.StatusBarEdges.get(),
      skin.TabPane.get(),
      skin.ToolBars.get(),
      skin.ComboButton.get(),
      skin.SunkEdge.get(),
      skin.ExtraImages.get(),
      skin.Headerbar.get(),
      skin.MenuItem.get(),
      skin.MenuBackground.get(),
      skin.Scrollbar.get(),
      skin.HorzScroll.get(),
      skin.VertScroll.get(),
      skin.HorzScrollThumb.get(),
      skin.VertScrollThumb.get(),
      skin.TrackbarThumbHorz.get(),
      skin.TrackbarThumbVert.get(),
      skin.TrackbarThumbLeft.get(),
      skin.TrackbarThumbRight.get(),
      skin.TrackbarThumbUp.get(),
      skin.TrackbarThumbDown.get(),
      skin.UpDownHorz.get(),
      skin.UpDownVert.get(),
      skin.Track.get(),
      skin.TrackVert.get(),
      skin.ComboxArrow.get(),
      skin.Toolbar.get(),
  };
  for (const TDataSkinObject* element : elements) sum += TouchElement(element);
  for (const auto& button : skin.SysButtons) sum += TouchElement(button.get());
  for (const TColor colour : skin.ColourSections) sum += static_cast<std::uint32_t>(colour);
  sum += static_cast<std::uint32_t>(skin.SkinName.size());
  // Keeps the reads from being optimised away.
  if (sum == 0x9E3779B9u && size == 1) std::abort();
  return 0;
}
