// An MDI parent with a menu and two children under the skin: the children's
// skinned frames with their corners cut away, a maximised child's buttons on
// the parent's skinned menu bar driven by the real mouse, the MDI client's
// tiling, cascading and new frame menus, and the client given back when the
// skin goes off.

#include <gtest/gtest.h>

#include "app/win/main_form.h"
#include "framework/form_reader.h"
#include "framework/win/application.h"
#include "framework/win/standard_classes.h"
#include "mdi_bar_buttons.h"
#include "skin/data/model/skin_data.h"
#include "skin/windows/skin_messages.h"
#include "skin/windows/win/skin_manage.h"
#include "skin_test_input.h"

namespace {

constexpr const char* kDescription = R"(object MdiForm: TForm
  Left = 60
  Top = 40
  Width = 560
  Height = 420
  Caption = 'Parent'
  FormStyle = fsMDIForm
  Menu = MainMenu1
  object MainMenu1: TMainMenu
    object File1: TMenuItem
      Caption = '&File'
      object New1: TMenuItem
        Caption = '&New'
      end
    end
    object Window1: TMenuItem
      Caption = '&Window'
    end
  end
end
)";

// The MDI client's children, destroyed ones gone.
int ChildCount(HWND client) {
  int count = 0;
  for (HWND c = GetWindow(client, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
    count += (GetWindowLongW(c, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
  return count;
}

RECT WindowRectOf(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return r;
}

bool HasRegion(HWND wnd) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const int kind = GetWindowRgn(wnd, region);
  DeleteObject(region);
  return kind != ERROR;
}

class SkinnedMdi : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InstallSkinEngine(); }

  void SetUp() override {
    skin_owner = new Tfrmmain(&Application());
    skin = ObjectAs<TSkinData>(skin_owner->FindComponent("skndt1"));
    ASSERT_NE(skin, nullptr);
    // The program's own window keeps MDI children in system borders; these
    // children wear the skin.
    TSkinOptions options = skin->Options();
    options.Exclude(TSkinOption::xoMDIChildBorder);
    skin->SetOptions(options);
    parent = new TForm(&Application());
    ReadForm(*parent, kDescription, StandardClasses());
    wnd = parent->Handle();
    client = parent->ClientHandle();
    ASSERT_NE(client, nullptr);
    client_procedure = GetWindowLongPtrA(client, GWLP_WNDPROC);
    parent->Show();
    SetForegroundWindow(wnd);
    ASSERT_TRUE(PumpUntil([&] { return SendMessageW(wnd, SKM_ISSKINNED, 0, 0) == 1; }));
    for (const char* name : {"One", "Two"}) {
      auto* child = new TForm(parent);
      child->SetFormStyle(TFormStyle::fsMDIChild);
      child->SetCaption(name);
      child->SetBounds(10 + 250 * static_cast<int>(children.size()), 20, 240, 170);
      child->SetOnClose([](TObject*, TCloseAction& action) { action = TCloseAction::caFree; });
      child->Show();
      children.push_back(child->Handle());
    }
    ASSERT_TRUE(PumpUntil([&] {
      return SendMessageW(children[0], SKM_ISSKINNED, 0, 0) == 1 &&
             SendMessageW(children[1], SKM_ISSKINNED, 0, 0) == 1;
    }));
    Pump(150);
  }
  void TearDown() override {
    parent->Free();
    skin_owner->Free();
    Pump(50);
  }

  HWND Active() const { return reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0)); }
  bool Maximised() const { return SkinManager() != nullptr && SkinManager()->MdiChildMaximised(); }
  int FrameWidth(const TDataSkinObject& element) const { return element.Bitmap.Width() / element.Frame; }
  int TopHeight() const { return skin->BorderTop->Bitmap.Height() / skin->BorderTop->Frame; }

  void MaximiseByItsButton(HWND child) {
    ClickAt(TitleButtonCentre(*skin, child, 1, 2));
    ASSERT_TRUE(PumpUntil([&] { return IsZoomed(child) != FALSE; }));
    Pump(150);
  }
  int BarButtonMismatches(int action, int frame) const {
    return MdiBarButtonMismatches(*skin, wnd, action, frame);
  }
  // The parent's menu bar band as the screen shows it.
  TSkinBitmap Bar() const {
    const RECT w = WindowRectOf(wnd);
    const int top = w.top + TopHeight();
    return ScreenPixels({w.left, top, w.right, top + GetSystemMetrics(SM_CYMENU)});
  }

  Tfrmmain* skin_owner = nullptr;
  TSkinData* skin = nullptr;
  TForm* parent = nullptr;
  HWND wnd = nullptr;
  HWND client = nullptr;
  LONG_PTR client_procedure = 0;
  std::vector<HWND> children;
};

bool SameImage(const TSkinBitmap& a, const TSkinBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
  return true;
}

