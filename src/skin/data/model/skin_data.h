#pragma once
// TSkinData: the component a form carries to be skinned. It owns the stored
// skin archive and the skin read from it (the element slots and colour
// tables of TSkinDefinition, which painters read directly), and publishes the
// settings with which the application tells window and control skinning what
// to skin.
//
// The archive arrives through the stored "SkinStream" property while the form
// is read and is loaded at once; NotLoaded stays set until a skin description
// has been read completely, and a component whose skin never loaded reads
// Active false once the form is loaded.

#include <cstdint>
#include <functional>
#include <memory>

#include "framework/component.h"
#include "framework/memory_stream.h"
#include "framework/set.h"
#include "framework/string_list.h"
#include "skin/data/archive/skin_reader.h"
#include "skin/data/model/skin_definition.h"
#include "skin/data/model/skin_environment.h"
#include "skin/data/model/skin_manager_link.h"

class TControl;

enum class TSkinControlType {
  xcMainMenu,
  xcPopupMenu,
  xcMenuItem,
  xcToolbar,
  xcControlbar,
  xcCombo,
  xcCheckBox,
  xcRadioButton,
  xcProgress,
  xcScrollbar,
  xcEdit,
  xcButton,
  xcBitBtn,
  xcSpeedButton,
  xcSpin,
  xcPanel,
  xcGroupBox,
  xcStatusBar,
  xcTab,
  xcTrackBar,
  xcSystemMenu,
  xcFastReport,
};
using TSkinControlTypes = TSet<TSkinControlType>;
extern const TEnumInfo kSkinControlTypeInfo;

enum class TSkinOption {
  xoMDIScrollbar,
  xoMenuMerge,
  xoTransparent,
  xoPreview,
  xoParentBackGround,
  xoNoFocusRect,
  xoToolbarBK,
  xoToolbarButton,
  xoMDIChildBorder,
  xoMenuBG,
  xoCaptionButtonHint,
  xoFormScrollbar,
};
using TSkinOptions = TSet<TSkinOption>;
extern const TEnumInfo kSkinOptionInfo;

enum class TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };
extern const TEnumInfo kSkinFormTypeInfo;

// Veto per window class: DoSkin comes in as the engine's answer.
using TOnFormSkin = std::function<void(TObject* sender, const AnsiString& aName, bool& DoSkin)>;
// Supply or veto the skin object of a control.
using TOnSkinControl =
    std::function<void(TComponent* sender, class TSkinData* SkinData, TControl* Form, TControl* Control,
                       const AnsiString& ControlClass, TComponent*& SkinnedControl)>;
// Around the skinning of one form.
using TOnSkinForm = std::function<void(TObject* sender, TWindowHandle ahwnd, const AnsiString& aName)>;

class TSkinData : public TComponent, public TSkinDefinition {
 public:
  static constexpr const char* kVersion = "5.60.03.29";
  static constexpr int kDefaultDisableTag = 99;
  // Every kind except xcMenuItem and xcFastReport.
  static constexpr std::uint64_t kDefaultSkinControls = 0x1FFFFB;
  // xoPreview, xoToolbarBK, xoCaptionButtonHint.
  static constexpr std::uint64_t kDefaultOptions = 0x448;
  // Activation, deactivation and skin changes run this long after they are asked for.
  static constexpr unsigned kCommandDelayMs = 250;

  explicit TSkinData(TComponent* owner);
  ~TSkinData() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Published settings.
  bool Active() const { return active_; }
  void SetActive(bool active);
  int DisableTag() const { return disable_tag_; }
  void SetDisableTag(int tag) { disable_tag_ = tag; }
  TSkinControlTypes SkinControls() const { return skin_controls_; }
  void SetSkinControls(TSkinControlTypes controls) { skin_controls_ = controls; }
  TSkinOptions Options() const { return options_; }
  void SetOptions(TSkinOptions options) { options_ = options; }
  TStringList* Skin3rd() const { return skin3rd_.get(); }
  const AnsiString& SkinFile() const { return skin_file_; }
  void SetSkinFile(const AnsiString& path);
  // Shows whether an archive is stored, in the form designer only: at run
  // time always "(none)". Assigning it does nothing.
  AnsiString SkinStore() const { return "(none)"; }
  void SetSkinStore(const AnsiString&) {}
  TSkinFormType SkinFormtype() const { return skin_formtype_; }
  void SetSkinFormtype(TSkinFormType type) { skin_formtype_ = type; }
  // Fixed: assigning it does nothing.
  AnsiString Version() const { return kVersion; }
  void SetVersion(const AnsiString&) {}
  bool MenuUpdate() const { return menu_update_; }
  void SetMenuUpdate(bool update) { menu_update_ = update; }
  bool MenuMerge() const { return menu_merge_; }
  void SetMenuMerge(bool merge) { menu_merge_ = merge; }
  const TNotifyEvent& OnSkinChanged() const { return on_skin_changed_; }
  void SetOnSkinChanged(const TNotifyEvent& event) { on_skin_changed_ = event; }

