// Controls stay sound when handlers throw and when they go while messages
// are on their way.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/win/application.h"
#include "framework/win/form.h"
#include "framework/win/label.h"
#include "framework/win/panel.h"
#include "framework/window_proc_hook.h"

namespace {

// Answers the message box that shows an exception, as a user would.
int answered = 0;

BOOL CALLBACK CloseMessageBox(HWND wnd, LPARAM) {
  wchar_t name[16];
  GetClassNameW(wnd, name, 16);
  if (std::wstring(name) != L"#32770" || !IsWindowVisible(wnd)) return TRUE;
  ++answered;
  PostMessageW(wnd, WM_COMMAND, IDOK, 0);
  return FALSE;
}

void CALLBACK AnswerMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  EnumThreadWindows(GetCurrentThreadId(), CloseMessageBox, 0);
}

// A panel that paints itself red, failing while told to.
class TFailingPanel : public TPanel {
 public:
  using TPanel::TPanel;
  bool fail_paint = false;
  bool fail_bounds = false;
  int paints = 0;
  HDC paint_dc = nullptr;
  std::vector<unsigned>* seen = nullptr;

  void SetBounds(int left, int top, int width, int height) override {
    if (fail_bounds) throw Exception("bounds refused");
    TPanel::SetBounds(left, top, width, height);
  }

 protected:
  void PaintWindow(HDC dc) override {
    ++paints;
    paint_dc = dc;
    if (fail_paint) throw Exception("paint failed");
    RECT r;
    GetClientRect(WindowHandle(), &r);
    const UniqueBrush red(CreateSolidBrush(RGB(255, 0, 0)));
    FillRect(dc, &r, red.get());
  }
  void WndProc(TMessage& message) override {
    if (seen != nullptr && (message.Msg == WM_DESTROY || message.Msg == WM_NCDESTROY)) {
      seen->push_back(message.Msg);
    }
    TPanel::WndProc(message);
  }
};

class LifetimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    form = new TForm(&Application());
    form->SetBounds(10, 10, 300, 200);
    panel = new TFailingPanel(form);
    panel->SetParent(form);
    panel->SetBounds(10, 10, 100, 60);
  }
  void TearDown() override {
    if (form != nullptr) form->Free();
  }

  TForm* form = nullptr;
  TFailingPanel* panel = nullptr;
};

COLORREF PixelOf(HWND wnd, int x, int y) {
  const HDC window = GetDC(wnd);
  const HDC memory = CreateCompatibleDC(window);
  const HBITMAP bitmap = CreateCompatibleBitmap(window, 1, 1);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, 1, 1, window, x, y, SRCCOPY);
  const COLORREF pixel = GetPixel(memory, 0, 0);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(wnd, window);
  return pixel;
}

}  // namespace

TEST_F(LifetimeTest, AFailedPaintIsShownAndEndsLikeAnyOther) {
  form->Show();
  Application().ProcessMessages();
  panel->fail_paint = true;
  panel->paints = 0;
  answered = 0;
  InvalidateRect(panel->Handle(), nullptr, TRUE);
  SetTimer(nullptr, 0, 50, AnswerMessageBox);
  UpdateWindow(panel->Handle());
  EXPECT_EQ(answered, 1);
  EXPECT_EQ(WindowFromDC(panel->paint_dc), nullptr) << "the failed paint gave its device context back";
  EXPECT_FALSE(GetUpdateRect(panel->Handle(), nullptr, FALSE));

  panel->fail_paint = false;
  InvalidateRect(panel->Handle(), nullptr, TRUE);
  UpdateWindow(panel->Handle());
  EXPECT_EQ(panel->paints, 2);
  EXPECT_EQ(PixelOf(panel->Handle(), 50, 30), RGB(255, 0, 0));
}

TEST_F(LifetimeTest, AlignmentRunsAgainAfterAChildRefusedItsPlace) {
  panel->SetAlign(TAlign::alClient);
  const int before = panel->Width();
  panel->fail_bounds = true;
  EXPECT_THROW(form->SetBounds(10, 10, 360, 240), Exception);
  EXPECT_EQ(panel->Width(), before);
  panel->fail_bounds = false;
  form->Realign();
  EXPECT_EQ(panel->Width(), form->ClientRect().Width());
  EXPECT_EQ(panel->Height(), form->ClientRect().Height());
  EXPECT_GT(panel->Width(), before);
}

TEST_F(LifetimeTest, AClickThatFailsStillLetsTheMouseGo) {
  auto* label = new TLabel(form);
  label->SetParent(panel);
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 40, 20);
  label->SetOnClick({"", [](TObject*) { throw Exception("click failed"); }});
  answered = 0;
  SetTimer(nullptr, 0, 50, AnswerMessageBox);
  SendMessageW(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 15));
  EXPECT_EQ(GetCapture(), panel->Handle());
  SendMessageW(panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(15, 15));
  EXPECT_EQ(answered, 1);
  EXPECT_EQ(GetCapture(), nullptr);
  int label_moves = 0;
  label->SetOnMouseMove([&](TObject*, TShiftState, int, int) { ++label_moves; });
  SendMessageW(panel->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(80, 50));
  EXPECT_EQ(label_moves, 0) << "the label no longer holds the mouse";
}

TEST_F(LifetimeTest, AReleasedFormGoesAfterEveryHandlerOfTheReleaseReturned) {
  std::vector<std::string> log;
  form->SetOnDestroy({"", [&](TObject*) { log.push_back("destroyed"); }});
  TWindowProcHook hook;
  hook.Hook(*form, [&](TMessage& m) {
    if (m.Msg != CM_RELEASE) return hook.CallSaved(m);
    log.push_back("release");
    hook.CallSaved(m);
    log.push_back(form->ClassName());  // the form is still whole here
  });
  form->Show();
  const HWND wnd = form->Handle();
  form->Release();
  Application().ProcessMessages();
  EXPECT_EQ(log, (std::vector<std::string>{"release", "TForm", "destroyed"}));
  EXPECT_FALSE(IsWindow(wnd));
  EXPECT_FALSE(hook.Hooked());
  form = nullptr;
}

TEST_F(LifetimeTest, AFreedControlsWindowGoesWhileTheWholeControlSeesItsLastMessages) {
  std::vector<unsigned> seen, hooked;
  panel->seen = &seen;
  TWindowProcHook hook;
  hook.Hook(*panel, [&](TMessage& m) {
    if (m.Msg == WM_DESTROY || m.Msg == WM_NCDESTROY) hooked.push_back(m.Msg);
    hook.CallSaved(m);
  });
  const HWND wnd = panel->Handle();  // the form's window comes first, with the panel's
  EXPECT_EQ(GetWindow(form->Handle(), GW_CHILD), wnd);
  EXPECT_EQ(GetWindow(wnd, GW_HWNDNEXT), nullptr) << "one window for the panel";
  delete static_cast<TControl*>(panel);
  const std::vector<unsigned> last{WM_DESTROY, WM_NCDESTROY};
  EXPECT_EQ(seen, last);
  EXPECT_EQ(hooked, last);
  EXPECT_FALSE(IsWindow(wnd));
  EXPECT_FALSE(hook.Hooked());

  // The same when the form frees its controls.
  seen.clear();
  panel = new TFailingPanel(form);
  panel->SetParent(form);
  panel->seen = &seen;
  form->HandleNeeded();
  form->Free();
  form = nullptr;
  EXPECT_EQ(seen, last);
}
