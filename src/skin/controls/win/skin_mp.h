#pragma once
// Media players: the skin lays a TWMediaPlayer over the player that draws its
// buttons from the skin and passes presses on; it follows the player's
// bounds and visibility.

#include <memory>

#include "skin/controls/win/skin_control.h"
#include "skin/controls/win/w_media_player.h"

class TSkinMP : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  ~TSkinMP() override;

  void AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color) override;
  void Detach() override;
  void SkinChanged() override;

  TWMediaPlayer* Panel() const { return panel_.get(); }

 protected:
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  std::unique_ptr<TWMediaPlayer> panel_;
};
