// The image-and-text label control skins draw in header items and tabs:
// placed inside the rectangle it is given, never outside it, and leaving the
// device context as it found it.

#include <gtest/gtest.h>

#include <algorithm>

#include "app/win/main_form.h"
#include "app/win/startup.h"
#include "framework/win/application.h"
#include "framework/win/image_list.h"
#include "skin/controls/win/skin_control.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/dib_image.h"
#include "skin/data/win/skin_environment_win.h"

namespace {

class TLabelSkin : public TSkinControl {
 public:
  using TSkinControl::DrawImageCaption;
  using TSkinControl::TSkinControl;
};

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kRed = 0x0000FF;

// The smallest rectangle holding every pixel for which `take` holds; empty when none does.
template <class F>
TRect Extent(const TSkinBitmap& image, F take) {
  TRect r{image.Width(), image.Height(), 0, 0};
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      if (take(image.Pixel(x, y)))
        r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1)};
  return r;
}

TEST(ImageCaption, SitsInsideItsRectangleAndLeavesTheDeviceContextAsItWas) {
  InitializeApplication();
  const TWinSkinEnvironment environment;
  const TSkinEnvironmentScope scope{environment};
  auto* main = new Tfrmmain(&Application());
  auto* skin_data = ObjectAs<TSkinData>(main->FindComponent("skndt1"));
  ASSERT_NE(skin_data, nullptr);
  const UniqueWindow window(
      CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
  TLabelSkin skin(nullptr);
  skin.AttachWindow(window.get(), *skin_data, nullptr);

  TImageList images(nullptr);
  images.SetWidth(12);
  images.SetHeight(12);
  {
    const WindowDC screen(nullptr);
    const UniqueBitmap glyph(CreateCompatibleBitmap(screen.get(), 12, 12));
    {
      // The image list takes the bitmap only while no device context holds it.
      const MemoryDC paint(glyph.get());
      const UniqueBrush red(CreateSolidBrush(kRed));
      const RECT all{0, 0, 12, 12};
      FillRect(paint.get(), &all, red.get());
    }
    ASSERT_EQ(images.AddMasked(glyph.get(), clFuchsia), 0);
  }

  const TDibImage canvas(TSkinBitmap(200, 40, kWhite));
  const HDC dc = canvas.DC();
  SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetTextColor(dc, RGB(1, 2, 3));
  SetBkMode(dc, OPAQUE);

  // Left-aligned, in a rectangle away from the origin: the image 3 pixels in
  // and centred vertically, the text after it.
  const RECT item{20, 5, 120, 35};
  skin.DrawImageCaption(dc, item, THeaderAlign::haLeft, L"Count", 0, &images);
  TSkinBitmap drawn = canvas.ToImage();
  EXPECT_EQ(Extent(drawn, [](TColor c) { return c == kRed; }), (TRect{23, 14, 35, 26}));
  const TRect text = Extent(drawn, [](TColor c) { return c != kRed && c != kWhite; });
  EXPECT_GE(text.Left, 35);
  EXPECT_LT(text.Right, item.right);
  EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
  EXPECT_EQ(GetBkMode(dc), OPAQUE);

  // A text longer than its item, right-aligned, is cut at the item's edges.
  SelectObject(dc, GetStockObject(WHITE_BRUSH));
  PatBlt(dc, 0, 0, 200, 40, PATCOPY);
  const RECT narrow{40, 5, 90, 35};
  skin.DrawImageCaption(dc, narrow, THeaderAlign::haRight, L"A caption far wider than its column", -1,
                        &images);
  drawn = canvas.ToImage();
  const TRect cut = Extent(drawn, [](TColor c) { return c != kWhite; });
  EXPECT_GE(cut.Left, narrow.left);
  EXPECT_LE(cut.Right, narrow.right);
  EXPECT_GT(cut.Right, cut.Left);

  skin.Detach();
  main->Free();
}

}  // namespace
