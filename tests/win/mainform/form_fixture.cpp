#include "form_fixture.h"

#include "app/win/startup.h"
#include "framework/file_io.h"
#include "framework/win/application.h"
#include "framework/win/wide.h"

namespace {

std::vector<DialogAction>& Answers() {
  static std::vector<DialogAction> answers;
  return answers;
}

BOOL CALLBACK FindDialog(HWND wnd, LPARAM result) {
  wchar_t name[16];
  GetClassNameW(wnd, name, 16);
  if (std::wstring(name) == L"#32770" && IsWindowVisible(wnd)) {
    *reinterpret_cast<HWND*>(result) = wnd;
    return FALSE;
  }
  return TRUE;
}

void CALLBACK AnswerTimer(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
  if (dialog == nullptr || Answers().empty()) return;
  DialogAction action = std::move(Answers().front());
  Answers().erase(Answers().begin());
  if (Answers().empty()) KillTimer(nullptr, timer);
  action(dialog);
}

BOOL CALLBACK CollectText(HWND wnd, LPARAM out) {
  wchar_t name[16];
  GetClassNameW(wnd, name, 16);
  if (std::wstring(name) != L"Static") return TRUE;
  wchar_t text[1024];
  const int n = GetWindowTextW(wnd, text, 1024);
  *reinterpret_cast<std::wstring*>(out) += std::wstring(text, static_cast<std::size_t>(n));
  return TRUE;
}

}  // namespace

void Pump(int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  do {
    Application().ProcessMessages();
    if (ms > 0) Sleep(5);
  } while (static_cast<int>(end - GetTickCount()) > 0);
}

void AnswerDialogs(std::vector<DialogAction> actions) {
  Answers() = std::move(actions);
  SetTimer(nullptr, 0, 50, AnswerTimer);
}

int PendingDialogAnswers() {
  return static_cast<int>(Answers().size());
}

DialogAction ChooseFile(const std::wstring& path) {
  return [path](HWND dialog) {
    SetDlgItemTextW(dialog, 0x47C, path.c_str());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  };
}

DialogAction CancelDialog() {
  return [](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); };
}

DialogAction ReadMessageBox(AnsiString& text) {
  return [&text](HWND dialog) {
    std::wstring collected;
    EnumChildWindows(dialog, CollectText, reinterpret_cast<LPARAM>(&collected));
    text = FromWide(collected);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  };
}

std::wstring TempFile(const wchar_t* name, std::string_view bytes) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  const std::wstring path = std::wstring(dir) + name;
  WriteFileBytes(FromWide(path), bytes);
  return path;
}

void MainFormTest::SetUp() {
  InitializeApplication();
  form = new Tfrmmain(&Application());
  form->Show();
  Pump();
}

void MainFormTest::TearDown() {
  form->Free();
  Pump();
}

void MainFormTest::Press(TButton* button) {
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  Pump();
}

void MainFormTest::LoadFile(const std::wstring& path) {
  AnswerDialogs({ChooseFile(path)});
  Press(form->btn1);
  ASSERT_EQ(PendingDialogAnswers(), 0);
}
