#include <windows.h>

#include <gtest/gtest.h>

#include "framework/win/font_handle.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/image/image_blit.h"
#include "skin/data/image/img_util.h"
#include "skin/data/win/dib_image.h"
#include "skin/windows/win/paint/draw_text_auto.h"
#include "skin/windows/win/paint/element_paint.h"
#include "skin/windows/win/paint/gradient_fill_dc.h"
#include "skin/windows/win/paint/transparent_blit_dc.h"
#include "skin/windows/win/paint/work_bitmap.h"

namespace {

// Every pixel different, so a shifted or swapped pixel shows.
TSkinBitmap Pattern(int w, int h) {
  TSkinBitmap image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.SetPixel(x, y, RgbColour(x * 7, y * 11, (x + y) * 3));
  return image;
}

constexpr TColor kBack = 0x336699;

}  // namespace

TEST(DibImage, ComposedImageReadsBackFromAMemoryDC) {
  const TSkinBitmap image = Pattern(13, 7);
  TDibImage target(TSkinBitmap(20, 10, kBack));
  BlitImage(target.DC(), 4, 2, image);
  const TSkinBitmap back = target.ToImage();
  EXPECT_EQ(CropImage(back, {4, 2, 17, 9}), image);
  EXPECT_EQ(back.Pixel(3, 2), kBack);
  EXPECT_EQ(back.Pixel(17, 9), kBack);
  // GetPixel speaks colour values too.
  EXPECT_EQ(static_cast<TColor>(GetPixel(target.DC(), 5, 3)), image.Pixel(1, 1));
  EXPECT_EQ(CaptureImage(target.DC(), {4, 2, 17, 9}), image);
}

TEST(DibImage, ComposedImageReadsBackFromAWindow) {
  HWND wnd = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 10, 10, 60, 40, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(wnd, nullptr);
  UpdateWindow(wnd);
  const TSkinBitmap image = Pattern(31, 17);
  HDC dc = GetDC(wnd);
  BlitImage(dc, 3, 5, image);
  GdiFlush();
  EXPECT_EQ(CaptureImage(dc, {3, 5, 34, 22}), image);
  ReleaseDC(wnd, dc);
  DestroyWindow(wnd);
}

TEST(TransparentBlitDC, KeyPixelsKeepTheDestination) {
  TSkinBitmap image = Pattern(19, 5);  // odd width: mask rows are padded
  for (int x = 0; x < 19; x += 3) image.SetPixel(x, x % 5, clFuchsia);
  TDibImage target(TSkinBitmap(24, 8, kBack));
  TransparentBlit(target.DC(), {2, 1, 21, 6}, image, clFuchsia);
  TSkinBitmap expected(24, 8, kBack);
  TransparentBlit(expected, {2, 1, 21, 6}, image, clFuchsia);
  EXPECT_EQ(target.ToImage(), expected);
  EXPECT_EQ(target.ToImage().Pixel(2, 1), kBack);
  // A smaller rectangle copies that much of the image; an inverted one nothing.
  TransparentBlit(target.DC(), {0, 0, 3, 2}, image, clFuchsia);
  TransparentBlit(target.DC(), {10, 0, 5, 2}, image, clFuchsia);
  TransparentBlit(expected, {0, 0, 3, 2}, image, clFuchsia);
  EXPECT_EQ(target.ToImage(), expected);
}

TEST(ElementPaint, DeviceContextMatchesTheComposedImage) {
  TSkinBitmap strip = Pattern(24, 6);
  strip.FillRect({13, 2, 15, 4}, clFuchsia);
  const TRect margins{2, 2, 3, 1};
  TDibImage target(TSkinBitmap(40, 30, kBack));
  TSkinBitmap expected(40, 30, kBack);
  DrawSkinElement(target.DC(), {1, 1, 30, 20}, strip, margins, 2, 2, true, true, false);
  DrawSkinElement(expected, {1, 1, 30, 20}, strip, margins, 2, 2, true, true, false);
  DrawElementStrip(target.DC(), {0, 22, 37, 26}, strip, margins, 1, 2, false, false);
  DrawElementStrip(expected, {0, 22, 37, 26}, strip, margins, 1, 2, false, false);
  DrawElementStretched(target.DC(), {32, 0, 40, 12}, strip, 2, 2, true);
  DrawElementStretched(expected, {32, 0, 40, 12}, strip, 2, 2, true);
  DrawElementCentred(target.DC(), {30, 26, 34, 30}, strip, 1, 4, false);
  DrawElementCentred(expected, {30, 26, 34, 30}, strip, 1, 4, false);
  EXPECT_EQ(target.ToImage(), expected);
}

