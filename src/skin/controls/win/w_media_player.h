#pragma once
// TWMediaPlayer: a window laid over a media player, as its sibling directly
// above it, that draws the player's buttons from the skin's Buttons faces
// and hands presses on to the player. The player's VisibleButtons,
// EnabledButtons and ColoredButtons are read at every paint.

#include "framework/win/win_api.h"

#include <optional>
#include <vector>

#include "framework/win/gdi.h"
#include "skin/controls/media_player_geometry.h"
#include "skin/controls/win/skin_window.h"

class TSkinControl;
class TWinControl;

class TWMediaPlayer {
 public:
  // The owner supplies the skin; it and the player outlive the window.
  TWMediaPlayer(const TSkinControl& owner, TWinControl& player);
  ~TWMediaPlayer();
  TWMediaPlayer(const TWMediaPlayer&) = delete;
  TWMediaPlayer& operator=(const TWMediaPlayer&) = delete;

  // Over the player with its bounds while it is visible, else hidden.
  void Place();
  void Hide();
  void Invalidate() const;

  HWND Handle() const { return window_.get(); }
  std::optional<int> Pressed() const { return pressed_; }

 private:
  friend LRESULT CALLBACK SkinWindowProcedure<TWMediaPlayer>(HWND, UINT, WPARAM, LPARAM);
  LRESULT WndProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);
  void WindowGone();
  std::vector<TMediaButtonFace> Faces() const;
  void Paint(HDC dc) const;
  void ButtonDown(WPARAM wparam, LPARAM lparam);
  void ButtonUp(WPARAM wparam, LPARAM lparam);

  const TSkinControl& owner_;
  TWinControl& player_;
  UniqueWindow window_;
  std::optional<int> pressed_;
};
