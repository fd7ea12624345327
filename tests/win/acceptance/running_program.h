#pragma once
// The real program, started as a user starts it and probed from this
// process: its windows found by class and caption, the screen read back.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/win/win_api.h"
#include "skin/data/image/image.h"
#include "skin/data/image/image_rect.h"

class TSkinData;
class TSkinEnvironmentScope;
class TWinSkinEnvironment;
class Tfrmmain;

// The program's own skin, read in this process from its main window's
// description under the skin environment: what the screen is compared with.
class TOwnSkin {
 public:
  TOwnSkin();
  ~TOwnSkin();
  TOwnSkin(const TOwnSkin&) = delete;
  TOwnSkin& operator=(const TOwnSkin&) = delete;

  TSkinData* Skin() const { return skin_; }

 private:
  std::unique_ptr<TWinSkinEnvironment> environment_;
  std::unique_ptr<TSkinEnvironmentScope> scope_;
  Tfrmmain* form_ = nullptr;
  TSkinData* skin_ = nullptr;
};

class TRunningProgram {
 public:
  // Starts `program` from beside this test program with `arguments` and
  // waits until its main window, of class `main_class`, is shown and skinned.
  explicit TRunningProgram(const wchar_t* program = L"lexitally.exe", const wchar_t* main_class = L"Tfrmmain",
                           const std::wstring& arguments = {});
  // Closes it if it still runs, and ends it if it does not go.
  ~TRunningProgram();
  TRunningProgram(const TRunningProgram&) = delete;
  TRunningProgram& operator=(const TRunningProgram&) = delete;

  HWND MainWindow() const { return main_; }
  bool Running() const;
  // The exit code once the process ended within `ms`; STILL_ACTIVE if it did not.
  DWORD WaitForExit(DWORD ms) const;

  // Every window below the main window (at any depth) of class `cls`.
  std::vector<HWND> Children(const wchar_t* cls) const;
  // The first of them with that caption, or null.
  HWND Child(const wchar_t* cls, const wchar_t* caption) const;
  // A visible top-level window of the program of class `cls` other than the
  // main window, or null.
  HWND TopLevel(const wchar_t* cls) const;

  // Texts of a header item and of a list view cell, read through the
  // program's own memory: these messages carry pointers that do not cross
  // processes. Empty when the window does not answer.
  std::wstring HeaderText(HWND header, int item) const;
  std::wstring CellText(HWND list, int row, int column) const;
  // The rectangle a message writes through its lParam (TCM_GETITEMRECT,
  // TBM_GETTHUMBRECT), in the window's client coordinates; empty when it
  // writes none.
  RECT AskForRect(HWND wnd, UINT message, WPARAM wparam) const;

 private:
  // Sends `message` with its record (`size` bytes, at the start of a block
  // in the program) whose text pointer at `text_at` names the block's tail.
  std::wstring AskForText(HWND wnd, UINT message, WPARAM wparam, void* record, size_t size,
                          size_t text_at) const;

  PROCESS_INFORMATION info_{};
  HWND main_ = nullptr;
};

// Polls `done` while handling this process's messages, for up to `ms`: the
// program runs on its own, at whatever speed the machine's load allows.
bool Eventually(const std::function<bool()>& done, int ms = 5000);

TRect ScreenRect(HWND wnd);
POINT CentreOf(HWND wnd);
// The screen's pixels over the whole of `wnd`, frame included.
TSkinBitmap CaptureWindow(HWND wnd);
