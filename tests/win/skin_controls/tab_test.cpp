// A page control skinned on a real form: its tabs and pane are the skin's Tabs
// element, a real click on a tab turns the page and raises that tab, and
// Detach gives the native look back.

#include <gtest/gtest.h>

#include "skinned_host_test.h"

#include <algorithm>

#include "../skin_windows/skin_test_input.h"

#include "app/win/main_form.h"
#include "app/win/startup.h"
#include "framework/win/application.h"
#include "framework/win/form.h"
#include "framework/win/label.h"
#include "framework/win/page_control.h"
#include "framework/win/tab_control.h"
#include "skin/controls/skin_mapping.h"
#include "skin/controls/tab_geometry.h"
#include "skin/controls/win/skin_tab.h"
#include "skin/controls/win/skin_tab_btn.h"
#include "skin/controls/win/skin_tab_sheet.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/image/img_util.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/model/skin_elements.h"
#include "skin/data/win/dib_image.h"

#include <commctrl.h>

namespace {

class SkinTabTest : public SkinnedHostTest {
 protected:
  static TSkinBitmap Capture(HWND wnd) {
    RedrawWindow(wnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(40);
    RECT r;
    GetWindowRect(wnd, &r);
    const WindowDC dc(wnd, WindowDC::kWholeWindow);
    return CaptureImage(dc.get(), {0, 0, r.right - r.left, r.bottom - r.top});
  }
  static TRect TabRect(HWND wnd, int index) {
    RECT r{};
    SendMessageW(wnd, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    return {r.left, r.top, r.right, r.bottom};
  }
  // Whether the outer rows of tab `index` (its top, or its bottom for tabs at
  // the bottom; away from the label) show frame `frame` of `image` over the
  // ground the skin leaves around the tabs.
  bool ShowsTab(const TSkinBitmap& shown, HWND wnd, int index, int frame, bool bottom = false) const {
    const TDataSkinBorder& tabs = *skin_->Tabs;
    TSkinBitmap image = tabs.Bitmap;
    if (bottom) FlipBitmap(image);
    const TRect tab = TabRect(wnd, index);
    TSkinBitmap expected(shown.Width(), shown.Height(),
                         shown.Pixel(shown.Width() - 1, bottom ? shown.Height() - 1 : 0));
    DrawSkinElement(expected, tab, image, tabs.Margins(), frame, tabs.Frame, tabs.Trans == 1, tabs.Tile == 1,
                    false);
    const int first = bottom ? tab.Bottom - 2 : tab.Top;
    for (int y = first; y < first + 2; ++y)
      for (int x = tab.Left; x < tab.Right; ++x)
        if (shown.Pixel(x, y) != expected.Pixel(x, y)) return false;
    return true;
  }
};

TEST_F(SkinTabTest, PageControlShowsTheSkinAndAClickTurnsThePage) {
  ASSERT_TRUE(skin_->Tabs && !skin_->Tabs->Bitmap.Empty() && !skin_->Tabs->Bitmap2.Empty());
  auto* pages = new TPageControl(form_);
  pages->SetParent(form_);
  pages->SetBounds(10, 10, 300, 200);
  for (const char* caption : {"Words", "Counts"}) {
    auto* sheet = new TTabSheet(form_);
    sheet->SetPageControl(pages);
    sheet->SetText(caption);
  }
  pages->SetActivePageIndex(0);
  const HWND wnd = pages->Handle();
  const TSkinBitmap native = Capture(wnd);
  const LONG_PTR procedure = GetWindowLongPtrW(wnd, GWLP_WNDPROC);

  auto* skin = new TSkinTab(pages, kTabPageControl);
  skin->AttachControl(nullptr, *skin_, false);
  TSkinBitmap shown = Capture(wnd);
  EXPECT_NE(shown, native);
  EXPECT_TRUE(ShowsTab(shown, wnd, 0, 2));
  EXPECT_TRUE(ShowsTab(shown, wnd, 1, 1));

  // The pane's frame outside the sheet is the border image at the pane's size.
  RECT display;
  GetClientRect(wnd, &display);
  SendMessageW(wnd, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  const TRect pane =
      TabPaneRect({display.left, display.top, display.right, display.bottom}, TTabPosition::tpTop);
  TSkinBitmap expected(shown.Width(), shown.Height());
  DrawSkinElement(expected, pane, skin_->Tabs->Bitmap2, {4, 5, 4, 4}, 1, 1, false, false, false);
  int differing = 0;
  for (int y = std::max(pane.Top, 0); y < std::min(pane.Bottom, shown.Height()); ++y)
    for (int x = std::max(pane.Left, 0); x < std::min(pane.Right, shown.Width()); ++x) {
      const bool inside_sheet =
          x >= display.left && x < display.right && y >= display.top && y < display.bottom;
      if (!inside_sheet && shown.Pixel(x, y) != expected.Pixel(x, y)) ++differing;
    }
  EXPECT_EQ(differing, 0);

  const TRect second = TabRect(wnd, 1);
  POINT centre{(second.Left + second.Right) / 2, (second.Top + second.Bottom) / 2};
  ClientToScreen(wnd, &centre);
  MouseTo(centre);
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  MouseButton(MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(pages->ActivePageIndex(), 1);
  EXPECT_EQ(pages->ActivePage(), pages->Pages(1));
  shown = Capture(wnd);
  EXPECT_TRUE(ShowsTab(shown, wnd, 1, 2));
  EXPECT_TRUE(ShowsTab(shown, wnd, 0, 1));

  pages->SetActivePageIndex(0);
  SetFocus(form_->Handle());
  // Away from the tabs, so the native look has no hot tab either.
  MouseTo({centre.x + 250, centre.y + 250});
  skin->Detach();
  EXPECT_EQ(GetWindowLongPtrW(wnd, GWLP_WNDPROC), procedure);
  EXPECT_EQ(Capture(wnd), native);
}

// Tabs moved to the bottom after the skin was taken are drawn from the
// turned image.
TEST_F(SkinTabTest, TabsMovedToTheBottomUseTheTurnedImage) {
  auto* tabs = new TTabControl(form_);
  tabs->SetParent(form_);
  tabs->SetBounds(10, 10, 300, 120);
  tabs->Tabs()->Add("Words");
  tabs->Tabs()->Add("Counts");
  tabs->SetTabIndex(0);
  const HWND wnd = tabs->Handle();
  auto* skin = new TSkinTab(tabs, 0);
  skin->AttachControl(nullptr, *skin_, false);
  EXPECT_TRUE(ShowsTab(Capture(wnd), wnd, 0, 2));
  SetWindowLongPtrW(wnd, GWL_STYLE, GetWindowLongPtrW(wnd, GWL_STYLE) | TCS_BOTTOM);
  const TSkinBitmap shown = Capture(wnd);
  EXPECT_TRUE(ShowsTab(shown, wnd, 0, 2, true));
  EXPECT_TRUE(ShowsTab(shown, wnd, 1, 1, true));
  skin->Detach();
}

// The sheet takes the skin's face colour, its label still drawn over it.
TEST_F(SkinTabTest, TabSheetFillsWithTheFaceColourUnderItsLabels) {
  auto* pages = new TPageControl(form_);
  pages->SetParent(form_);
  pages->SetBounds(10, 10, 300, 200);
  auto* sheet = new TTabSheet(form_);
  sheet->SetPageControl(pages);
  sheet->SetText("Words");
  auto* label = new TLabel(form_);
  label->SetParent(sheet);
  label->SetBounds(8, 8, 120, 20);
  label->SetCaption("Most frequent");
  pages->SetActivePageIndex(0);
  const HWND wnd = sheet->Handle();
  const TSkinBitmap native = Capture(wnd);

  auto* skin = new TSkinTabSheet(sheet);
  skin->AttachControl(nullptr, *skin_, false);
  const TSkinBitmap shown = Capture(wnd);
  const TColor face = skin_->Environment().SystemColours().Resolve(skin_->Colours[scButtonFace]) & 0xFFFFFF;
  EXPECT_NE(native.Pixel(shown.Width() - 2, shown.Height() - 2), face);
  int text_pixels = 0;
  int other_pixels = 0;
  for (int y = 0; y < shown.Height(); ++y)
    for (int x = 0; x < shown.Width(); ++x) {
      const bool in_label = x >= 8 && x < 128 && y >= 8 && y < 28;
      if (shown.Pixel(x, y) != face) ++(in_label ? text_pixels : other_pixels);
    }
  EXPECT_EQ(other_pixels, 0);
  EXPECT_GT(text_pixels, 20);

  skin->Detach();
  EXPECT_EQ(Capture(wnd), native);
}

// Button-style tabs: each a push-button face, the focused one pressed.
TEST_F(SkinTabTest, ButtonTabsShowButtonFaces) {
  ASSERT_TRUE(skin_->Buttons && !skin_->Buttons->Bitmap.Empty());
  auto* tabs = new TTabControl(form_);
  tabs->SetParent(form_);
  tabs->SetBounds(10, 10, 300, 120);
  tabs->Tabs()->Add("Words");
  tabs->Tabs()->Add("Counts");
  const HWND wnd = tabs->Handle();
  SetWindowLongPtrW(wnd, GWL_STYLE, GetWindowLongPtrW(wnd, GWL_STYLE) | TCS_BUTTONS);
  tabs->SetTabIndex(1);
  auto* skin = new TSkinTabBtn(tabs);
  skin->AttachControl(nullptr, *skin_, false);
  const TSkinBitmap shown = Capture(wnd);
  const TDataSkinButton& e = *skin_->Buttons;
  for (int i = 0; i < 2; ++i) {
    const TRect face = TabButtonFace(TabRect(wnd, i));
    TSkinBitmap expected(shown.Width(), shown.Height(), shown.Pixel(shown.Width() - 1, 0));
    DrawSkinElement(expected, face, e.Bitmap, e.Margins(), i == 1 ? 2 : 1, e.Frame, e.Trans == 1, e.Tile == 1,
                    false);
    int differing = 0;
    for (int y = face.Top; y < face.Top + 2; ++y)
      for (int x = face.Left; x < face.Right; ++x) differing += shown.Pixel(x, y) != expected.Pixel(x, y);
    EXPECT_EQ(differing, 0) << "tab " << i;
  }
  skin->Detach();
}

}  // namespace