TEST(ElementPaint, ThreePartCopiesUnscaledPartsExactly) {
  const TSkinBitmap strip = Pattern(10, 4);
  TDibImage target(TSkinBitmap(12, 4, kBack));
  SetStretchBltMode(target.DC(), COLORONCOLOR);
  // Same height, middle doubled exactly: left and right parts are one-to-one copies.
  DrawElementThreePart(target.DC(), {0, 0, 12, 4}, strip, {3, 0, 2, 0}, 2, 2, false);
  const TSkinBitmap out = target.ToImage();
  EXPECT_EQ(CropImage(out, {0, 0, 3, 4}), CropImage(strip, {5, 0, 8, 4}));
  EXPECT_EQ(CropImage(out, {10, 0, 12, 4}), CropImage(strip, {8, 0, 10, 4}));
}

TEST(GradientFillDC, SameLinesAsOnAnImage) {
  TDibImage target(TSkinBitmap(30, 20, kBack));
  TSkinBitmap expected(30, 20, kBack);
  const TSystemColours& system = WindowsSystemColours();
  GradientFill(target.DC(), {-5, 2, 25, 18}, RgbColour(250, 10, 0), SystemColour(COLOR_BTNFACE), 0);
  GradientFill(expected, {-5, 2, 25, 18}, RgbColour(250, 10, 0), SystemColour(COLOR_BTNFACE), 0, system);
  GradientFill(target.DC(), {26, -3, 30, 20}, clWhite, clBlack, 1);
  GradientFill(expected, {26, -3, 30, 20}, clWhite, clBlack, 1, system);
  EXPECT_EQ(target.ToImage(), expected);
}

TEST(ColorToRGB, ResolvesSystemColoursAndDropsTheHighByte) {
  EXPECT_EQ(ColorToRGB(SystemColour(COLOR_WINDOW)), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(ColorToRGB(0x123456), 0x123456u);
  // clNone must not reach GDI as a palette-relative colour.
  EXPECT_EQ(ColorToRGB(clNone), 0xFFFFFFu);
  // A colour brush paints the resolved colour.
  TDibImage target(TSkinBitmap(4, 4, kBack));
  const RECT all{0, 0, 4, 4};
  FillRect(target.DC(), &all, CreateColorBrush(SystemColour(COLOR_HIGHLIGHT)).get());
  EXPECT_EQ(target.ToImage().Row(2)[2], ToDibPixel(static_cast<TColor>(GetSysColor(COLOR_HIGHLIGHT))));
}

TEST(DrawTextAuto, DrawsGbkTextThroughTheWideCall) {
  EXPECT_EQ(AnsiToWide("\xD6\xD0\xCE\xC4 ok"), L"\u4E2D\u6587 ok");
  TDibImage target(TSkinBitmap(80, 30, clWhite));
  RECT rect{0, 0, 80, 30};
  SetTextColor(target.DC(), RGB(0, 0, 0));
  SetBkMode(target.DC(), TRANSPARENT);
  EXPECT_GT(DrawTextAuto(target.DC(), AnsiToWide("\xD6\xD0\xCE\xC4"), rect, DT_SINGLELINE | DT_LEFT | DT_TOP),
            0);
  EXPECT_NE(target.ToImage(), TSkinBitmap(80, 30, clWhite));  // something was drawn
}

TEST(WorkBitmap, SharedOnlyWhileTheEngineHoldsIt) {
  EXPECT_EQ(SharedWorkBitmap(), nullptr);
  {
    const TSharedWorkBitmap engine;
    TWorkBitmap* work = SharedWorkBitmap();
    ASSERT_NE(work, nullptr);
    work->SetSize(16, 8);
    ASSERT_NE(work->DC(), nullptr);
    EXPECT_EQ(GetStretchBltMode(work->DC()), COLORONCOLOR);
    PatBlt(work->DC(), 0, 0, 16, 8, WHITENESS);
    EXPECT_EQ(work->ToImage(), TSkinBitmap(16, 8, clWhite));
  }
  EXPECT_EQ(SharedWorkBitmap(), nullptr);
}
