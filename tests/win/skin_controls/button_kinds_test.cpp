// Bitmap buttons, speed buttons and check list boxes under the skin, driven
// by the real mouse: what each shows is read back from the screen and
// compared with the skin's own elements drawn at the same size.

#include "skin/controls/win/skin_bit_button.h"
#include "skin/controls/win/skin_check_list.h"
#include "skin/controls/win/skin_menu_button.h"
#include "skin/controls/win/skin_speed_button.h"

#include <gtest/gtest.h>

#include <utility>

#include "skin_controls/check_box_layout.h"
#include "skin_windows/skin_test_input.h"

#include "app/win/main_form.h"
#include "app/win/startup.h"
#include "framework/win/application.h"
#include "framework/win/bit_btn.h"
#include "framework/win/check_list_box.h"
#include "framework/win/form.h"
#include "framework/win/speed_button.h"
#include "skin/data/image/colour.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/model/skin_elements.h"
#include "skin/data/win/dib_image.h"
#include "skin/data/win/skin_environment_win.h"

namespace {

constexpr COLORREF kGlyphKey = RGB(0, 128, 128);
constexpr TColor kGlyphInk = 0x0000FF;  // red
constexpr int kGlyphSize = 16;
constexpr int kInkFrom = 4, kInkTo = 12;  // the glyph's inked square

POINT ScreenCentre(HWND parent, const RECT& r) {
  POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ClientToScreen(parent, &p);
  return p;
}

class ButtonKindsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitializeApplication(); }

  void SetUp() override {
    main_ = new Tfrmmain(&Application());
    skin_ = ObjectAs<TSkinData>(main_->FindComponent("skndt1"));
    ASSERT_NE(skin_, nullptr);
    ASSERT_TRUE(skin_->Buttons && !skin_->Buttons->Bitmap.Empty());
    TSkinOptions options = skin_->Options();
    options.Include(TSkinOption::xoNoFocusRect);
    options.Exclude(TSkinOption::xoTransparent);
    skin_->SetOptions(options);

    form_ = new TForm(&Application());
    form_->SetBounds(60, 60, 360, 220);
    form_->HandleNeeded();
    elsewhere_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 10, 160, 90, 24, form_->Handle(),
                                 nullptr, nullptr, nullptr);
    ShowWindow(form_->Handle(), SW_SHOW);
    SetForegroundWindow(form_->Handle());
  }
  void TearDown() override {
    form_->Free();
    main_->Free();
  }

  void Rest() {
    SetFocus(elsewhere_);
    RECT r;
    GetWindowRect(elsewhere_, &r);
    MouseTo({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    Pump(150);
  }
  void Repaint() {
    RedrawWindow(form_->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(40);
  }
  // The form's client area at `r`.
  TSkinBitmap Capture(const RECT& r) const {
    const WindowDC dc(form_->Handle());
    return CaptureImage(dc.get(), r);
  }
  static RECT BoundsOf(const TControl& c) {
    return {c.Left(), c.Top(), c.Left() + c.Width(), c.Top() + c.Height()};
  }

  // A glyph of one frame: a red square on the key colour.
  static void PaintGlyph(TBitmap& glyph) {
    const WindowDC screen(nullptr);
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), kGlyphSize, kGlyphSize));
    {
      const MemoryDC dc(bitmap.get());
      const UniqueBrush key(CreateSolidBrush(kGlyphKey));
      const UniqueBrush ink(CreateSolidBrush(RGB(255, 0, 0)));
      const RECT all{0, 0, kGlyphSize, kGlyphSize}, square{kInkFrom, kInkFrom, kInkTo, kInkTo};
      FillRect(dc.get(), &all, key.get());
      FillRect(dc.get(), &square, ink.get());
    }
    glyph.SetHandle(std::move(bitmap));
  }

  // Face `frame` of the Buttons element at that size on the face colour,
  // without a face at all for frame 0.
  TSkinBitmap ExpectedFace(int width, int height, int frame) const {
    TSkinBitmap face(width, height,
                     environment_.SystemColours().Resolve(skin_->Colours[scButtonFace]) & 0xFFFFFF);
    const auto& e = *skin_->Buttons;
    if (frame != 0)
      DrawSkinElement(face, face.BoundsRect(), e.Bitmap, e.Margins(), frame, e.Frame, e.Trans == 1,
                      e.Tile == 1, false);
    return face;
  }
  // The face with the glyph's square where a caption-less button centres it.
  TSkinBitmap ExpectedWithGlyph(int width, int height, int frame, bool speed) const {
    TSkinBitmap image = ExpectedFace(width, height, frame);
    TBitButtonMetrics m;
    m.ClientWidth = width;
    m.ClientHeight = height;
    m.GlyphWidth = m.GlyphHeight = kGlyphSize;
    m.Spacing = 4;
    const TBitButtonPlacement p = speed ? PlaceSpeedButton(m) : PlaceBitButton(m);
    for (int y = kInkFrom; y < kInkTo; ++y)
      for (int x = kInkFrom; x < kInkTo; ++x) image.SetPixel(p.GlyphX + x, p.GlyphY + y, kGlyphInk);
    return image;
  }
  // Which face (with the glyph) the control at `r` shows; -1 for none.
  int ShownFace(const RECT& r, bool speed) const {
    const TSkinBitmap shown = Capture(r);
    for (int frame = 0; frame <= skin_->Buttons->Frame; ++frame)
      if (shown == ExpectedWithGlyph(r.right - r.left, r.bottom - r.top, frame, speed)) return frame;
    return -1;
  }

  const TWinSkinEnvironment environment_;
  const TSkinEnvironmentScope scope_{environment_};
  Tfrmmain* main_ = nullptr;
  TSkinData* skin_ = nullptr;
  TForm* form_ = nullptr;
  HWND elsewhere_ = nullptr;
};

