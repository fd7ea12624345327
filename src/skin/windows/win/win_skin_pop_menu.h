#pragma once
// TWinSkinPopMenu: the skin of one popup-menu window ("#32768"). The window
// gets the skin's menu background as its frame and behind its items, which
// the menu draws (owner-drawn items draw over it).

#include "framework/win/win_api.h"

#include "skin/data/image/image.h"
#include "skin/windows/win/win_subclass.h"

class TSkinData;

class TWinSkinPopMenu {
 public:
  TWinSkinPopMenu() = default;
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;
  ~TWinSkinPopMenu() { Detach(); }

  void Attach(HWND window, TSkinData& data);
  void Detach();

  HWND Window() const { return window_; }
  TSkinData* SkinData() const { return data_; }
  // The menu shown in the window; null until its first item is drawn.
  HMENU Menu() const { return menu_; }
  void SetMenu(HMENU menu) { menu_ = menu; }
  // The skin background at the window's size, as last composed.
  const TSkinBitmap& Background() const { return background_; }

 private:
  void WndProc(TMessage& m);
  void ComposeBackground();
  void WmNcPaint(TMessage& m);
  void WmPrint(TMessage& m);

  HWND window_ = nullptr;
  TSkinData* data_ = nullptr;
  HMENU menu_ = nullptr;
  TSkinBitmap background_;
  TWindowHook hook_;
};