  // The stored archive as the form description keeps it: a signed 32-bit
  // little-endian count, then that many bytes. Assigning it stores the
  // archive and loads the skin at once.
  TBytes SkinStream() const;
  void SetSkinStream(const TBytes& payload);
  // The stored form of an archive, as SkinStream answers it.
  static TBytes StoredStream(std::string_view archive);
  const TMemoryStream& StoredArchive() const { return archive_; }

  // Typed events; the form description binds only notify events by name, so
  // these are assigned in code.
  TOnFormSkin OnFormSkin;
  TOnSkinControl OnSkinControl;
  TOnSkinForm OnBeforeSkinForm;
  TOnSkinForm OnAfterSkinForm;

  // Decodes the stored archive and reads the skin; false for an archive that
  // is damaged or of a version the format does not know. Title, Buttons and
  // the four borders stay the same objects; every other element record may
  // be replaced, so the manager is told first (SkinDataReplacing).
  bool LoadSkin();
  // After a skin was loaded at run time: the forms that use this component
  // take the new skin (250 ms later, once skinning runs).
  void ApplySkin();
  TArchiveResult LastLoadResult() const { return last_load_; }

  // Connects the component to the skin manager once the form is read.
  // Without GetScrollBarInfo scroll bars are not skinned. A main form's
  // component installs the window hook and asks for activation 250 ms later,
  // or falls back to Active false when no skin loaded; with the main menu
  // skinned the menu items are not skinned separately, without it the system
  // menu is not. Other components switch skinning on at once and skin their
  // form's window when Active.
  void Loaded() override;
  // The manager this component registered with; null before Loaded or
  // where there is no window skinning.
  TSkinManagerLink* SkinManager() const { return manager_; }

  // Whether form skins paint this skin's frames. On from creation; a form
  // skin turns it off (TFramePaintingOff) while it passes on a message whose
  // default handling repaints the frame.
  bool FramePainting() const { return frame_painting_; }
  void SetFramePainting(bool on) { frame_painting_ = on; }

  // Whether the window `handle` of class `class_name` is skinned: OnFormSkin
  // decides when assigned, else month calendars never are, nor FastReport
  // windows (classes "Tfr...") when xcFastReport is set.
  void DoFormSkin(TWindowHandle handle, const AnsiString& class_name, bool& DoSkin);
  TWindowHandle CurrentWindow() const { return current_window_; }

  // Caption-button hints, with xoCaptionButtonHint only: the hint is shown
  // for `text` at the left-top of `rect` (screen coordinates), and stays
  // where it is until hidden.
  void ShowCaptionHint(const TRect& rect, const AnsiString& text);
  void HideCaptionHint();
  bool HintShowing() const { return hint_showing_; }

  const TSkinEnvironment& Environment() const { return environment_; }
  // Null under an environment without a window system.
  TSkinDataSystemPart* SystemPart() const { return system_part_.get(); }
  int MaximizedWidth() const { return maximized_width_; }
  int MaximizedHeight() const { return maximized_height_; }

 private:
  const TSkinEnvironment& environment_;
  TMemoryStream archive_;
  TArchiveResult last_load_ = TArchiveResult::arDamaged;
  bool active_ = false;
  int disable_tag_ = kDefaultDisableTag;
  TSkinControlTypes skin_controls_ = TSkinControlTypes::FromBits(kDefaultSkinControls);
  TSkinOptions options_ = TSkinOptions::FromBits(kDefaultOptions);
  std::unique_ptr<TStringList> skin3rd_;
  AnsiString skin_file_;
  TSkinFormType skin_formtype_ = TSkinFormType::sfMainform;
  bool menu_update_ = true;
  bool menu_merge_ = false;
  TNotifyEvent on_skin_changed_;
  TWindowHandle current_window_ = 0;
  TSkinManagerLink* manager_ = nullptr;
  bool frame_painting_ = true;
  int maximized_width_;
  int maximized_height_;
  bool hint_showing_ = false;
  std::unique_ptr<TSkinDataSystemPart> system_part_;
};

// Frame painting off for one scope, then as it was.
class TFramePaintingOff {
 public:
  explicit TFramePaintingOff(TSkinData& data) : data_(data), previous_(data.FramePainting()) {
    data.SetFramePainting(false);
  }
  TFramePaintingOff(const TFramePaintingOff&) = delete;
  TFramePaintingOff& operator=(const TFramePaintingOff&) = delete;
  ~TFramePaintingOff() { data_.SetFramePainting(previous_); }

 private:
  TSkinData& data_;
  bool previous_;
};
