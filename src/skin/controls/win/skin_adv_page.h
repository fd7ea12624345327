#pragma once
// Page controls of other component sets that draw their tabs from two
// bitmaps of their own (TabBackGround, TabBackGroundActive): the skin fills
// them with its Tabs faces (normal and selected) and empties them again on
// Detach. The tab scroller inside such a control gets the up-down skin.

#include <memory>

#include "skin/controls/win/skin_control.h"

class TSkinUpDown;

inline constexpr int kAdvTabWidth = 100;
inline constexpr int kAdvTabHeight = 21;

class TSkinAdvPage : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  ~TSkinAdvPage() override;

  void AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color) override;
  void Detach() override;
  void SkinChanged() override;

  TSkinUpDown* UpDown() const { return up_down_.get(); }

 protected:
  // The scroller appears once the tabs overflow: looked for at every paint.
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  void HandOver();
  void FindUpDown();

  std::unique_ptr<TSkinUpDown> up_down_;
};
