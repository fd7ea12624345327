// A skinned form with a main menu and popup menus: the bar the skin draws in
// place of the native one, dropping its menus down by mouse and keyboard,
// moving between them with the arrow keys, and the items the skin draws.

#include <gtest/gtest.h>

#include "app/win/main_form.h"
#include "framework/form_reader.h"
#include "framework/win/application.h"
#include "framework/win/gdi.h"
#include "framework/win/image_list.h"
#include "framework/win/main_menu.h"
#include "framework/win/popup_menu.h"
#include "framework/win/standard_classes.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/dib_image.h"
#include "skin/windows/skin_messages.h"
#include "skin_test_input.h"

namespace {

constexpr const char* kDescription = R"(object MenuForm: TForm
  Left = 80
  Top = 80
  Width = 420
  Height = 300
  Caption = 'Menus'
  Menu = MainMenu1
  object MainMenu1: TMainMenu
    object File1: TMenuItem
      Caption = '&File'
      object Save1: TMenuItem
        Caption = '&Save'
        ShortCut = 16467
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object Exit1: TMenuItem
        Caption = 'E&xit'
      end
    end
    object Edit1: TMenuItem
      Caption = '&Edit'
      object Copy1: TMenuItem
        Caption = '&Copy'
      end
    end
    object Help1: TMenuItem
      Caption = '&Help'
      object About1: TMenuItem
        Caption = '&About'
      end
    end
  end
  object PopupMenu1: TPopupMenu
    object Cut1: TMenuItem
      Caption = 'Cu&t'
    end
  end
  object PopupMenu2: TPopupMenu
    Tag = 99
    object Paste1: TMenuItem
      Caption = '&Paste'
    end
  end
end
)";

class SkinnedMenus : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InstallSkinEngine(); }

  void SetUp() override {
    // The main window carries the skin; this form is skinned with it.
    skin_owner = new Tfrmmain(&Application());
    skin = ObjectAs<TSkinData>(skin_owner->FindComponent("skndt1"));
    form = new TForm(&Application());
    ReadForm(*form, kDescription, StandardClasses());
    wnd = form->Handle();
    form->Show();
    SetForegroundWindow(wnd);
    ASSERT_TRUE(PumpUntil([&] { return SendMessageW(wnd, SKM_ISSKINNED, 0, 0) == 1; }));
    Pump(150);
  }
  void TearDown() override {
    form->Free();
    skin_owner->Free();
    Pump(50);
  }

  TMenuItem* Item(const char* name) const { return ObjectAs<TMenuItem>(form->FindComponent(name)); }

  // The bar band of the window: below the title, above the client area.
  RECT BarBand() const { return BarBandOf(wnd); }
  static RECT BarBandOf(HWND wnd) {
    RECT window{}, client{};
    GetWindowRect(wnd, &window);
    GetClientRect(wnd, &client);
    POINT origin{0, 0};
    ClientToScreen(wnd, &origin);
    const int bottom = origin.y - window.top;
    return {0, bottom - GetSystemMetrics(SM_CYMENU), window.right - window.left, bottom};
  }
  // Where a caption in the bar's text colour first shows, scanning from the left.
  std::vector<int> TextColumns() const { return TextColumnsOf(wnd); }
  std::vector<int> TextColumnsOf(HWND wnd) const {
    const RECT band = BarBandOf(wnd);
    HDC dc = GetWindowDC(wnd);
    const TSkinBitmap image = CaptureImage(dc, band);
    ReleaseDC(wnd, dc);
    const TColor text = skin->Environment().SystemColours().Resolve(skin->Colours[scMenuBarText]);
    std::vector<int> columns;
    for (int x = 0; x < image.Width(); ++x)
      for (int y = 0; y < image.Height(); ++y)
        if (image.Pixel(x, y) == text) {
          columns.push_back(x);
          break;
        }
    return columns;
  }
  POINT BarPoint(int x) const {
    RECT window{};
    GetWindowRect(wnd, &window);
    const RECT band = BarBand();
    return {window.left + x, window.top + (band.top + band.bottom) / 2};
  }

  Tfrmmain* skin_owner = nullptr;
  TSkinData* skin = nullptr;
  TForm* form = nullptr;
  HWND wnd = nullptr;
};

