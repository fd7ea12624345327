// The combo box and the report list skinned on real windows: the combo's
// button comes from the skin and lights under the real cursor, a real click
// drops its list down with the skin's bar, and Detach gives the native look
// back; in the program's own window the report list's header is the skin's
// and a click on it still sorts.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "app/win/main_form.h"
#include "app/win/startup.h"
#include "controls/win/order_list_view.h"
#include "framework/win/application.h"
#include "framework/win/button.h"
#include "framework/win/combo_box.h"
#include "framework/win/form.h"
#include "skin/controls/control_geometry.h"
#include "skin/controls/scroll_bar_geometry.h"
#include "skin/controls/win/control_skin_mapper.h"
#include "skin/controls/win/skin_com_box.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/dib_image.h"
#include "skin/data/win/skin_environment_win.h"
#include "skin/windows/skin_messages.h"
#include "skin/windows/win/skin_engine.h"
#include "skin_windows/skin_test_input.h"

#include <commctrl.h>

namespace {

// Where an expected image leaves the screen unchecked: a colour the skin's art does not use.
constexpr TColor kUnchecked = 0x010203;

void Click() {
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  MouseButton(MOUSEEVENTF_LEFTUP);
}

TSkinBitmap CaptureWindow(HWND wnd) {
  RECT r;
  GetWindowRect(wnd, &r);
  const WindowDC dc(wnd, WindowDC::kWholeWindow);
  return CaptureImage(dc.get(), {0, 0, r.right - r.left, r.bottom - r.top});
}

TSkinBitmap CaptureScreen(const RECT& r) {
  const HDC screen = GetDC(nullptr);
  TSkinBitmap shown = CaptureImage(screen, r);
  ReleaseDC(nullptr, screen);
  return shown;
}

void Repaint(HWND wnd) {
  RedrawWindow(wnd, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump(80);
}

// Pixels of `shown` in `area` that differ from `expected` laid at the area's
// corner, leaving out what `skip(x, y)` (in `expected`'s coordinates) names.
template <class Skip>
int Differing(const TSkinBitmap& shown, const TRect& area, const TSkinBitmap& expected, Skip skip) {
  int differing = 0;
  for (int y = 0; y < area.Height(); ++y)
    for (int x = 0; x < area.Width(); ++x)
      if (!skip(x, y) && shown.Pixel(area.Left + x, area.Top + y) != expected.Pixel(x, y)) ++differing;
  return differing;
}

class SkinComboTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitializeApplication(); }

  void SetUp() override {
    main_ = new Tfrmmain(&Application());
    skin_ = ObjectAs<TSkinData>(main_->FindComponent("skndt1"));
    ASSERT_NE(skin_, nullptr);
    ASSERT_TRUE(skin_->ComboButton && !skin_->ComboButton->Bitmap.Empty());
    // The default skin's combo image: its face drawn whole.
    ASSERT_EQ(skin_->ComboButton->Style, 2);
    form_ = new TForm(&Application());
    form_->SetBounds(40, 40, 320, 300);
    // The focus stays on the button: a focused combo would show its lit face.
    button_ = new TButton(form_);
    button_->SetParent(form_);
    button_->SetBounds(200, 10, 80, 24);
    combo_ = new TComboBox(form_);
    combo_->SetParent(form_);
    // The window's height sets how far the list drops.
    combo_->SetBounds(10, 10, 160, 160);
    for (int i = 0; i < 40; ++i) combo_->Items()->Add("item " + std::to_string(i));
    form_->HandleNeeded();
    ShowWindow(form_->Handle(), SW_SHOW);
    SetForegroundWindow(form_->Handle());
    SetFocus(button_->Handle());
    MouseTo({0, 0});
  }
  void TearDown() override {
    if (form_ != nullptr) form_->Free();
    if (main_ != nullptr) main_->Free();
  }

