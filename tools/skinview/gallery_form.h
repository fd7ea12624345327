#pragma once
// The gallery: one window holding every kind of control the skin engine
// draws, a menu bar and a context menu, and an MDI area with two children,
// so that a skin author sees a skin on all of them at once.

#include <filesystem>
#include <string>
#include <vector>

#include "framework/win/form.h"
#include "framework/win/main_menu.h"
#include "framework/win/panel.h"
#include "framework/win/popup_menu.h"
#include "framework/win/status_bar.h"
#include "skin/data/model/skin_data.h"

class TGalleryForm : public TForm {
 public:
  // `skins` are the skin folders and archives the Skin menu offers.
  TGalleryForm(TComponent* owner, std::vector<std::filesystem::path> skins);

  // Shows a skin folder (packed on the fly) or archive; false, with the
  // reason in `error`, when it cannot be read.
  bool ShowSkin(const std::filesystem::path& skin, std::string& error);
  TSkinData* Skin() const { return skin_; }
  // Opens the two MDI children; done once the window exists.
  void OpenChildren();

 private:
  void BuildMenus();
  void BuildToolBar();
  void BuildGallery(TWinControl* area);
  void SetGalleryEnabled(bool enabled);
  void OpenSkinArchive();

  std::vector<std::filesystem::path> skins_;
  TSkinData* skin_ = nullptr;
  TPanel* gallery_ = nullptr;
  TStatusBar* status_ = nullptr;
  TMainMenu* menu_ = nullptr;
  TPopupMenu* context_ = nullptr;
  TMenuItem* skinning_ = nullptr;
  TMenuItem* enabled_ = nullptr;
};