TEST_F(SkinnedMenus, TheBarIsTheSkinsOwnAndDropsDownOnClickAndOnAltAccelerator) {
  EXPECT_EQ(GetMenu(wnd), nullptr);  // the native bar left the window
  const std::vector<int> columns = TextColumns();
  ASSERT_FALSE(columns.empty());

  // Hot tracking: the button under the mouse gets its one-pixel frame.
  MouseTo(BarPoint(columns.front() + 2));
  Pump(100);
  const RECT band = BarBand();
  HDC dc = GetWindowDC(wnd);
  const TSkinBitmap hot = CaptureImage(dc, band);
  ReleaseDC(wnd, dc);
  const TColor frame = skin->Environment().SystemColours().Resolve(skin->Colours[scButtonHilight]);
  int frame_pixels = 0;
  for (int x = 0; x < hot.Width(); ++x) frame_pixels += hot.Pixel(x, 0) == frame;
  EXPECT_GT(frame_pixels, 10);

  // A click drops File down, skinned; Escape closes it.
  PostDelayedKeys({VK_ESCAPE}, 400);
  bool opened = false;
  AfterDelay(300, [&] {
    opened = OpenDropDown() == Item("File1")->Handle() &&
             SendMessageW(FindWindowW(L"#32768", nullptr), SKM_ISSKINNED, 0, 0) == 1;
  });
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  MouseButton(MOUSEEVENTF_LEFTUP);
  Pump(500);
  EXPECT_TRUE(opened);
  EXPECT_EQ(OpenDropDown(), nullptr);
}

TEST_F(SkinnedMenus, AFormMadeWhileTheSkinRunsShowsTheMenuGivenInCodeOnTheSkinsBar) {
  auto* late = new TForm(&Application());
  late->SetBounds(60, 60, 300, 200);
  auto* menu = new TMainMenu(late);
  auto* file = new TMenuItem(menu);
  file->SetCaption("&File");
  menu->Items()->Add(file);
  late->SetMenu(menu);
  late->Show();
  const HWND late_wnd = late->Handle();
  ASSERT_TRUE(PumpUntil([&] { return SendMessageW(late_wnd, SKM_ISSKINNED, 0, 0) == 1; }));
  Pump(150);
  // The bar took the menu over and sits between the title and the client.
  EXPECT_EQ(GetMenu(late_wnd), nullptr);
  EXPECT_FALSE(TextColumnsOf(late_wnd).empty());
  late->Free();
}

TEST_F(SkinnedMenus, ArrowKeysMoveBetweenDropDownsAndWrap) {
  std::vector<HMENU> seen;
  // Alt+F opens File; Right: Edit, Help, then File again; Left: Help.
  RecordDropDowns(seen, 6);
  KeyChord(VK_MENU, 'F');
  PostDelayedKeys({VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_LEFT, VK_ESCAPE}, 250);
  Pump(3000);
  const std::vector<HMENU> expected{Item("File1")->Handle(), Item("Edit1")->Handle(), Item("Help1")->Handle(),
                                    Item("File1")->Handle(), Item("Help1")->Handle()};
  EXPECT_EQ(seen, expected);
}

TEST_F(SkinnedMenus, MovingTheMouseToAnotherBarButtonSwitchesDropDowns) {
  const std::vector<int> columns = TextColumns();
  ASSERT_FALSE(columns.empty());
  // The second caption starts where a gap in the text columns ends.
  int second = -1;
  for (std::size_t i = 1; i < columns.size() && second < 0; ++i)
    if (columns[i] - columns[i - 1] > 6) second = columns[i];
  ASSERT_GT(second, 0);
  std::vector<HMENU> seen;
  RecordDropDowns(seen, 2);
  AfterDelay(400, [&] { QueueMove(BarPoint(second + 2)); });
  PostDelayedKeys({VK_ESCAPE, VK_ESCAPE}, 900);
  MouseTo(BarPoint(columns.front() + 2));
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  MouseButton(MOUSEEVENTF_LEFTUP);
  Pump(1000);
  const std::vector<HMENU> expected{Item("File1")->Handle(), Item("Edit1")->Handle()};
  EXPECT_EQ(seen, expected);
}

