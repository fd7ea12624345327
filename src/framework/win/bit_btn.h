#pragma once
// Bitmap button: a push button that draws a Glyph (a strip of NumGlyphs
// frames: up, disabled, pressed, down) beside its caption, placed by Layout,
// Margin and Spacing. Kind gives it a standard caption and role.

#include <memory>

#include "framework/button_layout.h"
#include "framework/win/bitmap.h"
#include "framework/win/button.h"

enum class TBitBtnKind {
  bkCustom,
  bkOK,
  bkCancel,
  bkHelp,
  bkYes,
  bkNo,
  bkClose,
  bkAbort,
  bkRetry,
  bkIgnore,
  bkAll
};
extern const TEnumInfo kBitBtnKindInfo;

class TBitBtn : public TButton {
 public:
  explicit TBitBtn(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TBitmap* Glyph() const { return glyph_.get(); }
  int NumGlyphs() const { return num_glyphs_; }
  void SetNumGlyphs(int num_glyphs);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout);
  int Margin() const { return margin_; }
  void SetMargin(int margin);
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);
  TBitBtnKind Kind() const { return kind_; }
  void SetKind(TBitBtnKind kind);

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

 private:
  void CnDrawItem(TMessage& message);

  std::unique_ptr<TBitmap> glyph_ = std::make_unique<TBitmap>();
  int num_glyphs_ = 1;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  TBitBtnKind kind_ = TBitBtnKind::bkCustom;
};
