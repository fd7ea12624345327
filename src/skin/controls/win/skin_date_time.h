#pragma once
// A date/time picker keeps its native text and calendar; the skin gives it
// the flat border of an edit and covers the native drop-down button with a
// TArrowButton drawn from ComboxArrow. Detach takes the button away and
// gives the native frame back.

#include "skin/controls/win/skin_control.h"

class TArrowButton;

class TSkinDateTime : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;

  void AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color) override;
  void Detach() override;
  // The picker clips its children, so the button is repainted on its own.
  void SkinChanged() override;

  // The arrow button's face: ComboxArrow frame 4 when hot, else 1, on the
  // face colour, composed and copied once.
  void PaintArrow(HDC dc, const RECT& rect, bool hot) const;
  TArrowButton* ArrowButton() const { return arrow_; }

 protected:
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  // Owned through this object's components; a child control of the picker,
  // so it also goes when the picker is freed first.
  TArrowButton* arrow_ = nullptr;
  // WS_CLIPCHILDREN was added to the picker by the attach.
  bool clip_added_ = false;
};
