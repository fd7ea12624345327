// A control showing its parent through: what the parent paints under the
// control appears in the control's device context.

#include "skin/windows/win/paint/parent_background.h"

#include <gtest/gtest.h>

#include "framework/win/application.h"
#include "framework/win/form.h"
#include "framework/win/panel.h"
#include "skin/data/image/image_blit.h"
#include "skin/data/win/dib_image.h"

namespace {

constexpr TColor kBack = 0x336699;
constexpr TColor kMark = 0x00FF00;

// Every pixel different, so a shifted picture shows.
TSkinBitmap Pattern(int w, int h) {
  TSkinBitmap image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.SetPixel(x, y, RgbColour(x * 3, y * 5, 200 - x));
  return image;
}

class PaintParentBackgroundTest : public ::testing::Test {
 protected:
  PaintParentBackgroundTest() {
    Application().Initialize();
    form_ = new TForm(&Application());
    form_->SetBounds(0, 0, 200, 150);
    child_ = new TPanel(form_);
    child_->SetParent(form_);
    child_->SetBounds(20, 30, 40, 30);
    form_->HandleNeeded();
    // The form erases with the pattern and paints one marked pixel, both
    // into the device context it is given, in its own coordinates.
    const auto own = form_->WindowProc;
    form_->WindowProc = [this, own](TMessage& m) {
      const auto dc = reinterpret_cast<HDC>(m.WParam);
      if (m.Msg == WM_ERASEBKGND) {
        BlitImage(dc, 0, 0, background_);
        m.Result = 1;
        order_ += "erase ";
      } else if (m.Msg == WM_PAINT && dc != nullptr) {
        SetPixel(dc, 25, 35, static_cast<COLORREF>(kMark));
        order_ += "paint ";
      } else {
        own(m);
      }
    };
  }
  ~PaintParentBackgroundTest() override { form_->Free(); }

  const TSkinBitmap background_ = Pattern(200, 150);
  TForm* form_ = nullptr;
  TPanel* child_ = nullptr;
  std::string order_;
};

TEST_F(PaintParentBackgroundTest, TheParentUnderTheControlAppearsAtTheOrigin) {
  TDibImage target(TSkinBitmap(60, 50, kBack));
  PaintParentBackground(child_, target.DC());
  EXPECT_EQ(order_, "erase paint ");
  TSkinBitmap expected = CropImage(background_, {20, 30, 60, 60});
  expected.SetPixel(5, 5, kMark);
  const TSkinBitmap out = target.ToImage();
  EXPECT_EQ(CropImage(out, {0, 0, 40, 30}), expected);
  // Clipped to the control: the rest of the context is untouched.
  EXPECT_EQ(CropImage(out, {40, 0, 60, 50}), TSkinBitmap(20, 50, kBack));
  EXPECT_EQ(CropImage(out, {0, 30, 40, 50}), TSkinBitmap(40, 20, kBack));

  // The context's origin and clipping are as they were.
  POINT origin{1, 1};
  GetViewportOrgEx(target.DC(), &origin);
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(origin.y, 0);
  const HRGN clip = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(target.DC(), clip), 0);
  DeleteObject(clip);
}

TEST_F(PaintParentBackgroundTest, AControlWithoutAParentPaintsNothing) {
  child_->SetParent(nullptr);
  TDibImage target(TSkinBitmap(40, 30, kBack));
  PaintParentBackground(child_, target.DC());
  EXPECT_EQ(target.ToImage(), TSkinBitmap(40, 30, kBack));
  EXPECT_EQ(order_, "");
  child_->SetParent(form_);
}

}  // namespace
