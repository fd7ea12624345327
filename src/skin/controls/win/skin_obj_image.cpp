#include "skin/controls/win/skin_obj_image.h"

#include <algorithm>
#include <string>

#include "framework/win/bitmap.h"
#include "framework/win/win_control.h"
#include "skin/controls/glyph_strip_geometry.h"
#include "skin/controls/skin_mapping.h"
#include "skin/controls/win/property_by_name.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/dib_image.h"

namespace {

constexpr int kTransparentKey = 0xFF00FF;

}  // namespace

TSkinObjImage::TSkinObjImage(TComponent* owner, int variant) : TSkinControl(owner), mode_(variant) {}

TBitmap* TSkinObjImage::GlyphTarget() const {
  if (mode_ == kObjImageCxCheckBox)
    return GetObjectPropByName<TBitmap>(GetObjectPropByName(Control(), "Properties"), "Glyph");
  return GetObjectPropByName<TBitmap>(Control(), "CustomGlyphs");
}

TSkinBitmap TSkinObjImage::BuildStrip() const {
  const TDataSkinButton* buttons = SkinData() != nullptr ? SkinData()->Buttons.get() : nullptr;
  if (buttons == nullptr) return {};
  const bool radio = mode_ == kObjImageRadio;
  const TSkinBitmap& source = radio ? buttons->RadioBitmap : buttons->CheckBitmap;
  const int count = std::max(radio ? buttons->RadioButtonFrame : buttons->CheckButtonFrame, 1);
  if (source.Empty()) return {};
  const TRect frame = FrameRect(source, 1, count, false);
  if (frame.Width() <= 0 || frame.Height() <= 0) return {};
  const auto sources = radio ? RadioGlyphSources(count) : CheckGlyphSources(count);
  TSkinBitmap strip(frame.Width() * kGlyphStripFrames, frame.Height(), static_cast<TColor>(kTransparentKey));
  for (int slot = 0; slot < kGlyphStripFrames; ++slot) {
    const TRect place{slot * frame.Width(), 0, (slot + 1) * frame.Width(), frame.Height()};
    DrawElementStretched(strip, place, source, sources[static_cast<std::size_t>(slot)], count, false);
  }
  return strip;
}

void TSkinObjImage::HandOver() {
  TBitmap* glyphs = GlyphTarget();
  const TSkinBitmap strip = BuildStrip();
  if (glyphs == nullptr || strip.Empty()) return;
  glyphs->SetHandle(ImageToBitmap(strip));
  if (mode_ != kObjImageCxCheckBox) {
    SetPropByName(Control(), "TransparentColor", std::to_string(kTransparentKey));
    SetPropByName(Control(), "UseCustomGlyphs", "True");
  }
  Redraw();
}

void TSkinObjImage::AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color) {
  TSkinControl::AttachControl(form, data, change_color);
  if (SkinState() == TSkinState::ssAttached) HandOver();
}

void TSkinObjImage::SkinChanged() {
  if (SkinState() == TSkinState::ssAttached) HandOver();
  TSkinControl::SkinChanged();
}

void TSkinObjImage::Detach() {
  const bool give_back = SkinState() == TSkinState::ssAttached;
  TSkinControl::Detach();
  if (!give_back) return;
  if (mode_ == kObjImageCxCheckBox) {
    if (TBitmap* glyphs = GlyphTarget()) glyphs->SetHandle(UniqueBitmap(nullptr));
  } else {
    SetPropByName(Control(), "UseCustomGlyphs", "False");
  }
  Redraw();
}
