#include "skin/data/model/skin_derived_images.h"

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string_view>
#include <utility>

#include "skin/data/image/element_draw.h"
#include "skin/data/image/image_blit.h"
#include "skin/data/image/img_util.h"

namespace {

constexpr int kComboWidth = 50;
constexpr int kComboHeight = 21;
constexpr int kArrowSize = 17;

// Rows of a small image written as letters: S silver, G grey, W white.
TSkinBitmap ImageFromRows(std::initializer_list<std::string_view> rows) {
  TSkinBitmap image(static_cast<int>(rows.begin()->size()), static_cast<int>(rows.size()));
  int y = 0;
  for (std::string_view row : rows) {
    for (int x = 0; x < static_cast<int>(row.size()); ++x) {
      const char c = row[static_cast<std::size_t>(x)];
      image.SetPixel(x, y, c == 'S' ? clSilver : c == 'G' ? clGray : clWhite);
    }
    ++y;
  }
  return image;
}

}  // namespace

TColor DeriveTitleColour(const TSkinDefinition& skin) {
  const TSkinBitmap& top = skin.BorderTop->Bitmap;
  if (top.Empty()) return skin.Colours[scButtonFace];
  const int frames = std::max(skin.BorderTop->Frame, 1);
  return top.Pixel(top.Width() / 3, top.Height() / frames / 3);
}

void BuildComboImages(TSkinDefinition& skin, const TSkinEnvironment& environment) {
  if (!skin.SunkEdge || !skin.ComboButton) return;
  TDataSkinObject& edge = *skin.SunkEdge;
  TDataSkinBorder& button = *skin.ComboButton;
  const int w = environment.ScrollArrowWidth() + 2;
  const int n = std::max(edge.Frame, 1);
  TSkinBitmap result(kComboWidth * n, kComboHeight, clFuchsia);
  const TRect button_rect{kComboWidth - w, 0, kComboWidth, kComboHeight};
  for (int k = 1; k <= n; ++k) {
    // A fresh background per frame, so that a transparent edge shows no
    // trace of the frame before it.
    TSkinBitmap work(kComboWidth, kComboHeight, clFuchsia);
    DrawSkinElement(work, work.BoundsRect(), edge.Bitmap, edge.Margins(), k, n, edge.Trans != 0, false,
                    false);
    DrawSkinElement(work, button_rect, button.Bitmap, button.Margins(), k, button.Frame, true, false, false);
    if (skin.ExtraImages) {
      DrawElementCentred(work, button_rect, skin.ExtraImages->Bitmap, k, skin.ExtraImages->Frame, true);
    }
    work.FillRect({2, 2, kComboWidth - 1 - w, 18}, clFuchsia);
    DrawImage(result, kComboWidth * (k - 1), 0, work);
  }
  button.Style = 2;
  button.TopHeight = edge.TopHeight;
  button.BottomHeight = edge.BottomHeight;
  button.LeftWidth = 2;
  button.RightWidth = w + 2;
  button.Bitmap = result;
  MirrorBitmap(result);
  edge.Bitmap = std::move(result);
  edge.LeftWidth = w + 2;
  edge.RightWidth = 2;
}

void BuildComboxArrow(TSkinDefinition& skin, const TSkinEnvironment& environment) {
  if (!skin.ComboButton) return;
  const TDataSkinBorder& button = *skin.ComboButton;
  if (!skin.SunkEdge) {
    if (!skin.ComboxArrow) skin.ComboxArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
    skin.ComboxArrow->Bitmap = button.Bitmap;
    ReplaceFuchsia(skin.ComboxArrow->Bitmap, skin.Colours[scButtonFace], environment.SystemColours());
    skin.ComboxArrow->Frame = button.Frame;
    return;
  }
  if (button.Style != 2) return;
  const int n = std::max(skin.SunkEdge->Frame, 1);
  const int fw = button.Bitmap.Width() / n;
  TSkinBitmap arrow(kArrowSize * n, kArrowSize);
  for (int k = 0; k < n; ++k) {
    const int right = fw * (k + 1) - 2;
    StretchCopy(arrow, Bounds(kArrowSize * k, 0, kArrowSize, kArrowSize), button.Bitmap,
                {right - kArrowSize, 2, right, 2 + kArrowSize});
  }
  if (!skin.ComboxArrow) skin.ComboxArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
  skin.ComboxArrow->Bitmap = std::move(arrow);
  skin.ComboxArrow->Frame = n;
}

void BuildToolbar(TSkinDefinition& skin, const TSkinEnvironment& environment) {
  const TSystemColours& system = environment.SystemColours();
  const TColor c = DeriveTitleColour(skin);
  TColor bottom = MixColours(clGray, c, 150, system);
  const TColor top = MixColours(skin.Colours[scButtonFace], clWhite, 150, system);
  const int saturation = ColourSaturation(c, system);
  if (saturation > 110) bottom = MixColours(c, clWhite, (5625 - 25 * saturation) / 140 + 50, system);
  if (!skin.Toolbar) skin.Toolbar = std::make_unique<TDataSkinObject>("Toolbar");
  TSkinBitmap image(10, 40);
  GradientFill(image, image.BoundsRect(), top, bottom, 1, system);
  skin.Toolbar->Bitmap = std::move(image);
  skin.Toolbar->Frame = 1;
}

TSkinBitmap BuiltInTrackImage() {
  return ImageFromRows({"SSGGGGGGGGGGGGWW", "SSWWWWWWWWWWWWWW", "GSWWWWWWWWWWWWWW", "SSWWWWWWWWWWWWWW"});
}

TSkinBitmap BuiltInTrackVertImage() {
  return ImageFromRows({"SSGS", "SSSS", "GWWW", "GWWW", "GWWW", "GWWW", "GWWW", "GWWW", "GWWW", "GWWW",
                        "GWWW", "GWWW", "GWWW", "GWWW", "WWWW", "WWWW"});
}
