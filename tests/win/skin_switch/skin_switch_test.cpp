// Skins changed at run time on skinview's gallery, which holds every kind of
// control the engine skins: fifty changes between two skins, with skinning
// switched off and on between them, leave the process's GDI and USER objects
// where they were, and after each change every skinned window's frame is the
// one of the skin in use around an unchanged client area.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "framework/win/application.h"
#include "gallery_form.h"
#include "gui_objects.h"
#include "skin/windows/skin_messages.h"
#include "skin_windows/skin_test_input.h"

namespace fs = std::filesystem;

namespace {

fs::path SkinsFolder() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  return fs::path(std::wstring(path, length)).parent_path() / "skins";
}

// The machine may be busy: a skin command gets far longer than its 250 ms.
bool WaitFor(const std::function<bool()>& done) {
  for (int waited = 0; waited < 10000; waited += 10) {
    if (done()) return true;
    Pump(10);
  }
  return done();
}

int PerFrame(int size, int frames) {
  return size / std::max(frames, 1);
}

SIZE ClientSize(HWND wnd) {
  RECT r{};
  GetClientRect(wnd, &r);
  return {r.right, r.bottom};
}

// The frame around the client area that the window has and that it should
// have: the skin's borders (and its menu bar when the window has one) while
// skinned, the system's frame otherwise.
struct TFrameSeen {
  SIZE Actual{};
  SIZE Expected{};
};

TFrameSeen FrameOf(HWND wnd, const TSkinData& skin, bool skinned, bool menu_bar) {
  RECT outer{};
  GetWindowRect(wnd, &outer);
  const SIZE client = ClientSize(wnd);
  TFrameSeen seen;
  seen.Actual = {(outer.right - outer.left) - client.cx, (outer.bottom - outer.top) - client.cy};
  if (skinned) {
    seen.Expected = {PerFrame(skin.BorderLeft->Bitmap.Width(), skin.BorderLeft->Frame) +
                         PerFrame(skin.BorderRight->Bitmap.Width(), skin.BorderRight->Frame),
                     PerFrame(skin.BorderTop->Bitmap.Height(), skin.BorderTop->Frame) +
                         PerFrame(skin.BorderBottom->Bitmap.Height(), skin.BorderBottom->Frame) +
                         (menu_bar ? GetSystemMetrics(SM_CYMENU) : 0)};
  } else {
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(wnd, GWL_STYLE)), menu_bar,
                       static_cast<DWORD>(GetWindowLongPtrW(wnd, GWL_EXSTYLE)));
    seen.Expected = {r.right - r.left, r.bottom - r.top};
  }
  return seen;
}

BOOL CALLBACK CollectMdiChild(HWND wnd, LPARAM out) {
  if (GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_MDICHILD)
    reinterpret_cast<std::vector<HWND>*>(out)->push_back(wnd);
  return TRUE;
}

BOOL CALLBACK SetControlSkinning(HWND wnd, LPARAM on) {
  if (SendMessageW(wnd, SKM_ISSKINNED, 0, 0) == 1) SendMessageW(wnd, SKM_SKINENABLE, on, 0);
  return TRUE;
}

class SkinSwitching : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InstallSkinEngine(); }

  void SetUp() override {
    gallery = new TGalleryForm(&Application(), {});
    std::string error;
    ASSERT_TRUE(gallery->ShowSkin(SkinsFolder() / "default.skn", error)) << error;
    gallery->Show();
    gallery->OpenChildren();
    wnd = gallery->Handle();
    ASSERT_TRUE(PumpUntil([&] { return Skinned(wnd); }));
    gallery->Skin()->SetOnSkinChanged({{}, [this](TObject*) { ++commands_run; }});
    EnumChildWindows(wnd, CollectMdiChild, reinterpret_cast<LPARAM>(&children));
    ASSERT_EQ(children.size(), 2u);
    Pump(200);
  }
  void TearDown() override {
    gallery->Free();
    Pump(50);
  }

  static bool Skinned(HWND w) { return SendMessageW(w, SKM_ISSKINNED, 0, 0) == 1; }

  // Runs `change`, waits for the skin command it asked for, then for the
  // messages the forms posted to themselves (their set-up, their controls).
  void Command(const std::function<void()>& change) {
    const int before = commands_run;
    change();
    ASSERT_TRUE(WaitFor([&] { return commands_run > before; }));
    const bool on = gallery->Skin()->Active();
    ASSERT_TRUE(WaitFor([&] { return Skinned(wnd) == on; }));
    Pump(60);
  }
  void Show(const char* skin) {
    Command([&] {
      std::string error;
      ASSERT_TRUE(gallery->ShowSkin(SkinsFolder() / skin, error)) << error;
    });
  }
  void SetSkinning(bool on) {
    Command([&] { gallery->Skin()->SetActive(on); });
  }

  // Every skinned window of the gallery, its frame against the skin in use.
  void ExpectFramesFit(const std::string& when) {
    const bool on = gallery->Skin()->Active();
    const TFrameSeen main = FrameOf(wnd, *gallery->Skin(), on, true);
    EXPECT_EQ(main.Actual.cx, main.Expected.cx) << when;
    EXPECT_EQ(main.Actual.cy, main.Expected.cy) << when;
    const SIZE client = ClientSize(wnd);
    EXPECT_EQ(client.cx, first_client.cx) << when;
    EXPECT_EQ(client.cy, first_client.cy) << when;
    for (std::size_t i = 0; i < children.size(); ++i) {
      const HWND child = children[i];
      EXPECT_EQ(Skinned(child), on) << when;
      const SIZE child_client = ClientSize(child);
      EXPECT_EQ(child_client.cx, first_child_clients[i].cx) << when;
      EXPECT_EQ(child_client.cy, first_child_clients[i].cy) << when;
      const TFrameSeen frame = FrameOf(child, *gallery->Skin(), on, false);
      EXPECT_EQ(frame.Actual.cx, frame.Expected.cx) << when;
      // A skinned MDI child may keep a band below its title for the
      // parent's menu bar: its borders at least.
      if (on) {
        EXPECT_GE(frame.Actual.cy, frame.Expected.cy) << when;
      } else {
        EXPECT_EQ(frame.Actual.cy, frame.Expected.cy) << when;
      }
    }
  }

  TGalleryForm* gallery = nullptr;
  HWND wnd = nullptr;
  std::vector<HWND> children;
  int commands_run = 0;
  SIZE first_client{};
  std::vector<SIZE> first_child_clients;
};

