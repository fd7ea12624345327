// Track bars and up-down controls skinned on real framework controls: the
// pixels read back are the skin's own elements, real mouse input drags the
// thumb and spins the buddy edit, and Detach gives the native look back.

#include <gtest/gtest.h>

#include "skin_windows/skin_test_input.h"

#include "app/win/main_form.h"
#include "app/win/startup.h"
#include "framework/win/application.h"
#include "framework/win/form.h"
#include "framework/win/gdi.h"
#include "framework/win/track_bar.h"
#include "skin/controls/track_bar_geometry.h"
#include "skin/controls/win/skin_track_bar.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/image/image_blit.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/dib_image.h"
#include "skin/data/win/skin_environment_win.h"

#include <commctrl.h>

namespace {

class TrackUpDownTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitializeApplication(); }

  void SetUp() override {
    main_ = new Tfrmmain(&Application());
    skin_ = ObjectAs<TSkinData>(main_->FindComponent("skndt1"));
    ASSERT_NE(skin_, nullptr);
    form_ = new TForm(&Application());
    form_->SetBounds(40, 40, 420, 320);
    form_->HandleNeeded();
    ShowWindow(form_->Handle(), SW_SHOW);
    SetForegroundWindow(form_->Handle());
    Pump(60);
  }
  void TearDown() override {
    form_->Free();
    main_->Free();
  }

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

  const TWinSkinEnvironment environment_;
  const TSkinEnvironmentScope scope_{environment_};
  Tfrmmain* main_ = nullptr;
  TSkinData* skin_ = nullptr;
  TForm* form_ = nullptr;
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

}  // namespace
