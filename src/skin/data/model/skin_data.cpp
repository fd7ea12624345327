#include "skin/data/model/skin_data.h"

#include <algorithm>

#include "framework/file_io.h"
#include "framework/published.h"
#include "skin/data/model/skin3rd_defaults.h"
#include "skin/data/model/skin_loading.h"

namespace {

constexpr const char* kSkinControlTypeNames[] = {
    "xcMainMenu", "xcPopupMenu",   "xcMenuItem",   "xcToolbar",    "xcControlbar", "xcCombo",
    "xcCheckBox", "xcRadioButton", "xcProgress",   "xcScrollbar",  "xcEdit",       "xcButton",
    "xcBitBtn",   "xcSpeedButton", "xcSpin",       "xcPanel",      "xcGroupBox",   "xcStatusBar",
    "xcTab",      "xcTrackBar",    "xcSystemMenu", "xcFastReport",
};
constexpr const char* kSkinOptionNames[] = {
    "xoMDIScrollbar",     "xoMenuMerge",   "xoTransparent",       "xoPreview",
    "xoParentBackGround", "xoNoFocusRect", "xoToolbarBK",         "xoToolbarButton",
    "xoMDIChildBorder",   "xoMenuBG",      "xoCaptionButtonHint", "xoFormScrollbar",
};
constexpr const char* kSkinFormTypeNames[] = {"sfMainform", "sfOnlyThisForm", "sfDialog", "sfDLL"};

void AppendInt32(TBytes& out, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
}

}  // namespace

const TEnumInfo kSkinControlTypeInfo{"TSkinControlType", kSkinControlTypeNames};
const TEnumInfo kSkinOptionInfo{"TSkinOption", kSkinOptionNames};
const TEnumInfo kSkinFormTypeInfo{"TSkinFormType", kSkinFormTypeNames};

TSkinData::TSkinData(TComponent* owner)
    : TComponent(owner),
      environment_(CurrentSkinEnvironment()),
      skin3rd_(std::make_unique<TStringList>()),
      maximized_width_(environment_.MaximizedWidth()),
      maximized_height_(environment_.MaximizedHeight()),
      system_part_(environment_.CreateSkinDataPart()) {
  for (const char* line : DefaultSkin3rd()) skin3rd_->Add(line);
}

TSkinData::~TSkinData() {
  if (manager_ != nullptr) manager_->UnregisterSkinData(*this);
}

const TClassInfo& TSkinData::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishBoolean("Active", &TSkinData::Active, &TSkinData::SetActive),
      PublishInteger("DisableTag", &TSkinData::DisableTag, &TSkinData::SetDisableTag),
      PublishSet("SkinControls", kSkinControlTypeInfo, &TSkinData::SkinControls, &TSkinData::SetSkinControls),
      PublishSet("Options", kSkinOptionInfo, &TSkinData::Options, &TSkinData::SetOptions),
      PublishObject("Skin3rd", &TSkinData::Skin3rd),
      PublishString("SkinFile", &TSkinData::SkinFile, &TSkinData::SetSkinFile),
      PublishString("SkinStore", &TSkinData::SkinStore, &TSkinData::SetSkinStore),
      PublishEnum("SkinFormtype", kSkinFormTypeInfo, &TSkinData::SkinFormtype, &TSkinData::SetSkinFormtype),
      PublishString("Version", &TSkinData::Version, &TSkinData::SetVersion),
      PublishBoolean("MenuUpdate", &TSkinData::MenuUpdate, &TSkinData::SetMenuUpdate),
      PublishBoolean("MenuMerge", &TSkinData::MenuMerge, &TSkinData::SetMenuMerge),
      PublishEvent("OnSkinChanged", &TSkinData::OnSkinChanged, &TSkinData::SetOnSkinChanged),
      PublishBinary("SkinStream", &TSkinData::SkinStream, &TSkinData::SetSkinStream),
  };
  static const TClassInfo info = MakeClassInfo<TSkinData, TComponent>("TSkinData", properties);
  return info;
}

void TSkinData::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  // While the form is read only the value counts: Loaded acts on it.
  if (HasState(TComponentStateFlag::csLoading) || manager_ == nullptr) return;
  switch (skin_formtype_) {
    case TSkinFormType::sfMainform:
      if (active && NotLoaded) return;
      manager_->SetPendingSkinData(this);
      manager_->ScheduleCommand(active ? TSkinCommand::scmActivate : TSkinCommand::scmDeactivate,
                                kCommandDelayMs);
      if (active) manager_->SetState(TSkinManagerState::smsRunning);
      break;
    case TSkinFormType::sfOnlyThisForm:
      manager_->SetPendingSkinData(this);
      if (active && NotLoaded) return;
      manager_->ScheduleCommand(active ? TSkinCommand::scmActivate : TSkinCommand::scmDeactivate,
                                kCommandDelayMs);
      break;
    case TSkinFormType::sfDialog:
    case TSkinFormType::sfDLL:
      break;
  }
}

