// A control skin on real windows: a framework button and a bare BUTTON
// window show the skin, switch back to their native look on request, and are
// given back exactly as they were taken.

#include "skin/controls/win/skin_control.h"
#include "skin/controls/win/property_by_name.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "app/win/main_form.h"
#include "app/win/startup.h"
#include "framework/win/application.h"
#include "framework/win/button.h"
#include "framework/win/form.h"
#include "framework/win/panel.h"
#include "skin/data/image/colour.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/model/skin_elements.h"
#include "skin/data/win/dib_image.h"
#include "skin/data/win/skin_environment_win.h"
#include "skin/windows/skin_messages.h"

namespace {

constexpr unsigned kBreakSkin = WM_USER + 9;

// Fills the whole window with the first frame of the button element; a click
// is forwarded first and drawn over, as a button skin does.
class TFilledSkin : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;

 protected:
  bool BeforeMessage(TMessage& m) override {
    if (m.Msg == CN_COMMAND) {
      CallDefault(m);
      Redraw();
      return false;
    }
    if (m.Msg == kBreakSkin) {
      CallDefault(m);
      throw std::runtime_error("broken skin");
    }
    return TSkinControl::BeforeMessage(m);
  }
  void DrawSkin(HDC dc, const RECT& rect) override {
    const auto& element = *SkinData()->Buttons;
    DrawElementFrame(dc, rect, element.Frame, 1, element);
  }
};

class SkinControlTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitializeApplication(); }

  void SetUp() override {
    main_ = new Tfrmmain(&Application());
    skin_ = ObjectAs<TSkinData>(main_->FindComponent("skndt1"));
    ASSERT_NE(skin_, nullptr);
    ASSERT_TRUE(skin_->Buttons && !skin_->Buttons->Bitmap.Empty());
    form_ = new TForm(&Application());
    form_->SetBounds(40, 40, 260, 160);
    button_ = new TButton(form_);
    button_->SetParent(form_);
    button_->SetBounds(10, 10, 90, 30);
    button_->SetCaption("Count");
    form_->HandleNeeded();
    bare_ = CreateWindowExW(0, L"BUTTON", L"Bare", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 120, 10, 90, 30,
                            form_->Handle(), nullptr, nullptr, nullptr);
    ShowWindow(form_->Handle(), SW_SHOWNOACTIVATE);
    Settle();
  }
  void TearDown() override {
    if (bare_ != nullptr) DestroyWindow(bare_);
    form_->Free();
    main_->Free();
  }

  static void Settle() {
    for (int i = 0; i < 3; ++i) {
      Application().ProcessMessages();
      Sleep(20);
    }
  }
  static void Repaint(HWND wnd) {
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    Settle();
  }
  static TSkinBitmap Capture(HWND wnd) {
    RECT r;
    GetWindowRect(wnd, &r);
    const WindowDC dc(wnd, WindowDC::kWholeWindow);
    return CaptureImage(dc.get(), {0, 0, r.right - r.left, r.bottom - r.top});
  }
  // What the skin paints over a window of that size.
  TSkinBitmap Expected(HWND wnd) const {
    RECT r;
    GetWindowRect(wnd, &r);
    const auto& e = *skin_->Buttons;
    return BuildElementBitmap({0, 0, r.right - r.left, r.bottom - r.top}, e.Bitmap, e.Margins(), 1, e.Frame,
                              e.Tile == 1, false);
  }
  // Every pixel the element does not leave out shows on the window.
  static void ExpectShows(const TSkinBitmap& shown, const TSkinBitmap& expected) {
    ASSERT_EQ(shown.Width(), expected.Width());
    ASSERT_EQ(shown.Height(), expected.Height());
    int differing = 0;
    for (int y = 0; y < expected.Height(); ++y)
      for (int x = 0; x < expected.Width(); ++x)
        if (expected.Pixel(x, y) != clFuchsia && shown.Pixel(x, y) != expected.Pixel(x, y)) ++differing;
    EXPECT_EQ(differing, 0);
  }

  // Skins, switches off and on again, and checks the pixels each time.
  void ExpectSkinnedAndSwitchable(TSkinControl& skin, HWND wnd, const TSkinBitmap& native) {
    Repaint(wnd);
    EXPECT_EQ(SendMessageW(wnd, SKM_ISSKINNED, 0, 0), 1);
    ExpectShows(Capture(wnd), Expected(wnd));
    EXPECT_NE(Capture(wnd), native);

    SendMessageW(wnd, SKM_SKINENABLE, 0, 0);
    EXPECT_FALSE(skin.Active());
    Repaint(wnd);
    EXPECT_EQ(Capture(wnd), native);
    // Switched on again it shows the skin at once, without a repaint asked for.
    SendMessageW(wnd, SKM_SKINENABLE, 1, 0);
    Settle();
    ExpectShows(Capture(wnd), Expected(wnd));
  }

  const TWinSkinEnvironment environment_;
  const TSkinEnvironmentScope scope_{environment_};
  Tfrmmain* main_ = nullptr;
  TSkinData* skin_ = nullptr;
  TForm* form_ = nullptr;
  TButton* button_ = nullptr;
  HWND bare_ = nullptr;
};

