// Radio buttons, group boxes, progress bars and status bars skinned on real
// framework controls: the pixels read back are the skin's own elements, a
// real click switches a skinned radio group, and Detach gives every control
// its native look back.

#include <gtest/gtest.h>

#include "skinned_host_test.h"

#include <vector>

#include "check_box_layout.h"

#include "app/win/main_form.h"
#include "app/win/startup.h"
#include "framework/win/application.h"
#include "framework/win/form.h"
#include "framework/win/group_box.h"
#include "framework/win/progress_bar.h"
#include "framework/win/radio_button.h"
#include "framework/win/radio_group.h"
#include "framework/win/status_bar.h"
#include "skin/controls/win/skin_group_box.h"
#include "skin/controls/win/skin_progress.h"
#include "skin/controls/win/skin_radio_button.h"
#include "skin/controls/win/skin_status_bar.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/image/img_util.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/model/skin_elements.h"
#include "skin/data/win/dib_image.h"
#include "skin/data/win/skin_environment_win.h"

#include <commctrl.h>

namespace {

void Pump(int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  do {
    Application().ProcessMessages();
    Sleep(5);
  } while (static_cast<int>(end - GetTickCount()) > 0);
}

void Click(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  INPUT input[3]{};
  input[0].type = INPUT_MOUSE;
  input[0].mi.dx = screen.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  input[0].mi.dy = screen.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  input[1].type = INPUT_MOUSE;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[2].type = INPUT_MOUSE;
  input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  for (INPUT& one : input) {
    SendInput(1, &one, sizeof(one));
    Pump(80);
  }
}

POINT CentreOf(HWND wnd) {
  RECT r;
  GetWindowRect(wnd, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class SkinFamilyTest : public SkinnedHostTest {
 protected:
  void AdjustSkin(TSkinData& skin) override {
    TSkinOptions options = skin.Options();
    options.Exclude(TSkinOption::xoTransparent);
    skin.SetOptions(options);
  }

  static void Repaint(HWND wnd) {
    RedrawWindow(wnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(40);
  }
  static TSkinBitmap Capture(HWND wnd) {
    RECT r;
    GetWindowRect(wnd, &r);
    const WindowDC dc(wnd, WindowDC::kWholeWindow);
    return CaptureImage(dc.get(), {0, 0, r.right - r.left, r.bottom - r.top});
  }
  // A group box never paints its inside: what shows there is whatever was
  // under it. Its look is read over a known ground, so that a skin's face
  // left behind would show.
  static TSkinBitmap PaintedOverGround(HWND wnd) {
    {
      RECT r;
      GetWindowRect(wnd, &r);
      const WindowDC dc(wnd, WindowDC::kWholeWindow);
      const RECT whole{0, 0, r.right - r.left, r.bottom - r.top};
      const UniqueBrush ground(CreateSolidBrush(RGB(255, 0, 255)));
      FillRect(dc.get(), &whole, ground.get());
    }
    Repaint(wnd);
    return Capture(wnd);
  }
  TColor Resolved(int slot) const {
    return environment_.SystemColours().Resolve(skin_->Colours[slot]) & 0xFFFFFF;
  }
  // Whether the radio box of `wnd` shows strip frame `frame` on the face colour.
  bool ShowsRadio(HWND wnd, int frame) const {
    const auto& e = *skin_->Buttons;
    const int count = e.RadioButtonFrame;
    const TSkinBitmap shown = Capture(wnd);
    const TRect box =
        CheckBoxPlace(shown.BoundsRect(), e.RadioBitmap.Width() / count, e.RadioBitmap.Height());
    TSkinBitmap expected(shown.Width(), shown.Height(), Resolved(scButtonFace));
    DrawElementStretched(expected, box, e.RadioBitmap, frame, count, true);
    for (int y = box.Top; y < box.Bottom; ++y)
      for (int x = box.Left; x < box.Right; ++x)
        if (shown.Pixel(x, y) != expected.Pixel(x, y)) return false;
    return true;
  }
  // The Progress element as the skin composes it: frame 1 across, frame 2 over
  // the first `filled` pixels; lying down, turned for a vertical bar.
  TSkinBitmap ExpectedProgress(int length, int thickness, int filled, bool vertical) const {
    const auto& e = *skin_->Progress;
    TSkinBitmap bar(length, thickness, Resolved(scButtonFace));
    DrawSkinElement(bar, bar.BoundsRect(), e.Bitmap, e.Margins(), 1, e.Frame, e.Trans == 1, e.Tile == 1,
                    false);
    if (filled > 0)
      DrawSkinElement(bar, {0, 0, filled, thickness}, e.Bitmap, e.Margins(), 2, e.Frame, e.Trans == 1,
                      e.Tile == 1, false);
    if (vertical) RotateBitmapLeft(bar);
    return bar;
  }
};

TEST_F(SkinFamilyTest, AClickOnASkinnedRadioButtonSwitchesTheGroupAndShowsIt) {
  ASSERT_TRUE(skin_->Buttons && !skin_->Buttons->RadioBitmap.Empty());
  auto* group = new TRadioGroup(form_);
  group->SetParent(form_);
  group->SetBounds(10, 10, 200, 110);
  group->SetCaption("Order");
  group->Items()->Add("By count");
  group->Items()->Add("By word");
  group->Items()->Add("As read");
  group->SetItemIndex(0);
  const TSkinBitmap native = PaintedOverGround(group->Handle());
  std::vector<HWND> buttons;
  std::vector<LONG_PTR> procedures;
  for (int i = 0; i < 3; ++i) {
    buttons.push_back(group->Buttons(i)->Handle());
    procedures.push_back(GetWindowLongPtrW(buttons.back(), GWLP_WNDPROC));
  }

  std::vector<TSkinControl*> skins;
  for (int i = 0; i < 3; ++i) skins.push_back(new TSkinRadioButton(group->Buttons(i)));
  skins.push_back(new TSkinGroupBox(group));
  for (TSkinControl* skin : skins) skin->AttachControl(nullptr, *skin_, false);
  Repaint(group->Handle());
  const int count = skin_->Buttons->RadioButtonFrame;
  const int checked = count == 8 ? 5 : 2;
  EXPECT_TRUE(ShowsRadio(buttons[0], checked));
  EXPECT_TRUE(ShowsRadio(buttons[1], 1));

  Click(CentreOf(buttons[1]));
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_EQ(SendMessageW(buttons[0], BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_TRUE(ShowsRadio(buttons[1], checked));
  EXPECT_TRUE(ShowsRadio(buttons[0], 1));
  // Set by the program, shown at once too; a disabled button shows its disabled face.
  group->SetItemIndex(2);
  group->Buttons(0)->SetEnabled(false);
  Pump(40);
  EXPECT_TRUE(ShowsRadio(buttons[2], checked));
  EXPECT_TRUE(ShowsRadio(buttons[0], count == 8 ? 4 : 3));
  group->Buttons(0)->SetEnabled(true);
  group->SetItemIndex(0);

  // The click left the focus (and its native focus frame) on a button.
  SetFocus(form_->Handle());
  for (TSkinControl* skin : skins) skin->Detach();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(GetWindowLongPtrW(buttons[i], GWLP_WNDPROC), procedures[i]);
  EXPECT_EQ(PaintedOverGround(group->Handle()), native);
}

TEST_F(SkinFamilyTest, AGroupBoxShowsARoundedShadowFrameCutByItsCaption) {
  for (const bool right : {false, true}) {
    SCOPED_TRACE(right ? "WS_EX_RIGHT" : "left caption");
    auto* box = new TGroupBox(form_);
    box->SetParent(form_);
    box->SetBounds(10, 130, 220, 100);
    box->SetCaption("Words");
    box->HandleNeeded();
    if (right)
      SetWindowLongPtrW(box->Handle(), GWL_EXSTYLE,
                        GetWindowLongPtrW(box->Handle(), GWL_EXSTYLE) | WS_EX_RIGHT);
    const TSkinBitmap native = PaintedOverGround(box->Handle());

    auto* skin = new TSkinGroupBox(box);
    skin->AttachControl(nullptr, *skin_, false);
    Repaint(box->Handle());
    const TSkinBitmap shown = Capture(box->Handle());
    const TColor shadow = Resolved(scButtonShadow);
    const TColor face = Resolved(scButtonFace);
    const int w = shown.Width(), h = shown.Height();
    // The frame's top runs through the caption's middle: find it on the side
    // away from the caption.
    const int probe = right ? 20 : w - 20;
    int top = -1;
    for (int y = 0; y < h && top < 0; ++y)
      if (shown.Pixel(probe, y) == shadow) top = y;
    ASSERT_GT(top, 0);
    EXPECT_EQ(shown.Pixel(1, h / 2), shadow);
    EXPECT_EQ(shown.Pixel(w - 2, h / 2), shadow);
    EXPECT_EQ(shown.Pixel(w / 2, h - 2), shadow);
    EXPECT_EQ(shown.Pixel(0, h / 2), face);
    EXPECT_EQ(shown.Pixel(w / 2, h / 2), face);
    // Rounded: the corner pixel itself is not on the line.
    EXPECT_EQ(shown.Pixel(1, h - 2), face);
    // The caption's background cuts the top line from 8 pixels in.
    const int cut = right ? w - 9 : 8;
    EXPECT_NE(shown.Pixel(cut, top), shadow);
    EXPECT_EQ(shown.Pixel(right ? w - 7 : 6, top), shadow);

    skin->Detach();
    EXPECT_EQ(PaintedOverGround(box->Handle()), native);
    box->Free();
  }
}

TEST_F(SkinFamilyTest, ABareGroupBoxHasItsNativeFrameCoveredByTheSkinsOwn) {
  const HWND bare = CreateWindowExW(0, L"BUTTON", L"Bare", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 240, 130, 150,
                                    90, form_->Handle(), nullptr, nullptr, nullptr);
  const TSkinBitmap native = PaintedOverGround(bare);
  auto* skin = new TSkinGroupBox(form_);
  skin->AttachWindow(bare, *skin_, nullptr);
  const TSkinBitmap shown = PaintedOverGround(bare);
  const int w = shown.Width(), h = shown.Height();
  // The native inside stays; its two-pixel frame gives way to the skin's line.
  EXPECT_EQ(shown.Pixel(w / 2, h / 2), native.Pixel(w / 2, h / 2));
  EXPECT_EQ(shown.Pixel(0, h / 2), Resolved(scButtonFace));
  EXPECT_EQ(shown.Pixel(1, h / 2), Resolved(scButtonShadow));
  EXPECT_EQ(shown.Pixel(w - 2, h / 2), Resolved(scButtonShadow));
  skin->Detach();
  EXPECT_EQ(PaintedOverGround(bare), native);
  DestroyWindow(bare);
}

TEST_F(SkinFamilyTest, AProgressBarShowsTrackAndFillFromTheSkinBothWays) {
  ASSERT_TRUE(skin_->Progress && !skin_->Progress->Bitmap.Empty());
  for (const bool vertical : {false, true}) {
    SCOPED_TRACE(vertical ? "vertical" : "horizontal");
    auto* bar = new TProgressBar(form_);
    bar->SetParent(form_);
    if (vertical) bar->SetOrientation(TProgressBarOrientation::pbVertical);
    bar->SetBounds(250, 10, vertical ? 22 : 150, vertical ? 150 : 22);
    bar->SetMin(20);
    bar->SetMax(120);
    bar->SetPosition(20);
    Repaint(bar->Handle());
    const TSkinBitmap native = Capture(bar->Handle());

    auto* skin = new TSkinProgress(bar);
    skin->AttachControl(nullptr, *skin_, false);
    Repaint(bar->Handle());
    const int length = 150, thickness = 22;
    // At the minimum only the track; a new position shows at once.
    EXPECT_EQ(Capture(bar->Handle()), ExpectedProgress(length, thickness, 0, vertical));
    bar->SetPosition(70);
    Pump(40);
    EXPECT_EQ(Capture(bar->Handle()), ExpectedProgress(length, thickness, 75, vertical));
    bar->SetPosition(120);
    Pump(40);
    EXPECT_EQ(Capture(bar->Handle()), ExpectedProgress(length, thickness, length, vertical));

    bar->SetPosition(20);
    skin->Detach();
    Repaint(bar->Handle());
    EXPECT_EQ(Capture(bar->Handle()), native);
    bar->Free();
  }
}

TEST_F(SkinFamilyTest, AStatusBarShowsEachPanelOnTheFrameOfItsBevelAndTheSizeGrip) {
  ASSERT_TRUE(skin_->StatusBarEdges && !skin_->StatusBarEdges->Bitmap.Empty());
  ASSERT_TRUE(skin_->ExtraImages && !skin_->ExtraImages->Bitmap.Empty());
  auto* bar = new TStatusBar(form_);
  bar->SetParent(form_);
  bar->SetBounds(10, 240, 380, 24);
  const char* const texts[] = {"12 words", "3 lines", "ready"};
  const TStatusPanelBevel bevels[] = {TStatusPanelBevel::pbLowered, TStatusPanelBevel::pbRaised,
                                      TStatusPanelBevel::pbNone};
  for (int i = 0; i < 3; ++i) {
    TStatusPanel* panel = bar->Panels()->Add();
    panel->SetWidth(120);
    panel->SetText(texts[i]);
    panel->SetBevel(bevels[i]);
  }
  bar->Panels()->Items(1)->SetAlignment(TAlignment::taRightJustify);
  Repaint(bar->Handle());
  const TSkinBitmap native = Capture(bar->Handle());

  auto* skin = new TSkinStatusBar(bar);
  skin->AttachControl(nullptr, *skin_, false);
  Repaint(bar->Handle());
  const TSkinBitmap shown = Capture(bar->Handle());
  const int w = shown.Width(), h = shown.Height();
  const auto& edges = *skin_->StatusBarEdges;
  const auto& extra = *skin_->ExtraImages;
  // The panels' frames (lowered 1, raised 2, none 3), each reaching the next
  // part, the last the bar's end; the grip's frame over them in the corner.
  TSkinBitmap expected(w, h, Resolved(scButtonFace));
  for (int i = 0; i < 3; ++i) {
    RECT part;
    SendMessageW(bar->Handle(), SB_GETRECT, i, reinterpret_cast<LPARAM>(&part));
    const TRect face{part.left, part.top, i == 2 ? w : part.right + 2, part.bottom};
    DrawSkinElement(expected, face, edges.Bitmap, edges.Margins(), i + 1, 3, edges.Trans == 1,
                    edges.Tile == 1, false);
  }
  const int grip_w = extra.Bitmap.Width() / 5, grip_h = extra.Bitmap.Height();
  DrawElementStretched(expected, {w - grip_w, h - grip_h, w, h}, extra.Bitmap, 5, 5, true);
  // Text aside, every pixel is the skin's: compared where no text can be.
  const TColor ink = environment_.SystemColours().Resolve(edges.NormalColour2) & 0xFFFFFF;
  int differing = 0, inked_left = 0, inked_right = 0;
  RECT middle;
  SendMessageW(bar->Handle(), SB_GETRECT, 1, reinterpret_cast<LPARAM>(&middle));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (shown.Pixel(x, y) == ink && x >= middle.left && x < middle.right)
        ++((x < (middle.left + middle.right) / 2) ? inked_left : inked_right);
      if (shown.Pixel(x, y) != expected.Pixel(x, y) && shown.Pixel(x, y) != ink) ++differing;
    }
  // Antialiased text edges aside, nothing differs.
  EXPECT_LT(differing, 60);
  // The right-aligned panel's text sits at its right end, in the skin's colour.
  EXPECT_GT(inked_right, 10);
  EXPECT_EQ(inked_left, 0);

  // A simple bar is one lowered frame across.
  bar->SetSimplePanel(true);
  Repaint(bar->Handle());
  TSkinBitmap simple(w, h, Resolved(scButtonFace));
  DrawSkinElement(simple, simple.BoundsRect(), edges.Bitmap, edges.Margins(), 1, 3, edges.Trans == 1,
                  edges.Tile == 1, false);
  DrawElementStretched(simple, {w - grip_w, h - grip_h, w, h}, extra.Bitmap, 5, 5, true);
  EXPECT_EQ(Capture(bar->Handle()), simple);
  bar->SetSimplePanel(false);

  skin->Detach();
  Repaint(bar->Handle());
  EXPECT_EQ(Capture(bar->Handle()), native);
}

}  // namespace