void TSkinData::SetSkinFile(const AnsiString& path) {
  NotLoaded = true;
  skin_file_ = path;
  AnsiString bytes;
  try {
    bytes = ReadFileBytes(path);
  } catch (const EFileError&) {
    return;  // no such file: the skin stays as it was
  }
  archive_.LoadFromBytes(bytes);
  LoadSkin();
  ApplySkin();
}

TBytes TSkinData::SkinStream() const {
  return StoredStream(archive_.Bytes());
}

TBytes TSkinData::StoredStream(std::string_view bytes) {
  TBytes payload;
  payload.reserve(4 + bytes.size());
  AppendInt32(payload, static_cast<std::int32_t>(bytes.size()));
  payload.insert(payload.end(), bytes.begin(), bytes.end());
  return payload;
}

void TSkinData::SetSkinStream(const TBytes& payload) {
  if (payload.size() < 4) return;
  std::uint32_t bits = 0;
  for (int i = 0; i < 4; ++i)
    bits |= static_cast<std::uint32_t>(payload[static_cast<std::size_t>(i)]) << (8 * i);
  const auto count = static_cast<std::int32_t>(bits);
  if (count <= 0) return;
  // A count beyond the bytes present keeps what is there rather than reading past it.
  const std::size_t size = std::min(static_cast<std::size_t>(count), payload.size() - 4);
  archive_.LoadFromBytes(std::string_view(reinterpret_cast<const char*>(payload.data()) + 4, size));
  LoadSkin();
}

bool TSkinData::LoadSkin() {
  if (manager_ != nullptr) manager_->SkinDataReplacing(*this);
  last_load_ = LoadSkinArchive(*this, archive_.Bytes(), environment_);
  if (system_part_) system_part_->SkinRead(*this);
  return last_load_ == TArchiveResult::arLoaded;
}

void TSkinData::Loaded() {
  TComponent::Loaded();
  if (!environment_.HasScrollBarInfo()) skin_controls_.Exclude(TSkinControlType::xcScrollbar);
  // A second Loaded (from ApplySkin) must not register twice.
  if (manager_ == nullptr) {
    manager_ = environment_.SkinManager();
    if (manager_ != nullptr) manager_->RegisterSkinData(*this);
  }
  if (system_part_) system_part_->Loaded(*this);
  if (skin_formtype_ != TSkinFormType::sfMainform) {
    if (manager_ == nullptr) return;
    manager_->ActivateImmediately();
    const TWindowHandle form = environment_.FormWindow(Owner());
    if (active_ && form != 0) manager_->SkinWindow(form);
    return;
  }
  if (manager_ != nullptr) manager_->InstallHook();
  if (active_ && NotLoaded) {
    active_ = false;
  } else if (active_ && manager_ != nullptr) {
    // The manager's timer runs a command only for a pending skin data.
    manager_->SetPendingSkinData(this);
    manager_->ScheduleCommand(TSkinCommand::scmActivate, kCommandDelayMs);
  }
  if (skin_controls_.Contains(TSkinControlType::xcMainMenu)) {
    skin_controls_.Exclude(TSkinControlType::xcMenuItem);
  } else {
    skin_controls_.Exclude(TSkinControlType::xcSystemMenu);
  }
}

void TSkinData::ApplySkin() {
  if (HasState(TComponentStateFlag::csLoading)) return;
  if (manager_ == nullptr) Loaded();
  if (manager_ == nullptr) return;
  manager_->SetPendingSkinData(this);
  if (manager_->State() == TSkinManagerState::smsRunning)
    manager_->ScheduleCommand(TSkinCommand::scmSkinChanged, kCommandDelayMs);
}

void TSkinData::ShowCaptionHint(const TRect& rect, const AnsiString& text) {
  if (!options_.Contains(TSkinOption::xoCaptionButtonHint) || hint_showing_) return;
  if (system_part_) system_part_->ShowHint(rect, text);
  hint_showing_ = true;
}

void TSkinData::HideCaptionHint() {
  if (!hint_showing_) return;
  if (system_part_) system_part_->HideHint();
  hint_showing_ = false;
}

void TSkinData::DoFormSkin(TWindowHandle handle, const AnsiString& class_name, bool& DoSkin) {
  current_window_ = handle;
  if (OnFormSkin) {
    OnFormSkin(this, class_name, DoSkin);
    return;
  }
  if (class_name == "SysMonthCal32") DoSkin = false;
  if (skin_controls_.Contains(TSkinControlType::xcFastReport) && class_name.starts_with("Tfr"))
    DoSkin = false;
}
