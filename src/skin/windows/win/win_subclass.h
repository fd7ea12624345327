#pragma once
// How a skin object takes over a window's messages and gives the window back:
// the window procedure is replaced by the engine's own, which finds the
// object through a window property and hands it each message as a message
// record; whatever the object does not take it forwards to the procedure it
// replaced. Unhooking restores exactly the procedure that was read.
//
// Also the small services every skin object shares: the window's text as a
// wide text, the pop-up-window test and the check glyph's size.

#include "framework/win/win_api.h"

#include <functional>
#include <string>

#include "framework/messages.h"

class TWindowHook {
 public:
  using THandler = std::function<void(TMessage&)>;

  TWindowHook() = default;
  TWindowHook(const TWindowHook&) = delete;
  TWindowHook& operator=(const TWindowHook&) = delete;
  ~TWindowHook() { Unhook(); }

  // Makes `handler` the window's procedure. A Unicode window is hooked with
  // the W calls unless `ansi` asks for the A ones (popup menus, MDI clients).
  // False when the window is gone or another skin object already owns it.
  bool Hook(HWND window, THandler handler, bool ansi = false);
  // Puts the saved procedure back. The record keeps the saved procedure, so
  // a handler that unhooks while it runs can still forward the message.
  void Unhook();
  bool Hooked() const { return hooked_; }
  HWND Window() const { return window_; }
  bool Unicode() const { return unicode_; }
  // The procedure as it was read before hooking (through W or A, as hooked).
  LONG_PTR SavedProcedure() const { return saved_; }

  // Hands the message to the saved procedure and stores its answer.
  void CallSaved(TMessage& message) const;

 private:
  static LRESULT CALLBACK ProcedureW(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK ProcedureA(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);
  static LRESULT Dispatch(HWND window, UINT msg, WPARAM wparam, LPARAM lparam, bool unicode);

  HWND window_ = nullptr;
  THandler handler_;
  LONG_PTR saved_ = 0;
  bool unicode_ = false;
  bool hooked_ = false;
};

// The window's text; empty for an empty caption.
std::wstring ReadWindowText(HWND window);
// A pop-up window (WS_POPUP), or one whose parent handle is the desktop's
// 0x10014 (a combo box's drop-down list).
bool IsPopupWindow(HWND window);
// One glyph of the system's check-box bitmap: a quarter of its width, a third
// of its height.
SIZE CheckGlyphSize();
// Whether a window answers the engine's "skinned?" question with 1.
bool IsWindowSkinned(HWND window);
