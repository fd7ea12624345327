// Push buttons and check boxes under the skin, driven by the real mouse and
// keyboard: the face shown for each state is read back from the screen and
// compared with the skin's own frame drawn at the same size.

#include "skin/controls/win/skin_button.h"
#include "skin/controls/win/skin_check_box.h"

#include <gtest/gtest.h>

#include <functional>

#include "check_box_layout.h"

#include "app/win/main_form.h"
#include "app/win/startup.h"
#include "framework/win/application.h"
#include "framework/win/button.h"
#include "framework/win/check_box.h"
#include "framework/win/form.h"
#include "skin/data/image/colour.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/model/skin_elements.h"
#include "skin/data/win/dib_image.h"
#include "skin/data/win/skin_environment_win.h"
#include "skin/windows/skin_messages.h"

namespace {

void Pump(int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  do {
    Application().ProcessMessages();
    Sleep(5);
  } while (static_cast<int>(end - GetTickCount()) > 0);
}

void MouseTo(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = screen.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = screen.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof(input));
  // Long enough for a mouse-leave, which is noticed by polling.
  Pump(200);
}

void MouseButton(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof(input));
  Pump(80);
}

void Key(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof(input));
  Pump(80);
}

POINT CentreOf(HWND wnd) {
  RECT r;
  GetWindowRect(wnd, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class SkinButtonTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitializeApplication(); }

  void SetUp() override {
    main_ = new Tfrmmain(&Application());
    skin_ = ObjectAs<TSkinData>(main_->FindComponent("skndt1"));
    ASSERT_NE(skin_, nullptr);
    ASSERT_TRUE(skin_->Buttons && !skin_->Buttons->Bitmap.Empty() && !skin_->Buttons->CheckBitmap.Empty());
    TSkinOptions options = skin_->Options();
    options.Include(TSkinOption::xoNoFocusRect);
    options.Exclude(TSkinOption::xoTransparent);
    skin_->SetOptions(options);

    form_ = new TForm(&Application());
    form_->SetBounds(60, 60, 360, 200);
    button_ = new TButton(form_);
    button_->SetParent(form_);
    button_->SetBounds(10, 10, 90, 30);
    check_ = new TCheckBox(form_);
    check_->SetParent(form_);
    check_->SetBounds(10, 60, 120, 24);
    check_->SetCaption("Sorted");
    form_->HandleNeeded();
    bare_ = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 120, 10, 90, 30,
                            form_->Handle(), reinterpret_cast<HMENU>(kBareId), nullptr, nullptr);
    bare_check_ = CreateWindowExW(0, L"BUTTON", L"Ignore case", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 150,
                                  60, 120, 24, form_->Handle(), nullptr, nullptr, nullptr);
    // Somewhere for the focus and the mouse to be that is none of the controls under test.
    elsewhere_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 10, 120, 90, 24, form_->Handle(),
                                 nullptr, nullptr, nullptr);
    const TWndMethod own = form_->WindowProc;
    form_->WindowProc = [this, own](TMessage& m) {
      if (m.Msg == WM_COMMAND && reinterpret_cast<HWND>(m.LParam) == bare_ &&
          HIWORD(m.WParam) == BN_CLICKED && LOWORD(m.WParam) == kBareId)
        ++bare_clicks_;
      own(m);
    };
    button_->SetOnClick({"", [this](TObject*) { ++clicks_; }});
    ShowWindow(form_->Handle(), SW_SHOW);
    SetForegroundWindow(form_->Handle());
    Rest();
  }
  void TearDown() override {
    form_->Free();
    main_->Free();
  }

  // Focus and mouse on neither control under test.
  void Rest() {
    SetFocus(elsewhere_);
    MouseTo(CentreOf(elsewhere_));
  }

  static void Repaint(HWND wnd) {
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    Pump(40);
  }
  static TSkinBitmap Capture(HWND wnd) {
    RECT r;
    GetWindowRect(wnd, &r);
    const WindowDC dc(wnd, WindowDC::kWholeWindow);
    return CaptureImage(dc.get(), {0, 0, r.right - r.left, r.bottom - r.top});
  }
  TColor Face() const {
    return environment_.SystemColours().Resolve(skin_->Colours[scButtonFace]) & 0xFFFFFF;
  }
  // The face a button of that window's size shows for `frame`, on the face colour.
  TSkinBitmap ExpectedFace(HWND wnd, int frame) const {
    RECT r;
    GetWindowRect(wnd, &r);
    TSkinBitmap face(r.right - r.left, r.bottom - r.top, Face());
    const auto& e = *skin_->Buttons;
    DrawSkinElement(face, face.BoundsRect(), e.Bitmap, e.Margins(), frame, e.Frame, e.Trans == 1, e.Tile == 1,
                    false);
    return face;
  }
  // Which face of the Buttons element the window shows; 0 for none of them.
  int ShownFace(HWND wnd) const {
    const TSkinBitmap shown = Capture(wnd);
    for (int frame = 1; frame <= skin_->Buttons->Frame; ++frame)
      if (shown == ExpectedFace(wnd, frame)) return frame;
    return 0;
  }
  // The face once `expected` shows or a second passed: the system notices
  // the mouse leaving a window only every few hundred milliseconds.
  int SettledFace(HWND wnd, int expected) const {
    for (int i = 0; i < 50 && ShownFace(wnd) != expected; ++i) Pump(20);
    return ShownFace(wnd);
  }
  // Whether the box of a check box window shows strip frame `frame`.
  bool ShowsBox(HWND wnd, int frame) const {
    const auto& e = *skin_->Buttons;
    const int count = e.CheckButtonFrame;
    const TSkinBitmap shown = Capture(wnd);
    const TRect box =
        CheckBoxPlace(shown.BoundsRect(), e.CheckBitmap.Width() / count, e.CheckBitmap.Height());
    TSkinBitmap expected(shown.Width(), shown.Height(), Face());
    DrawElementStretched(expected, box, e.CheckBitmap, frame, count, true);
    for (int y = box.Top; y < box.Bottom; ++y)
      for (int x = box.Left; x < box.Right; ++x)
        if (shown.Pixel(x, y) != expected.Pixel(x, y)) return false;
    return true;
  }
  int CheckedFrame() const { return CheckedBoxFrame(skin_->Buttons->CheckButtonFrame); }

  // The button's face through a whole mouse and keyboard round; `clicks`
  // counts the clicks the button made.
  void ExpectFacesFollowInput(HWND wnd, const std::function<int()>& clicks) {
    Repaint(wnd);
    EXPECT_EQ(ShownFace(wnd), 1) << "normal";
    MouseTo(CentreOf(wnd));
    EXPECT_EQ(ShownFace(wnd), 4) << "hot";
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(ShownFace(wnd), 2) << "pressed";
    EXPECT_EQ(GetFocus(), wnd);
    EXPECT_EQ(clicks(), 0);
    MouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(clicks(), 1);
    EXPECT_EQ(ShownFace(wnd), 4) << "hot after the click";

    // Pressed, moved off and released elsewhere: no click.
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    MouseTo(CentreOf(elsewhere_));
    EXPECT_EQ(SettledFace(wnd, 5), 5) << "focused once the mouse left";
    MouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(clicks(), 1);

    // Space presses the face and clicks on its release, as the mouse does.
    SetFocus(wnd);
    Key(VK_SPACE, false);
    EXPECT_EQ(ShownFace(wnd), 2) << "pressed by space";
    Key(VK_SPACE, true);
    EXPECT_EQ(ShownFace(wnd), 5) << "focused after space";
    EXPECT_EQ(clicks(), 2);
    Rest();
  }

  // Native while switched off, skinned again at once when switched on.
  void ExpectSwitchable(HWND wnd, const TSkinBitmap& native, const std::function<bool()>& skinned) {
    SendMessageW(wnd, SKM_SKINENABLE, 0, 0);
    Repaint(wnd);
    EXPECT_EQ(Capture(wnd), native);
    SendMessageW(wnd, SKM_SKINENABLE, 1, 0);
    Pump(40);
    EXPECT_TRUE(skinned());
  }

  static constexpr int kBareId = 1234;
  const TWinSkinEnvironment environment_;
  const TSkinEnvironmentScope scope_{environment_};
  Tfrmmain* main_ = nullptr;
  TSkinData* skin_ = nullptr;
  TForm* form_ = nullptr;
  TButton* button_ = nullptr;
  TCheckBox* check_ = nullptr;
  HWND bare_ = nullptr;
  HWND bare_check_ = nullptr;
  HWND elsewhere_ = nullptr;
  int clicks_ = 0;
  int bare_clicks_ = 0;
};