TEST_F(ButtonKindsTest, ABitButtonShowsItsGlyphOnEachFaceAndClicksOncePerReleaseOverIt) {
  auto* button = new TBitBtn(form_);
  button->SetParent(form_);
  button->SetBounds(10, 10, 90, 30);
  PaintGlyph(*button->Glyph());
  int clicks = 0;
  button->SetOnClick({"", [&](TObject*) { ++clicks; }});
  Rest();
  Repaint();
  const RECT r = BoundsOf(*button);
  const TSkinBitmap native = Capture(r);
  auto* skin = new TSkinBitButton(button);
  skin->AttachControl(nullptr, *skin_, false);
  Repaint();
  EXPECT_EQ(ShownFace(r, false), 1);

  MouseTo(ScreenCentre(form_->Handle(), r));
  EXPECT_EQ(ShownFace(r, false), 4) << "hot";
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  EXPECT_EQ(ShownFace(r, false), 2) << "pressed";
  MouseButton(MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(clicks, 1);
  // Pressed, then released away from it: no click.
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  Rest();
  MouseButton(MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(clicks, 1);

  button->SetEnabled(false);
  Pump(40);
  Repaint();
  // A one-frame glyph goes embossed: its square in the highlight colour one
  // pixel down and right, under the square in the shadow colour.
  TSkinBitmap embossed = ExpectedFace(90, 30, 3);
  const TBitButtonPlacement p = PlaceBitButton({.ClientWidth = 90,
                                                .ClientHeight = 30,
                                                .GlyphWidth = kGlyphSize,
                                                .GlyphHeight = kGlyphSize,
                                                .Spacing = 4});
  const auto& colours = environment_.SystemColours();
  for (const auto& [offset, colour] : {std::pair{1, SystemColour(20)}, std::pair{0, SystemColour(16)}})
    for (int y = kInkFrom; y < kInkTo; ++y)
      for (int x = kInkFrom; x < kInkTo; ++x)
        embossed.SetPixel(p.GlyphX + x + offset, p.GlyphY + y + offset, colours.Resolve(colour));
  EXPECT_EQ(Capture(r), embossed);
  button->SetEnabled(true);

  skin->Detach();
  Rest();
  Repaint();
  EXPECT_EQ(Capture(r), native);
}

TEST_F(ButtonKindsTest, AGroupedSpeedButtonStaysDownAndReleasesItsPartner) {
  TSpeedButton* buttons[2];
  for (int i = 0; i < 2; ++i) {
    buttons[i] = new TSpeedButton(form_);
    buttons[i]->SetParent(form_);
    buttons[i]->SetBounds(120 + i * 50, 10, 40, 30);
    buttons[i]->SetGroupIndex(1);
    PaintGlyph(*buttons[i]->Glyph());
  }
  Rest();
  Repaint();
  const RECT first = BoundsOf(*buttons[0]), second = BoundsOf(*buttons[1]);
  const TSkinBitmap native = Capture(first);
  TSkinSpeedButton* skins[2];
  for (int i = 0; i < 2; ++i) {
    skins[i] = new TSkinSpeedButton(buttons[i]);
    skins[i]->AttachControl(nullptr, *skin_, false);
  }
  Repaint();
  EXPECT_EQ(ShownFace(first, true), 1);

  MouseTo(ScreenCentre(form_->Handle(), first));
  EXPECT_EQ(ShownFace(first, true), 4) << "hot";
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  MouseButton(MOUSEEVENTF_LEFTUP);
  Rest();
  EXPECT_TRUE(buttons[0]->Down());
  EXPECT_EQ(ShownFace(first, true), 2) << "down after the mouse left";

  MouseTo(ScreenCentre(form_->Handle(), second));
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  MouseButton(MOUSEEVENTF_LEFTUP);
  Rest();
  EXPECT_FALSE(buttons[0]->Down());
  EXPECT_TRUE(buttons[1]->Down());
  EXPECT_EQ(ShownFace(first, true), 1);
  EXPECT_EQ(ShownFace(second, true), 2);

  // A flat one shows no face when up.
  buttons[0]->SetFlat(true);
  Pump(40);
  EXPECT_EQ(ShownFace(first, true), 0);
  buttons[0]->SetFlat(false);

  buttons[1]->SetDown(false);
  skins[0]->Detach();
  Repaint();
  EXPECT_EQ(Capture(first), native);
}

TEST_F(ButtonKindsTest, AClickOnACheckListItemsBoxTogglesItAndShowsTheSkinsCheckedBox) {
  ASSERT_FALSE(skin_->Buttons->CheckBitmap.Empty());
  auto* list = new TCheckListBox(form_);
  list->SetParent(form_);
  list->SetBounds(10, 50, 150, 90);
  for (const char* item : {"alpha", "beta", "gamma"}) list->Items()->Add(item);
  const HWND wnd = list->Handle();
  Rest();
  Repaint();
  const auto whole = [wnd] {
    RECT r;
    GetWindowRect(wnd, &r);
    const WindowDC dc(wnd, WindowDC::kWholeWindow);
    return CaptureImage(dc.get(), {0, 0, r.right - r.left, r.bottom - r.top});
  };
  const TSkinBitmap native = whole();
  auto* skin = new TSkinCheckList(list);
  skin->AttachControl(nullptr, *skin_, false);

  RECT item;
  SendMessageW(wnd, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  const TSkinBitmap& strip = skin_->Buttons->CheckBitmap;
  const int count = skin_->Buttons->CheckButtonFrame;
  const TRect box = CheckBoxPlace({item.left + 2, item.top, item.right, item.bottom}, strip.Width() / count,
                                  strip.Height());
  // Whether the item's box shows strip frame `frame` on the list's colour.
  const auto shows_box = [&](int frame) {
    Repaint();
    const WindowDC dc(wnd);
    const TSkinBitmap shown = CaptureImage(dc.get(), {box.Left, box.Top, box.Right, box.Bottom});
    TSkinBitmap expected(box.Width(), box.Height(), environment_.SystemColours().Resolve(list->Color()));
    DrawElementStretched(expected, expected.BoundsRect(), strip, frame, count, true);
    return shown == expected;
  };
  EXPECT_TRUE(shows_box(1));

  POINT at{(box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2};
  ClientToScreen(wnd, &at);
  MouseTo(at);
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  MouseButton(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(list->Checked(0));
  EXPECT_FALSE(list->Checked(1));
  EXPECT_TRUE(shows_box(CheckedBoxFrame(count)));

  list->SetChecked(0, false);
  list->SetItemIndex(-1);
  skin->Detach();
  Rest();
  Repaint();
  EXPECT_EQ(whole(), native);
}

TEST_F(ButtonKindsTest, AMenuButtonShowsItsGlyphAndADropDownArrowInTheTextColourOrGreyedWhenDisabled) {
  auto* button = new TBitBtn(form_);
  button->SetParent(form_);
  button->SetBounds(10, 10, 90, 30);
  PaintGlyph(*button->Glyph());
  Rest();
  auto* skin = new TSkinMenuButton(button);
  skin->AttachControl(nullptr, *skin_, false);
  const RECT r = BoundsOf(*button);
  const TMenuButtonPlacement p = PlaceMenuButton(90, 30, kGlyphSize, kGlyphSize, 0, 0, -1, 4);
  const auto& colours = environment_.SystemColours();
  // Face and glyph everywhere but the arrow's box, and the arrow's spine in `colour`.
  const auto shows = [&](int frame, TColor colour) {
    Repaint();
    const TSkinBitmap shown = Capture(r);
    TSkinBitmap expected = ExpectedFace(90, 30, frame);
    for (int y = kInkFrom; y < kInkTo; ++y)
      for (int x = kInkFrom; x < kInkTo; ++x) expected.SetPixel(p.GlyphX + x, p.GlyphY + y, kGlyphInk);
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 90; ++x) {
        const bool in_arrow =
            x >= p.ArrowX - 3 && x <= p.ArrowX + 3 && y >= p.ArrowY - 1 && y <= p.ArrowY + 2;
        if (!in_arrow && shown.Pixel(x, y) != expected.Pixel(x, y)) return false;
      }
    for (int y = p.ArrowY - 1; y <= p.ArrowY + 1; ++y)
      if (shown.Pixel(p.ArrowX, y) != colours.Resolve(colour)) return false;
    return true;
  };
  EXPECT_TRUE(shows(1, SystemColour(8)));
  button->SetEnabled(false);
  Pump(40);
  EXPECT_TRUE(shows(3, SystemColour(16)));
}

}  // namespace