TEST_F(SkinnedMdi, ChildrenWearTheSkinFrameWithTheKeyColourCutAway) {
  const TSkinBitmap& left = skin->BorderLeft->Bitmap;
  ASSERT_EQ(left.Pixel(0, 0), clFuchsia);  // the skin's rounded top corner
  for (HWND child : children) {
    RECT client_rect{};
    GetClientRect(child, &client_rect);
    const RECT outer = WindowRectOf(child);
    EXPECT_EQ(outer.right - outer.left,
              client_rect.right + FrameWidth(*skin->BorderLeft) + FrameWidth(*skin->BorderRight));
    EXPECT_TRUE(HasRegion(child));
  }
  // The second child lies over the MDI client's plain background at its
  // corner; the border below the corner is the skin's.
  RedrawWindow(wnd, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump(100);
  const RECT outer = WindowRectOf(children[1]);
  const TSkinBitmap corner = ScreenPixels({outer.left, outer.top, outer.left + 3, outer.top + 3});
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x)
      if (left.Pixel(x, y) == clFuchsia) {
        EXPECT_NE(corner.Pixel(x, y), clFuchsia) << x << "," << y;
      }
  // The border beside the corner, in the title band: the skin's, active or not.
  const int y = TopHeight() / 2, fw = FrameWidth(*skin->BorderLeft);
  const TColor shown =
      ScreenPixels({outer.left + 1, outer.top + y, outer.left + 2, outer.top + y + 1}).Pixel(0, 0);
  EXPECT_TRUE(shown == left.Pixel(1, y) || shown == left.Pixel(fw + 1, y));
}

TEST_F(SkinnedMdi, AMaximisedChildsButtonsOnTheParentsBarRestoreAndCloseIt) {
  const TSkinBitmap bar_before = Bar();
  ASSERT_GT(BarButtonMismatches(8, 1), 0);  // nothing there yet

  const HWND first = children[0];
  MaximiseByItsButton(first);
  EXPECT_TRUE(Maximised());
  EXPECT_FALSE(HasRegion(first));
  EXPECT_EQ(GetMenu(wnd), nullptr);
  EXPECT_FALSE(SameImage(Bar(), bar_before));
  for (const int action : {7, 8, 9}) EXPECT_EQ(BarButtonMismatches(action, 1), 0) << action;

  // Under the mouse the restore button lights up; its click restores the child.
  MouseTo(MdiBarButtonCentre(*skin, wnd, 8));
  EXPECT_EQ(BarButtonMismatches(8, 4), 0);
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  EXPECT_EQ(BarButtonMismatches(8, 2), 0);
  MouseButton(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(first) == FALSE; }));
  Pump(150);
  EXPECT_FALSE(Maximised());
  EXPECT_TRUE(HasRegion(first));
  EXPECT_GT(BarButtonMismatches(8, 1), 0);
  EXPECT_EQ(ChildCount(client), 2);

  // Maximised again, its close button ends it; the other child takes its place.
  MaximiseByItsButton(first);
  for (const int action : {7, 8, 9}) EXPECT_EQ(BarButtonMismatches(action, 1), 0) << action;
  ClickAt(MdiBarButtonCentre(*skin, wnd, 9));
  ASSERT_TRUE(PumpUntil([&] { return ChildCount(client) == 1; }));
  Pump(150);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(Active(), children[1]);
  EXPECT_EQ(Maximised(), IsZoomed(children[1]) != FALSE);
}

TEST_F(SkinnedMdi, TilingAndCascadingEndTheMaximisedState) {
  for (const UINT arrange : {static_cast<UINT>(WM_MDITILE), static_cast<UINT>(WM_MDICASCADE)}) {
    // Maximised by the client itself: the parent's bar notices.
    SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(children[1]), 0);
    ASSERT_TRUE(PumpUntil([&] { return Maximised(); })) << arrange;
    EXPECT_FALSE(HasRegion(children[0]));
    SendMessageW(client, arrange, 0, 0);
    Pump(150);
    EXPECT_FALSE(Maximised()) << arrange;
    for (HWND child : children) {
      EXPECT_FALSE(IsZoomed(child)) << arrange;
      EXPECT_TRUE(HasRegion(child)) << arrange;
    }
  }
}

TEST_F(SkinnedMdi, ANewFrameMenuBecomesTheSkinnedBars) {
  const TSkinBitmap bar_before = Bar();
  HMENU menu = CreateMenu();
  AppendMenuW(menu, MF_STRING, 1, L"&Alpha");
  AppendMenuW(menu, MF_STRING, 2, L"&Beta");
  AppendMenuW(menu, MF_STRING, 3, L"&Gamma");
  AppendMenuW(menu, MF_STRING, 4, L"&Delta");
  SendMessageW(client, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu), 0);
  Pump(150);
  EXPECT_EQ(GetMenu(wnd), nullptr);
  EXPECT_FALSE(SameImage(Bar(), bar_before));
  // The window gets the new menu back when the skin goes.
  skin->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return SendMessageW(wnd, SKM_ISSKINNED, 0, 0) != 1; }));
  EXPECT_EQ(GetMenu(wnd), menu);
}

TEST_F(SkinnedMdi, SkinOffGivesTheClientItsProcedureBack) {
  EXPECT_NE(GetWindowLongPtrA(client, GWLP_WNDPROC), client_procedure);
  skin->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return SendMessageW(wnd, SKM_ISSKINNED, 0, 0) != 1; }));
  EXPECT_EQ(GetWindowLongPtrA(client, GWLP_WNDPROC), client_procedure);
  EXPECT_EQ(SkinManager()->MdiClient(), nullptr);
}

}  // namespace