TEST_F(SkinButtonTest, AFrameworkButtonShowsEachStateAndClicksOnlyOnAReleaseOverIt) {
  const HWND wnd = button_->Handle();
  Repaint(wnd);
  const TSkinBitmap native = Capture(wnd);
  auto* skin = new TSkinButton(button_);
  skin->AttachControl(nullptr, *skin_, false);
  ExpectFacesFollowInput(wnd, [this] { return clicks_; });
  EXPECT_EQ(bare_clicks_, 0);
  ExpectSwitchable(wnd, native, [&] { return ShownFace(wnd) == 1; });

  skin->Detach();
  Repaint(wnd);
  EXPECT_EQ(Capture(wnd), native);
  SendMessageW(wnd, BM_CLICK, 0, 0);
  Pump(40);
  EXPECT_EQ(clicks_, 3);
}

TEST_F(SkinButtonTest, ABareButtonShowsEachStateAndTellsItsParentOfEachClick) {
  Repaint(bare_);
  const TSkinBitmap native = Capture(bare_);
  const LONG_PTR procedure = GetWindowLongPtrW(bare_, GWLP_WNDPROC);
  TSkinButton skin(nullptr);
  skin.AttachWindow(bare_, *skin_, nullptr);
  ExpectFacesFollowInput(bare_, [this] { return bare_clicks_; });
  EXPECT_EQ(clicks_, 0);
  ExpectSwitchable(bare_, native, [&] { return ShownFace(bare_) == 1; });

  skin.Detach();
  EXPECT_EQ(GetWindowLongPtrW(bare_, GWLP_WNDPROC), procedure);
  Repaint(bare_);
  EXPECT_EQ(Capture(bare_), native);
}