TEST_F(SkinControlTest, AFrameworkControlShowsTheSkinSwitchesOffAndIsGivenBackExactly) {
  const HWND wnd = button_->Handle();
  const TSkinBitmap native = Capture(wnd);
  const LONG_PTR procedure = GetWindowLongPtrW(wnd, GWLP_WNDPROC);
  EXPECT_EQ(SendMessageW(wnd, SKM_ISSKINNED, 0, 0), 0);

  // Something in front of the control's handling already: it must stay there.
  int outer_seen = 0;
  int commands = 0;
  int broken = 0;
  bool refuse = false;
  const TWndMethod own = button_->WindowProc;
  button_->WindowProc = [&, own](TMessage& m) {
    if (m.Msg == WM_USER + 7) ++outer_seen;
    if (m.Msg == CN_COMMAND) ++commands;
    if (m.Msg == kBreakSkin) ++broken;
    if (m.Msg == CN_COMMAND && refuse) throw std::logic_error("refused");
    own(m);
  };
  auto* skin = new TFilledSkin(button_);
  skin->AttachControl(nullptr, *skin_, false);
  EXPECT_EQ(skin->SkinState(), TSkinState::ssAttached);
  EXPECT_EQ(GetWindowLongPtrW(wnd, GWLP_WNDPROC), procedure);
  ExpectSkinnedAndSwitchable(*skin, wnd, native);

  // The skin's own failure stays inside it; the application's failure in its
  // own handler reaches the application's boundary as is.
  EXPECT_NO_THROW(button_->Perform(kBreakSkin));
  EXPECT_EQ(broken, 1);
  button_->SetOnClick({"", [](TObject*) { throw std::runtime_error("click failed"); }});
  EXPECT_THROW(button_->Perform(CN_COMMAND, MAKEWPARAM(0, BN_CLICKED), 0), std::runtime_error);
  refuse = true;
  EXPECT_THROW(button_->Perform(CN_COMMAND, MAKEWPARAM(0, BN_CLICKED), 0), std::logic_error);
  refuse = false;
  EXPECT_EQ(commands, 2);
  ExpectShows(Capture(wnd), Expected(wnd));

  skin->Detach();
  EXPECT_EQ(SendMessageW(wnd, SKM_ISSKINNED, 0, 0), 0);
  Repaint(wnd);
  EXPECT_EQ(Capture(wnd), native);
  button_->Perform(WM_USER + 7);
  EXPECT_EQ(outer_seen, 1);
  int clicks = 0;
  button_->SetOnClick({"", [&clicks](TObject*) { ++clicks; }});
  SendMessageW(wnd, BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(GetWindowLongPtrW(wnd, GWLP_WNDPROC), procedure);
}

TEST_F(SkinControlTest, ABareWindowShowsTheSkinAndGetsItsProcedureBack) {
  const TSkinBitmap native = Capture(bare_);
  const LONG_PTR procedure = GetWindowLongPtrW(bare_, GWLP_WNDPROC);
  TFilledSkin skin(nullptr);
  skin.AttachWindow(bare_, *skin_, nullptr);
  EXPECT_NE(GetWindowLongPtrW(bare_, GWLP_WNDPROC), procedure);
  ExpectSkinnedAndSwitchable(skin, bare_, native);

  skin.Detach();
  EXPECT_EQ(GetWindowLongPtrW(bare_, GWLP_WNDPROC), procedure);
  EXPECT_EQ(SendMessageW(bare_, SKM_ISSKINNED, 0, 0), 0);
  Repaint(bare_);
  EXPECT_EQ(Capture(bare_), native);
  // The window still does its own work.
  SetWindowTextW(bare_, L"Again");
  wchar_t text[16] = {};
  GetWindowTextW(bare_, text, 16);
  EXPECT_STREQ(text, L"Again");
}

TEST_F(SkinControlTest, ADestroyedWindowLeavesTheControlUntouchedAndSeesItsLastMessageOnce) {
  int destroyed = 0;
  const TWndMethod own = button_->WindowProc;
  button_->WindowProc = [&destroyed, own](TMessage& m) {
    if (m.Msg == WM_NCDESTROY) ++destroyed;
    own(m);
  };
  button_->SetColor(0x123456);
  TFilledSkin skin(nullptr);
  const HWND wnd = bare_;
  bare_ = nullptr;
  skin.AttachWindow(wnd, *skin_, nullptr);
  DestroyWindow(wnd);
  EXPECT_EQ(skin.SkinState(), TSkinState::ssWindowGone);
  EXPECT_FALSE(skin.Active());

  auto* control_skin = new TFilledSkin(button_);
  control_skin->AttachControl(nullptr, *skin_, true);
  EXPECT_NE(button_->Color(), 0x123456);
  button_->RecreateWnd();
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(control_skin->SkinState(), TSkinState::ssWindowGone);
  // The colour the skin set stays: the control was not touched after its window went.
  EXPECT_EQ(button_->Color(), skin_->Colours[scButtonFace]);
}

TEST_F(SkinControlTest, AColourChangingSkinShowsTheFaceColourWithoutParentBackgroundAndGivesBothBack) {
  TSkinOptions options = skin_->Options();
  options.Exclude(TSkinOption::xoParentBackGround);
  skin_->SetOptions(options);
  auto* panel = new TPanel(form_);
  panel->SetParent(form_);
  panel->SetBounds(10, 60, 90, 40);
  panel->SetColor(0x123456);
  SetPropByName(panel, "ParentBackground", "True");
  ASSERT_EQ(GetEnumPropByName(panel, "ParentBackground"), "True");

  auto* skin = new TFilledSkin(panel);
  skin->AttachControl(nullptr, *skin_, true);
  EXPECT_EQ(GetEnumPropByName(panel, "ParentBackground"), "False");
  EXPECT_EQ(panel->Color(), skin_->Colours[scButtonFace]);
  skin->Detach();
  EXPECT_EQ(GetEnumPropByName(panel, "ParentBackground"), "True");
  EXPECT_EQ(panel->Color(), 0x123456);

  // With the option set, the parent background is left as it is.
  options.Include(TSkinOption::xoParentBackGround);
  skin_->SetOptions(options);
  auto* again = new TFilledSkin(panel);
  again->AttachControl(nullptr, *skin_, true);
  EXPECT_EQ(GetEnumPropByName(panel, "ParentBackground"), "True");
  again->Detach();
}

TEST(PropertyByName, ReadsWhatTheControlPublishesAndNeverRaises) {
  TButton button(nullptr);
  button.SetCaption("\xBC\xC6\xCA\xFD");  // GBK for the word "count"
  button.SetWidth(75);
  EXPECT_EQ(GetTextPropByName(&button, "caption"), L"\u8BA1\u6570");
  EXPECT_EQ(GetOrdPropByName(&button, "Width"), 75);
  EXPECT_EQ(GetEnumPropByName(&button, "Align"), "alNone");
  EXPECT_EQ(GetObjectPropByName<TFont>(&button, "Font"), button.Font());
  // Absent, of another kind, or no object at all.
  EXPECT_EQ(GetOrdPropByName(nullptr, "Width"), -1);
  EXPECT_EQ(GetOrdPropByName(&button, "Caption"), -1);
  EXPECT_EQ(GetOrdPropByName(&button, "Bogus"), -1);
  EXPECT_EQ(GetEnumPropByName(&button, "Width"), "");
  EXPECT_EQ(GetTextPropByName(&button, "Font"), L"");
  EXPECT_EQ(GetObjectPropByName(&button, "Caption"), nullptr);

  SetPropByName(&button, "Width", "120");
  SetPropByName(&button, "Align", "alTop");
  SetPropByName(&button, "Caption", "Go");
  EXPECT_EQ(button.Width(), 120);
  EXPECT_EQ(button.Align(), TAlign::alTop);
  EXPECT_EQ(button.Caption(), "Go");
  // A value the property cannot take, or a property that cannot take text.
  SetPropByName(&button, "Width", "wide");
  SetPropByName(&button, "Align", "alNowhere");
  SetPropByName(&button, "Font", "Arial");
  SetPropByName(&button, "Bogus", "1");
  SetPropByName(nullptr, "Width", "1");
  EXPECT_EQ(button.Width(), 120);
  EXPECT_EQ(button.Align(), TAlign::alTop);
}

}  // namespace