  // The combo's button, where the mouse lights it.
  POINT ButtonCentre() const {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(combo_->Handle(), &info);
    POINT centre{(info.rcButton.left + info.rcButton.right) / 2,
                 (info.rcButton.top + info.rcButton.bottom) / 2};
    ClientToScreen(combo_->Handle(), &centre);
    return centre;
  }
  // The shown face is the skin's combo image (its text area see-through),
  // stretched over the whole window; the edit child is left out.
  void ExpectFace(int frame) const {
    RECT window, edit;
    GetWindowRect(combo_->Handle(), &window);
    GetWindowRect(GetWindow(combo_->Handle(), GW_CHILD), &edit);
    OffsetRect(&edit, -window.left, -window.top);
    const TRect area{0, 0, window.right - window.left, window.bottom - window.top};
    const auto& e = *skin_->ComboButton;
    TSkinBitmap expected(area.Width(), area.Height(), kUnchecked);
    DrawSkinElement(expected, area, e.Bitmap, e.Margins(), frame, e.Frame, true, false, false);
    const auto skip = [&](int x, int y) {
      return expected.Pixel(x, y) == kUnchecked ||
             (x >= edit.left && x < edit.right && y >= edit.top && y < edit.bottom);
    };
    EXPECT_EQ(Differing(CaptureWindow(combo_->Handle()), area, expected, skip), 0) << "frame " << frame;
  }
  // The list's bar shows the skin's thumb (frame 1) where the native one is,
  // grip and key colour left out.
  void ExpectSkinThumb(HWND list) const {
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof(bar);
    ASSERT_TRUE(GetScrollBarInfo(list, OBJID_VSCROLL, &bar));
    const TSkinBitmap shown = CaptureScreen(bar.rcScrollBar);
    const auto& thumb = *skin_->VertScrollThumb;
    const int width = bar.rcScrollBar.right - bar.rcScrollBar.left;
    const int thickness = std::min(
        width, ScrollBarThickness(skin_->Scrollbar->Bitmap.Height(), GetSystemMetrics(SM_CXHSCROLL)));
    const int length = bar.xyThumbBottom - bar.xyThumbTop;
    ASSERT_GT(length, 0);
    const TSkinBitmap expected = BuildElementBitmap({0, 0, thickness, length}, thumb.Bitmap, thumb.Margins(),
                                                    1, thumb.Frame, false, false);
    const int grip = skin_->Scrollbar->Bitmap.Height();
    const int grip_start = grip < length + 2 ? (length - grip) / 2 : length;
    const auto skip = [&](int x, int y) {
      return (y >= grip_start && y < grip_start + grip) ||
             (thumb.Trans == 1 && expected.Pixel(x, y) == clFuchsia);
    };
    EXPECT_EQ(Differing(shown, {0, bar.xyThumbTop, thickness, bar.xyThumbBottom}, expected, skip), 0);
  }

  const TWinSkinEnvironment environment_;
  const TSkinEnvironmentScope scope_{environment_};
  Tfrmmain* main_ = nullptr;
  TSkinData* skin_ = nullptr;
  TForm* form_ = nullptr;
  TComboBox* combo_ = nullptr;
  TButton* button_ = nullptr;
};

TEST_F(SkinComboTest, TheButtonIsTheSkinsLitUnderTheCursorAndAClickDropsASkinnedList) {
  Repaint(combo_->Handle());
  const TSkinBitmap native = CaptureWindow(combo_->Handle());
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetComboBoxInfo(combo_->Handle(), &info));

  auto* skin = new TSkinComBox(combo_);
  skin->AttachControl(nullptr, *skin_, false);
  Repaint(combo_->Handle());
  ExpectFace(1);
  EXPECT_EQ(SendMessageW(info.hwndList, SKM_ISSKINNED, 0, 0), 1);

  MouseTo(ButtonCentre());
  EXPECT_TRUE(skin->MouseState() & kMouseHot);
  ExpectFace(4);

  Click();
  ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(info.hwndList) != 0; }));
  EXPECT_TRUE(skin->DroppedDown());
  EXPECT_FALSE(skin->MouseState() & kMouseDown);
  // Away from the top, so that the track shows before the thumb.
  SendMessageW(info.hwndList, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 5), 0);
  Pump(80);
  ExpectSkinThumb(info.hwndList);
  SendMessageW(combo_->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
  Pump(80);
  EXPECT_FALSE(skin->DroppedDown());

  skin->Detach();
  EXPECT_EQ(SendMessageW(info.hwndList, SKM_ISSKINNED, 0, 0), 0);
  EXPECT_EQ(SendMessageW(combo_->Handle(), SKM_ISSKINNED, 0, 0), 0);
  // The click gave the combo the focus, which changes its native look too.
  SetFocus(button_->Handle());
  MouseTo({0, 0});
  Repaint(combo_->Handle());
  EXPECT_EQ(CaptureWindow(combo_->Handle()), native);
  delete skin;
}