TEST_F(SkinnedMenus, ARightToLeftBarRunsFromTheRightEdge) {
  skin->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return SendMessageW(wnd, SKM_ISSKINNED, 0, 0) != 1; }));
  SetWindowLongPtrW(wnd, GWL_EXSTYLE, GetWindowLongPtrW(wnd, GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
  skin->SetActive(true);
  ASSERT_TRUE(PumpUntil([&] { return SendMessageW(wnd, SKM_ISSKINNED, 0, 0) == 1; }));
  Pump(200);
  const std::vector<int> columns = TextColumns();
  ASSERT_FALSE(columns.empty());
  const RECT band = BarBand();
  EXPECT_GT(columns.front(), (band.right - band.left) / 2);
}

TEST_F(SkinnedMenus, ItemsAreDrawnBySkinWithTheirShortcutsAndSeparators) {
  TSkinBitmap drop_down;
  RECT save{}, separator{};
  AfterDelay(400, [&] {
    HWND popup = FindWindowW(L"#32768", nullptr);
    const HMENU menu = Item("File1")->Handle();
    GetMenuItemRect(nullptr, menu, 0, &save);
    GetMenuItemRect(nullptr, menu, 1, &separator);
    RECT r{};
    GetWindowRect(popup, &r);
    OffsetRect(&save, -r.left, -r.top);
    OffsetRect(&separator, -r.left, -r.top);
    HDC dc = GetWindowDC(popup);
    drop_down = CaptureImage(dc, RECT{0, 0, r.right - r.left, r.bottom - r.top});
    ReleaseDC(popup, dc);
    PostMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
  });
  KeyChord(VK_MENU, 'F');
  Pump(800);
  ASSERT_FALSE(drop_down.Empty());
  const TColor text = skin->Environment().SystemColours().Resolve(skin->Colours[scMenuText]);
  const TColor selected_text = skin->Environment().SystemColours().Resolve(skin->Colours[scHilightText]);
  // The shortcut "Ctrl+S" ends 11 pixels left of the item's right edge.
  int rightmost = -1;
  for (int y = save.top; y < save.bottom; ++y)
    for (int x = save.left; x < save.right; ++x) {
      const TColor c = drop_down.Pixel(x, y);
      if (c == text || c == selected_text) rightmost = std::max(rightmost, x);
    }
  EXPECT_LE(rightmost, save.right - 11);
  EXPECT_GE(rightmost, save.right - 11 - 6);
  // The separator shows the skin's separator frame, not the plain etched line.
  const TDataSkinObject& element = *skin->MenuItem;
  const int fw = element.Bitmap.Width() / 5;
  TColor separator_middle = clFuchsia;
  for (int y = element.Bitmap.Height() - 1; y >= 0 && separator_middle == clFuchsia; --y)
    separator_middle = element.Bitmap.Pixel(fw + fw / 2, y);
  bool found = false;
  for (int y = separator.top; y < separator.bottom; ++y)
    found = found || drop_down.Pixel((separator.left + separator.right) / 2, y) == separator_middle;
  EXPECT_TRUE(found);
}

TEST_F(SkinnedMenus, ADropDownItemShowsItsMenusImage) {
  // A red square on white, the white see-through.
  TImageList images(nullptr);
  {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    UniqueBitmap image(CreateCompatibleBitmap(screen, 16, 16));
    ReleaseDC(nullptr, screen);
    const HGDIOBJ old = SelectObject(dc, image.get());
    const RECT all{0, 0, 16, 16}, inner{4, 4, 12, 12};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const UniqueBrush red(CreateSolidBrush(RGB(255, 0, 0)));
    FillRect(dc, &inner, red.get());
    SelectObject(dc, old);
    DeleteDC(dc);
    ASSERT_EQ(images.AddMasked(image.get(), 0xFFFFFF), 0);
  }
  form->Menu()->SetImages(&images);
  Item("Save1")->SetImageIndex(0);
  int red_pixels = -1;
  AfterDelay(400, [&] {
    HWND popup = FindWindowW(L"#32768", nullptr);
    RECT save{};
    GetMenuItemRect(nullptr, Item("File1")->Handle(), 0, &save);
    HDC screen = GetDC(nullptr);
    red_pixels = 0;
    for (int y = save.top; y < save.bottom; ++y)
      for (int x = save.left; x < save.left + 30; ++x) red_pixels += GetPixel(screen, x, y) == RGB(255, 0, 0);
    ReleaseDC(nullptr, screen);
    PostMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
  });
  KeyChord(VK_MENU, 'F');
  Pump(800);
  form->Menu()->SetImages(nullptr);
  EXPECT_EQ(red_pixels, 64);
}

TEST_F(SkinnedMenus, PopupMenusAreSkinDrawnUnlessTaggedWithDisableTag) {
  auto* skinned = ObjectAs<TPopupMenu>(form->FindComponent("PopupMenu1"));
  auto* plain = ObjectAs<TPopupMenu>(form->FindComponent("PopupMenu2"));
  EXPECT_TRUE(skinned->OwnerDraw());
  EXPECT_TRUE(static_cast<bool>(Item("Cut1")->OnAdvancedDrawItem()));
  EXPECT_FALSE(plain->OwnerDraw());
  EXPECT_FALSE(static_cast<bool>(Item("Paste1")->OnAdvancedDrawItem()));
  // Skin off: the popup menu is the framework's again.
  skin->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return SendMessageW(wnd, SKM_ISSKINNED, 0, 0) != 1; }));
  EXPECT_FALSE(skinned->OwnerDraw());
  EXPECT_FALSE(static_cast<bool>(Item("Cut1")->OnAdvancedDrawItem()));
  EXPECT_NE(GetMenu(wnd), nullptr);
}

}  // namespace
