#include <gtest/gtest.h>

#include "framework/win/application.h"
#include "framework/win/button.h"
#include "framework/win/control_link.h"
#include "framework/win/form.h"
#include "framework/win/label.h"
#include "framework/win/panel.h"
#include "framework/win/wide.h"

namespace {

class FrameworkWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    form = new TForm(&Application());
    form->SetBounds(10, 10, 300, 200);
    panel = new TPanel(form);
    panel->SetParent(form);
    button = new TButton(form);
    button->SetParent(panel);
    button->SetBounds(10, 10, 80, 24);
    form->Show();
    Application().ProcessMessages();
  }
  void TearDown() override { form->Free(); }

  TForm* form = nullptr;
  TPanel* panel = nullptr;
  TButton* button = nullptr;
};

// The message boxes answered by AnswerMessageBox.
int message_boxes = 0;

BOOL CALLBACK CloseMessageBox(HWND wnd, LPARAM) {
  wchar_t name[16];
  GetClassNameW(wnd, name, 16);
  if (std::wstring(name) != L"#32770" || !IsWindowVisible(wnd)) return TRUE;
  ++message_boxes;
  PostMessageW(wnd, WM_COMMAND, IDOK, 0);
  return FALSE;
}

void CALLBACK AnswerMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  EnumThreadWindows(GetCurrentThreadId(), CloseMessageBox, 0);
}

}  // namespace

TEST_F(FrameworkWindowTest, WindowLeadsBackToItsControlThroughTheNamedProperty) {
  wchar_t expected[32];
  std::swprintf(expected, 32, L"ControlOfs%.8X%.8X",
                static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(GetModuleHandleW(nullptr))),
                static_cast<unsigned>(GetCurrentThreadId()));
  EXPECT_EQ(ControlPropertyName(), expected);
  EXPECT_EQ(GetPropW(button->Handle(), expected), static_cast<TControl*>(button));
  EXPECT_EQ(ControlOfWindow(button->Handle()), button);
  EXPECT_EQ(ControlOfWindow(nullptr), nullptr);
  const HWND handle = button->Handle();
  delete button;
  EXPECT_FALSE(IsWindow(handle));
}

TEST_F(FrameworkWindowTest, WindowProcCanBeReplacedAndRestored) {
  std::vector<unsigned> seen;
  const TWndMethod saved = button->WindowProc;
  button->WindowProc = [&](TMessage& m) {
    seen.push_back(m.Msg);
    if (m.Msg == WM_USER + 7) {
      m.Result = 42;
      return;
    }
    saved(m);
  };
  EXPECT_EQ(SendMessageW(button->Handle(), WM_USER + 7, 0, 0), 42);
  SetWindowTextW(button->Handle(), L"OK");
  EXPECT_NE(std::find(seen.begin(), seen.end(), WM_SETTEXT), seen.end());
  button->WindowProc = saved;
  seen.clear();
  EXPECT_EQ(SendMessageW(button->Handle(), WM_USER + 7, 0, 0), 0);
  EXPECT_TRUE(seen.empty());
}

TEST_F(FrameworkWindowTest, NotificationsAreReflectedToTheChildThatSentThem) {
  int clicks = 0;
  unsigned reflected = 0;
  button->SetOnClick({"", [&](TObject* sender) { clicks += sender == button; }});
  const TWndMethod saved = button->WindowProc;
  button->WindowProc = [&](TMessage& m) {
    if (m.Msg >= CN_BASE && m.Msg < CN_BASE + 0x400) reflected = m.Msg;
    saved(m);
  };
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(reflected, CN_COMMAND);
  button->WindowProc = saved;
}

TEST_F(FrameworkWindowTest, AnExceptionFromAHandlerIsShownAndTheProgramGoesOn) {
  button->SetOnClick({"", [](TObject*) { throw Exception("Handler failed"); }});
  message_boxes = 0;
  SetTimer(nullptr, 0, 50, AnswerMessageBox);
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(message_boxes, 1);
  EXPECT_TRUE(IsWindow(button->Handle()));
  EXPECT_EQ(SendMessageW(button->Handle(), WM_GETTEXTLENGTH, 0, 0), 0);
}

TEST_F(FrameworkWindowTest, FrameworkMessagesFollowPropertyChanges) {
  std::vector<unsigned> seen;
  const TWndMethod saved = button->WindowProc;
  button->WindowProc = [&](TMessage& m) {
    seen.push_back(m.Msg);
    saved(m);
  };
  button->SetEnabled(false);
  button->SetVisible(false);
  button->SetVisible(true);
  button->SetEnabled(true);
  button->SetFocus();
  auto count = [&](unsigned msg) { return std::count(seen.begin(), seen.end(), msg); };
  EXPECT_EQ(count(CM_ENABLEDCHANGED), 2);
  EXPECT_EQ(count(CM_VISIBLECHANGED), 2);
  EXPECT_EQ(count(CM_ENTER), 1);
  EXPECT_GE(count(CM_FOCUSCHANGED), 1);
  button->WindowProc = saved;
}

TEST_F(FrameworkWindowTest, RecreatingTheWindowKeepsTheControlLinked) {
  const HWND before = button->Handle();
  button->SetWordWrap(true);
  EXPECT_NE(button->Handle(), before);
  EXPECT_FALSE(IsWindow(before));
  EXPECT_TRUE(GetWindowLongW(button->Handle(), GWL_STYLE) & BS_MULTILINE);
  EXPECT_EQ(ControlOfWindow(button->Handle()), button);
  EXPECT_EQ(GetParent(button->Handle()), panel->Handle());
}

TEST_F(FrameworkWindowTest, WindowlessControlsGetTheMouseFromTheirParent) {
  auto* label = new TLabel(form);
  label->SetParent(panel);
  label->SetAutoSize(false);
  label->SetBounds(100, 50, 60, 20);
  int clicks = 0;
  POINT where{};
  const auto saved = label->WindowProc;
  label->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_LBUTTONDOWN)
      where = {static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
    saved(m);
  };
  label->SetOnClick({"", [&](TObject*) { ++clicks; }});
  SendMessageW(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(110, 55));
  SendMessageW(panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(112, 57));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(where.x, 10);
  EXPECT_EQ(where.y, 5);
  POINT outside{5, 5};
  EXPECT_EQ(panel->ControlAtPos(outside), panel);
  EXPECT_EQ(panel->ControlAtPos({101, 51}), label);
}
