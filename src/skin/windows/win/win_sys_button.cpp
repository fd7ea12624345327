#include "skin/windows/win/win_sys_button.h"

#include "skin/windows/win/win_skin_form.h"

TCaptionButtonDef TWinSysButton::Def() const {
  const TDataSkinSysButton& d = *definition_;
  TCaptionButtonDef def;
  def.Action = d.Action;
  def.Align = d.Align;
  def.Xcoord = d.Xcoord;
  def.Ycoord = d.Ycoord;
  def.Visibility = d.Visibility;
  def.Visibility1 = d.Visibility1;
  def.Frames = d.Frame;
  def.ImageWidth = d.Bitmap.Width();
  def.ImageHeight = d.Bitmap.Height();
  return def;
}

void TWinSysButton::Paint() {
  if (IsMenuBarButton()) return Form().PaintMenuBarButton(*this);
  Form().PaintTitle();
}

void TWinSysButton::RunAction(POINT screen_point) {
  Form().RunCaptionAction(*this, screen_point);
}
