// The skin preview program as its user drives it: a child of its MDI area
// maximised with the real mouse puts its buttons on the skinned menu bar,
// and those buttons restore it and close it.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "running_program.h"
#include "skin_windows/mdi_bar_buttons.h"
#include "skin_windows/skin_test_input.h"

#include "app/win/startup.h"
#include "framework/win/application.h"
#include "skin/data/model/skin_data.h"
#include "skin/windows/skin_messages.h"

namespace {

BOOL CALLBACK CollectMdiChild(HWND wnd, LPARAM out) {
  if (GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_MDICHILD)
    reinterpret_cast<std::vector<HWND>*>(out)->push_back(wnd);
  return TRUE;
}

std::vector<HWND> MdiChildren(HWND client) {
  std::vector<HWND> children;
  EnumChildWindows(client, CollectMdiChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

class SkinviewMdi : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeApplication();
    // The default skin, as skinview shows it first: the program's own.
    own_ = std::make_unique<TOwnSkin>();
    skin_ = own_->Skin();
  }
  static void TearDownTestSuite() { own_.reset(); }

  static bool BarButtonShown(HWND main, int action) {
    return MdiBarButtonMismatches(*skin_, main, action, 1) == 0;
  }

  static inline std::unique_ptr<TOwnSkin> own_;
  static inline TSkinData* skin_ = nullptr;
};

TEST_F(SkinviewMdi, AMaximisedChildsBarButtonsRestoreAndCloseIt) {
  ASSERT_NE(skin_, nullptr);
  TRunningProgram program(L"skinview.exe", L"TForm");
  const HWND main = program.MainWindow();
  ASSERT_NE(main, nullptr) << "skinview's window did not come up skinned";
  const std::vector<HWND> clients = program.Children(L"MDIClient");
  ASSERT_EQ(clients.size(), 1u);
  const HWND client = clients.front();
  ASSERT_TRUE(Eventually([&] {
    const std::vector<HWND> children = MdiChildren(client);
    return children.size() == 2 && SendMessageW(children[0], SKM_ISSKINNED, 0, 0) == 1 &&
           SendMessageW(children[1], SKM_ISSKINNED, 0, 0) == 1;
  }));
  Eventually([] { return false; }, 300);
  const auto active = [&] { return reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0)); };
  const HWND child = active();
  ASSERT_NE(child, nullptr);
  EXPECT_FALSE(BarButtonShown(main, 8));

  const auto maximise = [&] {
    ClickAt(TitleButtonCentre(*skin_, child, 1, 2));
    return Eventually([&] { return IsZoomed(child) != FALSE; }) && Eventually([&] {
             return BarButtonShown(main, 7) && BarButtonShown(main, 8) && BarButtonShown(main, 9);
           });
  };
  ASSERT_TRUE(maximise()) << "no child buttons on the menu bar";

  ClickAt(MdiBarButtonCentre(*skin_, main, 8));
  ASSERT_TRUE(Eventually([&] { return IsZoomed(child) == FALSE; }));
  EXPECT_TRUE(Eventually([&] { return !BarButtonShown(main, 8); }));
  EXPECT_EQ(MdiChildren(client).size(), 2u);

  ASSERT_TRUE(maximise());
  ClickAt(MdiBarButtonCentre(*skin_, main, 9));
  // The child leaves its parent's list before its handle is freed (its last
  // messages come in between), so wait for both.
  EXPECT_TRUE(Eventually([&] { return MdiChildren(client).size() == 1; }));
  EXPECT_TRUE(Eventually([&] { return IsWindow(child) == FALSE; }));
  EXPECT_TRUE(program.Running());
}

}  // namespace
