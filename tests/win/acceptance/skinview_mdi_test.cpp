// The skin preview program as its user drives it: a child of its MDI area
// maximised with the real mouse puts its buttons on the skinned menu bar,
// and those buttons restore it and close it.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "running_program.h"
#include "skin_windows/skin_test_input.h"

#include "app/win/main_form.h"
#include "app/win/startup.h"
#include "framework/win/application.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/dib_image.h"
#include "skin/data/win/skin_environment_win.h"
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

TSkinBitmap Screen(const RECT& r) {
  HDC dc = GetDC(nullptr);
  const TSkinBitmap image = CaptureImage(dc, r);
  ReleaseDC(nullptr, dc);
  return image;
}

RECT WindowRectOf(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return r;
}

void Click(POINT at) {
  MouseTo(at);
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  MouseButton(MOUSEEVENTF_LEFTUP);
}

class SkinviewMdi : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeApplication();
    environment_ = std::make_unique<TWinSkinEnvironment>();
    scope_ = std::make_unique<TSkinEnvironmentScope>(*environment_);
    // The default skin, as skinview shows it first: the program's own.
    form_ = new Tfrmmain(&Application());
    skin_ = ObjectAs<TSkinData>(form_->FindComponent("skndt1"));
  }
  static void TearDownTestSuite() {
    form_->Free();
    scope_.reset();
    environment_.reset();
  }

  // The skin's caption button with that action and visibility, on a window's title.
  static POINT TitleButtonCentre(HWND window, int action, int visibility) {
    for (const auto& b : skin_->SysButtons) {
      if (b->Action != action || b->Visibility != visibility || b->Bitmap.Empty()) continue;
      const RECT r = WindowRectOf(window);
      return {r.right - b->Xcoord + b->Bitmap.Width() / b->Frame / 2,
              r.top + b->Ycoord + b->Bitmap.Height() / 2};
    }
    ADD_FAILURE() << "no caption button " << action;
    return {};
  }

  // A maximised child's button on the parent's menu bar: from the right edge,
  // clear of the right border and the bar's left margin, centred in the bar.
  static const TDataSkinSysButton& BarButton(int action) {
    for (const auto& b : skin_->SysButtons)
      if (b->Action == action && b->Visibility == 100) return *b;
    throw std::runtime_error("no such bar button");
  }
  static RECT BarButtonRect(HWND main, int action) {
    const TDataSkinSysButton& b = BarButton(action);
    const RECT w = WindowRectOf(main);
    const int fw = b.Bitmap.Width() / b.Frame, h = b.Bitmap.Height();
    const int right = skin_->BorderRight->Bitmap.Width() / skin_->BorderRight->Frame;
    const int top = skin_->BorderTop->Bitmap.Height() / skin_->BorderTop->Frame;
    const int margin = skin_->MenuBar ? skin_->MenuBar->LeftWidth : 0;
    const int left = w.right - b.Xcoord - right - margin;
    const int y = w.top + top + (GetSystemMetrics(SM_CYMENU) - h) / 2;
    return {left, y, left + fw, y + h};
  }
  // Whether the screen shows the button's first frame (its key-coloured
  // pixels let the bar through and are not compared).
  static bool BarButtonShown(HWND main, int action) {
    const TDataSkinSysButton& b = BarButton(action);
    const TSkinBitmap shown = Screen(BarButtonRect(main, action));
    const int fw = b.Bitmap.Width() / b.Frame;
    for (int y = 0; y < shown.Height(); ++y)
      for (int x = 0; x < fw; ++x)
        if (b.Bitmap.Pixel(x, y) != clFuchsia && shown.Pixel(x, y) != b.Bitmap.Pixel(x, y)) return false;
    return true;
  }
  static POINT CentreOfRect(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

  static inline std::unique_ptr<TWinSkinEnvironment> environment_;
  static inline std::unique_ptr<TSkinEnvironmentScope> scope_;
  static inline Tfrmmain* form_ = nullptr;
  static inline TSkinData* skin_ = nullptr;
};

TEST_F(SkinviewMdi, AMaximisedChildsBarButtonsRestoreAndCloseIt) {
  ASSERT_NE(skin_, nullptr);
  ASSERT_FALSE(BarButton(8).Bitmap.Empty()) << "the default skin has no MDI buttons";
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
    Click(TitleButtonCentre(child, 1, 2));
    return Eventually([&] { return IsZoomed(child) != FALSE; }) && Eventually([&] {
             return BarButtonShown(main, 7) && BarButtonShown(main, 8) && BarButtonShown(main, 9);
           });
  };
  ASSERT_TRUE(maximise()) << "no child buttons on the menu bar";

  Click(CentreOfRect(BarButtonRect(main, 8)));
  ASSERT_TRUE(Eventually([&] { return IsZoomed(child) == FALSE; }));
  EXPECT_TRUE(Eventually([&] { return !BarButtonShown(main, 8); }));
  EXPECT_EQ(MdiChildren(client).size(), 2u);

  ASSERT_TRUE(maximise());
  Click(CentreOfRect(BarButtonRect(main, 9)));
  EXPECT_TRUE(Eventually([&] { return MdiChildren(client).size() == 1; }));
  EXPECT_FALSE(IsWindow(child));
  EXPECT_TRUE(program.Running());
}

}  // namespace