TEST_F(SkinButtonTest, ADefaultButtonShowsTheFocusedFaceAndADisabledOneItsDisabledFaceWhateverTheMouseDoes) {
  button_->SetDefault(true);
  auto* skin = new TSkinButton(button_);
  skin->AttachControl(nullptr, *skin_, false);
  const HWND wnd = button_->Handle();
  Repaint(wnd);
  EXPECT_EQ(ShownFace(wnd), 5);

  button_->SetEnabled(false);
  MouseTo(CentreOf(wnd));
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  EXPECT_EQ(ShownFace(wnd), 3);
  MouseButton(MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(clicks_, 0);

  // A dialog's button is default by its style, which the dialog manager moves.
  TSkinButton bare(nullptr);
  bare.AttachWindow(bare_, *skin_, nullptr);
  Rest();
  SendMessageW(bare_, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  Pump(40);
  EXPECT_EQ(ShownFace(bare_), 5);
  SendMessageW(bare_, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  Pump(40);
  EXPECT_EQ(ShownFace(bare_), 1);
  bare.Detach();
}

TEST_F(SkinButtonTest, ASkinWithoutButtonFacesLeavesTheButtonItsOwnLookAndClick) {
  const HWND wnd = button_->Handle();
  Repaint(wnd);
  const TSkinBitmap native = Capture(wnd);
  MouseTo(CentreOf(wnd));
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  const TSkinBitmap native_pressed = Capture(wnd);
  MouseButton(MOUSEEVENTF_LEFTUP);
  Rest();
  ASSERT_EQ(clicks_, 1);

  skin_->Buttons->Bitmap = TSkinBitmap();
  auto* skin = new TSkinButton(button_);
  skin->AttachControl(nullptr, *skin_, false);
  Repaint(wnd);
  EXPECT_EQ(Capture(wnd), native);
  MouseTo(CentreOf(wnd));
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  EXPECT_EQ(Capture(wnd), native_pressed);
  MouseButton(MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(clicks_, 2);
}

TEST_F(SkinButtonTest, TheCaptionTakesTheSkinsColourForTheFaceItIsOn) {
  auto* skin = new TSkinButton(button_);
  skin->AttachControl(nullptr, *skin_, false);
  button_->SetCaption("Count");
  const HWND wnd = button_->Handle();
  const auto& colours = environment_.SystemColours();
  const TColor normal = colours.Resolve(skin_->Buttons->NormalColour2);
  const TColor hot = colours.Resolve(skin_->Buttons->MouseOverColour2);
  ASSERT_NE(normal, hot);
  // The pixels where the caption covers the face, by colour.
  const auto caption_shows = [&](int frame, TColor colour) {
    const TSkinBitmap shown = Capture(wnd);
    const TSkinBitmap face = ExpectedFace(wnd, frame);
    int in_colour = 0;
    for (int y = 0; y < face.Height(); ++y)
      for (int x = 0; x < face.Width(); ++x)
        if (shown.Pixel(x, y) != face.Pixel(x, y) && shown.Pixel(x, y) == colour) ++in_colour;
    return in_colour;
  };
  Repaint(wnd);
  EXPECT_GT(caption_shows(1, normal), 0);
  MouseTo(CentreOf(wnd));
  EXPECT_GT(caption_shows(4, hot), 0);
  EXPECT_EQ(caption_shows(4, normal), 0);
}

TEST_F(SkinButtonTest, AClickedCheckBoxTogglesAndShowsItsNewState) {
  for (const HWND wnd : {check_->Handle(), bare_check_}) {
    SCOPED_TRACE(wnd == bare_check_ ? "bare window" : "framework control");
    Repaint(wnd);
    const TSkinBitmap native = Capture(wnd);
    const LONG_PTR procedure = GetWindowLongPtrW(wnd, GWLP_WNDPROC);
    auto* skin = new TSkinCheckBox(wnd == bare_check_ ? static_cast<TComponent*>(form_) : check_);
    if (wnd == bare_check_)
      skin->AttachWindow(wnd, *skin_, nullptr);
    else
      skin->AttachControl(nullptr, *skin_, false);
    Repaint(wnd);
    EXPECT_TRUE(ShowsBox(wnd, 1));

    MouseTo(CentreOf(wnd));
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    MouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(SendMessageW(wnd, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(ShowsBox(wnd, CheckedFrame()));
    Rest();
    EXPECT_TRUE(ShowsBox(wnd, CheckedFrame()));
    // Changed by the program, shown at once as well.
    if (wnd == bare_check_)
      SendMessageW(wnd, BM_SETCHECK, BST_UNCHECKED, 0);
    else
      check_->SetChecked(false);
    Pump(40);
    EXPECT_TRUE(ShowsBox(wnd, 1));

    SendMessageW(wnd, SKM_SKINENABLE, 0, 0);
    Repaint(wnd);
    EXPECT_EQ(Capture(wnd), native);
    SendMessageW(wnd, SKM_SKINENABLE, 1, 0);
    Pump(40);
    EXPECT_TRUE(ShowsBox(wnd, 1));
    skin->Detach();
    EXPECT_EQ(GetWindowLongPtrW(wnd, GWLP_WNDPROC), procedure);
    Repaint(wnd);
    EXPECT_EQ(Capture(wnd), native);
  }
}

}  // namespace