// The program's window as it starts: skinned by the engine with the real table.
class SkinnedReportTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeApplication();
    static const TSkinEngine engine(ControlSkinsProvider());
    scope_ = std::make_unique<TSkinEnvironmentScope>(engine);
  }
  static void TearDownTestSuite() { scope_.reset(); }

  void TearDown() override {
    if (form_ != nullptr) form_->Free();
    Pump(80);
  }

  static inline std::unique_ptr<TSkinEnvironmentScope> scope_;
  Tfrmmain* form_ = nullptr;
};

TEST_F(SkinnedReportTest, TheReportsHeaderIsTheSkinsAndAClickOnItStillSorts) {
  form_ = new Tfrmmain(&Application());
  auto* skin = ObjectAs<TSkinData>(form_->FindComponent("skndt1"));
  ASSERT_TRUE(skin != nullptr && skin->Headerbar && !skin->Headerbar->Bitmap.Empty());
  TOrderListView& list = *form_->ordrlstvw1;
  list.SetRows({{"1", {"b", "3"}}, {"2", {"a", "7"}}, {"3", {"c", "5"}}});
  form_->SetBounds(20, 20, 752, 434);
  form_->Show();
  const HWND header = reinterpret_cast<HWND>(SendMessageW(list.Handle(), LVM_GETHEADER, 0, 0));
  ASSERT_NE(header, nullptr);
  ASSERT_TRUE(PumpUntil([&] { return SendMessageW(header, SKM_ISSKINNED, 0, 0) == 1; }));
  EXPECT_EQ(SendMessageW(list.Handle(), SKM_ISSKINNED, 0, 0), 1);
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetComboBoxInfo(form_->cbb1->Handle(), &info));
  EXPECT_EQ(SendMessageW(form_->cbb1->Handle(), SKM_ISSKINNED, 0, 0), 1);
  EXPECT_EQ(SendMessageW(info.hwndList, SKM_ISSKINNED, 0, 0), 1);

  RECT item{};
  SendMessageW(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
  POINT centre{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
  ClientToScreen(header, &centre);
  ASSERT_EQ(WindowFromPoint(centre), header);
  // The top rows of the item carry no text: only the face, lit under the mouse.
  const auto& bar = *skin->Headerbar;
  const auto face_rows = [&](int frame) {
    return BuildElementBitmap({0, 0, item.right - item.left, item.bottom - item.top}, bar.Bitmap,
                              bar.Margins(), frame, bar.Frame, bar.Tile == 1, false);
  };
  const auto top_rows_differ = [&](int frame) {
    const TSkinBitmap shown = CaptureWindow(header);
    return Differing(shown, {item.left, 0, item.right, 3}, face_rows(frame), [](int, int) { return false; });
  };
  MouseTo({0, 0});
  Repaint(header);
  EXPECT_EQ(top_rows_differ(1), 0);
  MouseTo(centre);
  EXPECT_EQ(top_rows_differ(2), 0);

  const AnsiString before = list.Columns()->Items(1)->Caption();
  Click();
  const AnsiString after = list.Columns()->Items(1)->Caption();
  EXPECT_EQ(after, AnsiString("↑") + before);
  EXPECT_EQ(list.Rows()[0].sub_items[0], "a");
  EXPECT_EQ(top_rows_differ(2), 0);
}

}  // namespace
