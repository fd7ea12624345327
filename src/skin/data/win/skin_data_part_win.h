#pragma once
// The Windows share of a skin component: the caption font, the face brush,
// the application's small icon, the system menu's glyphs and the window that
// shows caption-button hints. The system's skin environment creates one for
// every skin component; WinPart finds it again.

#include "framework/win/win_api.h"

#include <memory>

#include "framework/win/gdi.h"
#include "skin/data/image/image.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/menu_glyphs.h"
#include "skin/data/win/optional_user_functions.h"

class THintWindow;

class TWinSkinDataPart final : public TSkinDataSystemPart {
 public:
  // Hint texts are laid out no wider than this.
  static constexpr int kHintMaxWidth = 500;

  // `functions` must outlive the part (the environment owns them).
  explicit TWinSkinDataPart(const TOptionalUserFunctions& functions);
  ~TWinSkinDataPart() override;

  void SkinRead(const TSkinData& data) override;
  void Loaded(const TSkinData& data) override;
  void ShowHint(const TRect& rect, const AnsiString& text) override;
  void HideHint() override;

  // The system's caption font once the form is read; a default font before,
  // or when the system does not tell.
  HFONT CaptionFont() const { return caption_font_.get(); }
  // A solid brush of the skin's face colour.
  HBRUSH FaceBrush() const { return face_brush_.get(); }
  // The application's small icon on fuchsia (the main form's icon, else the
  // system's default application icon), made on first need: the form has no
  // window yet when it is read. Empty until the main form's component is
  // loaded and its form has a window. AppIconTransparent says that fuchsia
  // is to be left out when it is drawn.
  const TSkinBitmap& AppIcon() const;
  bool AppIconTransparent() const { return app_icon_transparent_; }
  const TMenuGlyphs& MenuGlyphs() const { return menu_glyphs_; }
  THintWindow* HintWindow() const { return hint_window_.get(); }

  // GetScrollBarInfo when the system has it; false otherwise. The caller
  // sets info.cbSize.
  bool QueryScrollBarInfo(HWND window, LONG object_id, SCROLLBARINFO& info) const {
    return functions_.QueryScrollBarInfo(window, object_id, info);
  }
  // Asks for WM_MOUSELEAVE on `window`, when the system can.
  void TrackMouseLeave(HWND window) const { functions_.TrackMouseLeave(window); }

 private:
  void MakeCaptionFont();
  void MakeAppIcon(HWND form) const;

  const TOptionalUserFunctions& functions_;
  UniqueFont caption_font_;
  UniqueBrush face_brush_;
  // The main form's component, once loaded: whose form gives the icon.
  const TSkinData* icon_source_ = nullptr;
  mutable TSkinBitmap app_icon_;
  mutable bool app_icon_transparent_ = false;
  TMenuGlyphs menu_glyphs_;
  std::unique_ptr<THintWindow> hint_window_;
};

// The Windows share of `data`; null when it was made under an environment
// without one (the portable stand-in).
TWinSkinDataPart* WinPart(const TSkinData& data);