TEST_F(SkinSwitching, FiftyChangesOfSkinAndOfSkinningLeaveNoObjectsBehindAndFitEveryFrame) {
  first_client = ClientSize(wnd);
  for (HWND child : children) first_child_clients.push_back(ClientSize(child));
  // One round first: what is made once and kept (fonts, cached images of
  // either skin) is not a leak.
  Show("ember.skn");
  Show("default.skn");
  SetSkinning(false);
  SetSkinning(true);
  ExpectFramesFit("after the first round");
  const TGuiObjects before = CountGuiObjects();
  ASSERT_GT(before.Gdi, 0);
  ASSERT_GT(before.User, 0);

  for (int i = 1; i <= 50; ++i) {
    const char* skin = i % 2 == 1 ? "ember.skn" : "default.skn";
    Show(skin);
    ExpectFramesFit(std::string("after change ") + std::to_string(i) + " to " + skin);
    if (i % 10 == 0) {
      // Each control's own switch, off and on, paints it natively and skinned again.
      EnumChildWindows(wnd, SetControlSkinning, 0);
      Pump(50);
      EnumChildWindows(wnd, SetControlSkinning, 1);
      Pump(50);
      SetSkinning(false);
      ExpectFramesFit("skinning off after change " + std::to_string(i));
      SetSkinning(true);
      ExpectFramesFit("skinning on after change " + std::to_string(i));
    }
    if (HasFailure()) break;
  }

  const TGuiObjects after = CountGuiObjects();
  EXPECT_NEAR(after.Gdi, before.Gdi, 5);
  EXPECT_NEAR(after.User, before.User, 5);
}

// The pixels of every control the skin draws, by class name: windowed
// controls that say they are skinned, and the windowless speed buttons.
using TKindPixels = std::map<std::string, std::vector<std::vector<std::uint32_t>>>;

// The screen's pixels, read once: one call per pixel is far too slow.
struct TScreenPixels {
  TScreenPixels() {
    width = GetSystemMetrics(SM_CXSCREEN);
    height = GetSystemMetrics(SM_CYSCREEN);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    pixels.assign(static_cast<const std::uint32_t*>(bits),
                  static_cast<const std::uint32_t*>(bits) + static_cast<std::size_t>(width) * height);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
  }
  std::uint32_t At(int x, int y) const {
    return x < 0 || y < 0 || x >= width || y >= height ? 0 : pixels[static_cast<std::size_t>(y) * width + x];
  }
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

void CollectPixels(TControl* control, const TScreenPixels& screen, TKindPixels& kinds) {
  for (int i = 0; i < control->ControlCount(); ++i) {
    TControl* child = control->Controls(i);
    RECT r{};
    bool drawn = false;
    if (auto* windowed = dynamic_cast<TWinControl*>(child);
        windowed != nullptr && windowed->HandleAllocated()) {
      // Panels and tool bars take the skin's colours without a hook of
      // their own, so they do not answer SKM_ISSKINNED.
      const std::string kind = child->ClassName();
      drawn = IsWindowVisible(windowed->Handle()) &&
              (SendMessageW(windowed->Handle(), SKM_ISSKINNED, 0, 0) == 1 || kind == "TPanel" ||
               kind == "TToolBar");
      GetWindowRect(windowed->Handle(), &r);
      CollectPixels(child, screen, kinds);
    } else if (auto* parent = dynamic_cast<TWinControl*>(control);
               parent != nullptr && child->Visible() && std::string(child->ClassName()) == "TSpeedButton" &&
               IsWindowVisible(parent->Handle())) {
      drawn = true;
      POINT at{child->Left(), child->Top()};
      ClientToScreen(parent->Handle(), &at);
      r = {at.x, at.y, at.x + child->Width(), at.y + child->Height()};
    }
    if (!drawn) continue;
    std::vector<std::uint32_t> pixels;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) pixels.push_back(screen.At(x, y));
    kinds[child->ClassName()].push_back(std::move(pixels));
  }
}

}  // namespace

TEST_F(SkinSwitching, EveryKindOfControlLooksItsSkinsOwnWay) {
  const auto capture = [&] {
    RedrawWindow(wnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(100);
    TKindPixels kinds;
    CollectPixels(gallery, TScreenPixels(), kinds);
    return kinds;
  };
  const TKindPixels slate = capture();
  Show("ember.skn");
  const TKindPixels ember = capture();
  ASSERT_GE(slate.size(), 15u);
  for (const auto& [kind, controls] : slate) {
    ASSERT_EQ(ember.count(kind), 1u) << kind;
    const auto& others = ember.at(kind);
    bool differ = false;
    for (std::size_t i = 0; i < controls.size() && i < others.size(); ++i)
      differ = differ || controls[i] != others[i];
    EXPECT_TRUE(differ) << kind << " looks the same under both skins";
    std::printf("%s ", kind.c_str());
  }
  std::printf("\n");
}
