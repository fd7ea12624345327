#pragma once
// The share of a skin component that only the running window system can
// make; the installed skin environment supplies it.

#include "framework/text.h"
#include "skin/data/image/image_rect.h"

class TSkinData;

// The caption font, the face brush, the application icon, the menu glyphs
// and the caption-button hint window.
class TSkinDataSystemPart {
 public:
  virtual ~TSkinDataSystemPart() = default;
  // After a skin was read: the face brush follows the face colour.
  virtual void SkinRead(const TSkinData& data) = 0;
  // Once the form is read: the caption font and the application icon.
  virtual void Loaded(const TSkinData& data) = 0;
  virtual void ShowHint(const TRect& rect, const AnsiString& text) = 0;
  virtual void HideHint() = 0;
};
