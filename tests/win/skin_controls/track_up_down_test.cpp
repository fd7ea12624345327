// Track bars and up-down controls skinned on real framework controls: the
// pixels read back are the skin's own elements, real mouse input drags the
// thumb and spins the buddy edit, and Detach gives the native look back.

#include <gtest/gtest.h>

#include "skinned_host_test.h"

#include <algorithm>

#include "skin_windows/skin_test_input.h"

#include "app/win/main_form.h"
#include "app/win/startup.h"
#include "framework/win/application.h"
#include "framework/win/date_time_picker.h"
#include "framework/win/edit.h"
#include "framework/win/form.h"
#include "framework/win/gdi.h"
#include "framework/win/track_bar.h"
#include "framework/win/up_down.h"
#include "skin/controls/track_bar_geometry.h"
#include "skin/controls/win/arrow_button.h"
#include "skin/controls/win/skin_date_time.h"
#include "skin/controls/win/skin_edit.h"
#include "skin/controls/win/skin_track_bar.h"
#include "skin/controls/win/skin_up_down.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/image/image_blit.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/dib_image.h"
#include "skin/data/win/skin_environment_win.h"
#include "skin/windows/skin_messages.h"

#include <commctrl.h>

namespace {

class TrackUpDownTest : public SkinnedHostTest {
 protected:
  // Shown afresh, without the focus (its native frame) or the mouse on it.
  TSkinBitmap Shown(HWND wnd) {
    SetFocus(form_->Handle());
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    Pump(40);
    return Capture(wnd);
  }
  static TSkinBitmap Capture(HWND wnd) {
    RECT r;
    GetClientRect(wnd, &r);
    const WindowDC dc(wnd);
    return CaptureImage(dc.get(), r);
  }
  static POINT OnScreen(HWND wnd, int x, int y) {
    POINT p{x, y};
    ClientToScreen(wnd, &p);
    return p;
  }
  TColor Resolved(int slot) const {
    return environment_.SystemColours().Resolve(skin_->Colours[slot]) & 0xFFFFFF;
  }
  static bool SameIn(const TSkinBitmap& a, const TSkinBitmap& b, const RECT& r, const RECT& except = {}) {
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) {
        const POINT p{x, y};
        if (!PtInRect(&except, p) && a.Pixel(x, y) != b.Pixel(x, y)) return false;
      }
    return true;
  }
  // Whether the bar shows the skin's channel and its thumb frame 2.
  bool ShowsSkinnedTrack(HWND bar) const {
    const TSkinBitmap shown = Capture(bar);
    RECT channel{}, thumb{};
    SendMessageW(bar, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    SendMessageW(bar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    TSkinBitmap expected = shown;
    const TDataSkinObject& track = *skin_->Track;
    const auto parts =
        LayOutTrackChannel({channel.left, channel.top, channel.right, channel.bottom}, track.Bitmap.Width(),
                           track.Bitmap.Height(), track.LeftWidth, track.RightWidth, false);
    for (const TImagePart& part : parts) StretchCopy(expected, part.Target, track.Bitmap, part.Source);
    DrawElementStretched(expected, {thumb.left, thumb.top, thumb.right, thumb.bottom},
                         skin_->TrackbarThumbHorz->Bitmap, 2, 5, true);
    const TRect b = TrackChannelBounds(parts);
    return SameIn(shown, expected, {b.Left, b.Top, b.Right, b.Bottom}, thumb) &&
           SameIn(shown, expected, thumb);
  }

  // The vertical up-down element: upper half `upper`, lower half `lower`
  // (frames 5-8), each face with its glyph.
  TSkinBitmap ExpectedUpDown(int width, int height, int upper, int lower) const {
    const TDataSkinBorder& e = *skin_->UpDownVert;
    TSkinBitmap image(width, height, Resolved(scButtonFace));
    const TRect halves[2] = {{0, 0, width, height / 2}, {0, height / 2, width, height}};
    const int frames[2] = {upper, lower};
    for (int i = 0; i < 2; ++i) {
      DrawElementStretched(image, halves[i], e.Bitmap, frames[i], 8, true);
      DrawElementCentred(image, halves[i], e.Bitmap2, frames[i], 8, true);
    }
    return image;
  }
  static std::string TextOf(HWND wnd) {
    char text[64]{};
    GetWindowTextA(wnd, text, sizeof(text));
    return text;
  }
};

TEST_F(TrackUpDownTest, ADraggedTrackBarThumbMovesAndShowsTheSkin) {
  ASSERT_TRUE(skin_->Track && !skin_->Track->Bitmap.Empty());
  ASSERT_TRUE(skin_->TrackbarThumbHorz && !skin_->TrackbarThumbHorz->Bitmap.Empty());
  auto* bar = new TTrackBar(form_);
  bar->SetParent(form_);
  bar->SetBounds(10, 10, 240, 40);
  bar->SetMax(10);
  const HWND wnd = bar->Handle();
  const TSkinBitmap native = Shown(wnd);
  const LONG_PTR procedure = GetWindowLongPtrW(wnd, GWLP_WNDPROC);

  auto* skin = new TSkinTrackBar(bar);
  skin->AttachControl(nullptr, *skin_, false);
  Shown(wnd);
  EXPECT_TRUE(ShowsSkinnedTrack(wnd));

  RECT thumb{};
  SendMessageW(wnd, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  const int y = (thumb.top + thumb.bottom) / 2;
  MouseTo(OnScreen(wnd, (thumb.left + thumb.right) / 2, y));
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  MouseTo(OnScreen(wnd, 120, y));
  MouseButton(MOUSEEVENTF_LEFTUP);
  EXPECT_GT(bar->Position(), 3);
  EXPECT_EQ(bar->Position(), SendMessageW(wnd, TBM_GETPOS, 0, 0));
  RECT moved{};
  SendMessageW(wnd, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&moved));
  EXPECT_GT(moved.left, thumb.left);
  EXPECT_TRUE(ShowsSkinnedTrack(wnd));

  // The native thumb stays hot until the mouse leaves the bar.
  MouseTo(OnScreen(wnd, 120, 80));
  bar->SetPosition(0);
  skin->Detach();
  EXPECT_EQ(GetWindowLongPtrW(wnd, GWLP_WNDPROC), procedure);
  EXPECT_EQ(Shown(wnd), native);
}

TEST_F(TrackUpDownTest, APressOnTheUpperHalfSpinsTheBuddyAndShowsItPressed) {
  ASSERT_TRUE(skin_->UpDownVert && !skin_->UpDownVert->Bitmap.Empty() && !skin_->UpDownVert->Bitmap2.Empty());
  auto* edit = new TEdit(form_);
  edit->SetParent(form_);
  edit->SetBounds(10, 80, 80, 23);
  auto* spin = new TUpDown(form_);
  spin->SetParent(form_);
  spin->SetBounds(92, 80, 17, 24);
  spin->SetAssociate(edit);
  spin->SetPosition(5);
  const HWND wnd = spin->Handle();
  MouseTo(OnScreen(form_->Handle(), 300, 250));
  const TSkinBitmap native = Shown(wnd);
  const LONG_PTR procedure = GetWindowLongPtrW(wnd, GWLP_WNDPROC);

  auto* skin = new TSkinUpDown(spin);
  skin->AttachControl(nullptr, *skin_, false);
  EXPECT_EQ(Shown(wnd), ExpectedUpDown(17, 24, 1, 5));

  MouseTo(OnScreen(wnd, 8, 5));
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  EXPECT_EQ(Capture(wnd), ExpectedUpDown(17, 24, 2, 5));
  MouseButton(MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(TextOf(edit->Handle()), "6");
  EXPECT_EQ(Capture(wnd), ExpectedUpDown(17, 24, 1, 5));

  MouseTo(OnScreen(form_->Handle(), 300, 250));
  skin->Detach();
  EXPECT_EQ(GetWindowLongPtrW(wnd, GWLP_WNDPROC), procedure);
  EXPECT_EQ(Shown(wnd), native);
}

TEST_F(TrackUpDownTest, AnEditSkinsTheSpinButtonInsideItAndGivesItBack) {
  auto* edit = new TEdit(form_);
  edit->SetParent(form_);
  edit->SetBounds(10, 120, 120, 24);
  const HWND inner = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, 100, 0, 16, 20,
                                     edit->Handle(), nullptr, nullptr, nullptr);
  ASSERT_NE(inner, nullptr);
  const LONG_PTR procedure = GetWindowLongPtrW(inner, GWLP_WNDPROC);
  auto* skin = new TSkinEdit(edit);
  skin->AttachControl(nullptr, *skin_, false);
  Shown(edit->Handle());
  EXPECT_EQ(SendMessageW(inner, SKM_ISSKINNED, 0, 0), 1);
  // Kept off the edit's border: white where the border reaches into it.
  const TSkinBitmap shown = Capture(inner);
  EXPECT_EQ(shown.Pixel(8, 0), TColor{0xFFFFFF});
  EXPECT_NE(shown.Pixel(8, 4), TColor{0xFFFFFF});
  skin->Detach();
  EXPECT_EQ(GetWindowLongPtrW(inner, GWLP_WNDPROC), procedure);
}

TEST_F(TrackUpDownTest, ADateTimePickerArrowOpensTheCalendarAndFollowsTheWidth) {
  ASSERT_TRUE(skin_->ComboxArrow && !skin_->ComboxArrow->Bitmap.Empty());
  auto* picker = new TDateTimePicker(form_);
  picker->SetParent(form_);
  picker->SetBounds(10, 160, 150, 24);
  const HWND wnd = picker->Handle();
  MouseTo(OnScreen(form_->Handle(), 300, 250));
  const TSkinBitmap native = Shown(wnd);

  auto* skin = new TSkinDateTime(picker);
  skin->AttachControl(nullptr, *skin_, false);
  Shown(wnd);
  ASSERT_NE(skin->ArrowButton(), nullptr);
  const HWND arrow = skin->ArrowButton()->Handle();
  const int width = GetSystemMetrics(SM_CXHSCROLL);
  RECT at;
  GetWindowRect(arrow, &at);
  MapWindowPoints(nullptr, wnd, reinterpret_cast<POINT*>(&at), 2);
  EXPECT_EQ(at.left, 150 - width - 4);
  EXPECT_EQ(at.bottom - at.top, 20);
  TSkinBitmap face(width, 20, Resolved(scButtonFace));
  DrawElementStretched(face, face.BoundsRect(), skin_->ComboxArrow->Bitmap, 1,
                       std::max(skin_->ComboxArrow->Frame, 1), true);
  EXPECT_EQ(Capture(arrow), face);
  // The flat border: the shadow colour outside, white inside it.
  {
    const WindowDC whole(wnd, WindowDC::kWholeWindow);
    const TSkinBitmap frame = CaptureImage(whole.get(), {0, 0, 150, 24});
    EXPECT_EQ(frame.Pixel(40, 0), Resolved(scButtonShadow));
    EXPECT_EQ(frame.Pixel(40, 1), TColor{0xFFFFFF});
  }

  POINT centre{width / 2, 10};
  ClientToScreen(arrow, &centre);
  MouseTo(centre);
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  MouseButton(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(PumpUntil([&] { return SendMessageW(wnd, DTM_GETMONTHCAL, 0, 0) != 0; }));
  SendMessageW(wnd, DTM_CLOSEMONTHCAL, 0, 0);
  Pump(40);

  picker->SetWidth(190);
  Pump(40);
  GetWindowRect(arrow, &at);
  MapWindowPoints(nullptr, wnd, reinterpret_cast<POINT*>(&at), 2);
  EXPECT_EQ(at.left, 190 - width - 4);
  picker->SetWidth(150);

  MouseTo(OnScreen(form_->Handle(), 300, 250));
  skin->Detach();
  EXPECT_EQ(skin->ArrowButton(), nullptr);
  EXPECT_FALSE(IsWindow(arrow));
  EXPECT_EQ(Shown(wnd), native);
}

}  // namespace
