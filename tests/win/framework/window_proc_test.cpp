#include <gtest/gtest.h>

#include <vector>

#include "framework/win/application.h"
#include "framework/win/button.h"
#include "framework/win/control_link.h"
#include "framework/win/edit.h"
#include "framework/win/form.h"
#include "framework/win/label.h"
#include "framework/win/memo.h"
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

  // A control of the form, placed in `parent`.
  template <class T>
  T* Add(TWinControl* parent, int left, int top, int width, int height) {
    T* control = new T(form);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
  }
  // A key as the message loop delivers it to the control.
  static void PressKey(TWinControl* control, WPARAM vk) {
    PostMessageW(control->Handle(), WM_KEYDOWN, vk, 0);
    Application().ProcessMessages();
  }

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

TEST_F(FrameworkWindowTest, MouseEventsCarryButtonShiftStateAndClientPoint) {
  struct Press {
    TObject* sender;
    TMouseButton button;
    TShiftState shift;
    int x, y;
  };
  std::vector<Press> downs, ups;
  auto record = [](std::vector<Press>& into) {
    return [&into](TObject* sender, TMouseButton b, TShiftState s, int x, int y) {
      into.push_back({sender, b, s, x, y});
    };
  };
  button->SetOnMouseDown(record(downs));
  button->SetOnMouseUp(record(ups));
  SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(5, 6));
  SendMessageW(button->Handle(), WM_LBUTTONUP, MK_SHIFT, MAKELPARAM(7, 8));
  SendMessageW(button->Handle(), WM_RBUTTONDBLCLK, MK_RBUTTON | MK_CONTROL, MAKELPARAM(1, 2));
  ASSERT_EQ(downs.size(), 2u);
  EXPECT_EQ(downs[0].sender, button);
  EXPECT_EQ(downs[0].button, TMouseButton::mbLeft);
  EXPECT_EQ(downs[0].shift, (TShiftState{TShiftStateFlag::ssShift, TShiftStateFlag::ssLeft}));
  EXPECT_EQ(downs[0].x, 5);
  EXPECT_EQ(downs[0].y, 6);
  EXPECT_EQ(downs[1].button, TMouseButton::mbRight);
  EXPECT_EQ(downs[1].shift,
            (TShiftState{TShiftStateFlag::ssCtrl, TShiftStateFlag::ssRight, TShiftStateFlag::ssDouble}));
  ASSERT_EQ(ups.size(), 1u);
  EXPECT_EQ(ups[0].shift, TShiftState{TShiftStateFlag::ssShift});
  EXPECT_EQ(ups[0].x, 7);

  // A windowless control gets its events through its parent, in its own
  // coordinates.
  auto* label = new TLabel(form);
  label->SetParent(panel);
  label->SetAutoSize(false);
  label->SetBounds(100, 50, 60, 20);
  label->SetOnMouseDown(record(downs));
  SendMessageW(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(110, 55));
  SendMessageW(panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(110, 55));
  ASSERT_EQ(downs.size(), 3u);
  EXPECT_EQ(downs[2].sender, label);
  EXPECT_EQ(downs[2].x, 10);
  EXPECT_EQ(downs[2].y, 5);
}

TEST_F(FrameworkWindowTest, TabOrderStaysZeroBasedAsControlsMoveComeAndGo) {
  auto* second = new TButton(form);
  second->SetParent(panel);
  auto* third = new TButton(form);
  third->SetParent(panel);
  auto order = [&] {
    std::vector<int> orders;
    for (TWinControl* c : {button, second, third}) orders.push_back(c->TabOrder());
    return orders;
  };
  EXPECT_EQ(order(), (std::vector<int>{0, 1, 2}));
  third->SetTabOrder(0);
  EXPECT_EQ(order(), (std::vector<int>{1, 2, 0}));
  button->SetTabOrder(99);
  EXPECT_EQ(order(), (std::vector<int>{2, 1, 0}));
  EXPECT_EQ(panel->TabSiblings(), (std::vector<TWinControl*>{third, second, button}));
  second->SetParent(form);
  EXPECT_EQ(third->TabOrder(), 0);
  EXPECT_EQ(button->TabOrder(), 1);
  EXPECT_EQ(second->TabOrder(), 1);  // after the panel among the form's children
  EXPECT_EQ(form->TabOrderList(), (std::vector<TWinControl*>{panel, third, button, second}));
}

TEST_F(FrameworkWindowTest, ArrowKeysMoveTheFocusAmongSiblingsUnlessTheControlWantsThem) {
  auto* second = Add<TButton>(panel, 100, 10, 80, 24);
  auto* memo = Add<TMemo>(form, 10, 100, 100, 50);
  Application().ProcessMessages();
  button->SetFocus();
  PressKey(button, VK_RIGHT);
  EXPECT_TRUE(second->Focused());
  PressKey(second, VK_DOWN);  // round to the first
  EXPECT_TRUE(button->Focused());
  PressKey(button, VK_UP);
  EXPECT_TRUE(second->Focused());
  memo->SetFocus();
  PressKey(memo, VK_DOWN);
  EXPECT_TRUE(memo->Focused());
}

TEST_F(FrameworkWindowTest, CloseAsksOnCloseQueryThenDoesWhatOnCloseSays) {
  int queries = 0;
  bool allow = false;
  TCloseAction chosen = TCloseAction::caNone;
  TCloseAction offered = TCloseAction::caFree;
  form->SetOnCloseQuery([&](TObject*, bool& can_close) {
    ++queries;
    can_close = allow;
  });
  form->SetOnClose([&](TObject*, TCloseAction& action) {
    offered = action;
    action = chosen;
  });
  SendMessageW(form->Handle(), WM_CLOSE, 0, 0);  // the close button's way
  EXPECT_EQ(queries, 1);
  EXPECT_EQ(offered, TCloseAction::caFree);  // not yet asked
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  allow = true;
  form->Close();
  EXPECT_EQ(offered, TCloseAction::caHide);  // not the main form
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  chosen = TCloseAction::caHide;
  form->Close();
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  EXPECT_EQ(queries, 3);
}

TEST_F(FrameworkWindowTest, EnterPressesTheFocusedOrDefaultButtonAndEscapeTheCancelOne) {
  button->SetDefault(true);
  auto* cancel = Add<TButton>(panel, 100, 10, 80, 24);
  cancel->SetCancel(true);
  auto* edit = Add<TEdit>(panel, 10, 50, 80, 20);
  auto* memo = Add<TMemo>(panel, 100, 50, 80, 60);
  std::vector<TObject*> clicked;
  for (TButton* b : {button, cancel})
    b->SetOnClick({"", [&](TObject* sender) { clicked.push_back(sender); }});
  Application().ProcessMessages();
  auto key = [](TWinControl* control, WPARAM vk) {
    control->SetFocus();
    PressKey(control, vk);
  };
  key(edit, VK_RETURN);
  key(edit, VK_ESCAPE);
  key(cancel, VK_RETURN);  // the focused button, not the default one
  int memo_keys = 0;
  const TWndMethod saved = memo->WindowProc;
  memo->WindowProc = [&](TMessage& m) {
    memo_keys += m.Msg == WM_KEYDOWN;
    saved(m);
  };
  key(memo, VK_RETURN);  // the memo's own: a new line
  memo->WindowProc = saved;
  EXPECT_EQ(clicked, (std::vector<TObject*>{button, cancel, cancel}));
  EXPECT_EQ(memo_keys, 1);
}
