#include "skin/controls/win/control_skin_mapper.h"

#include <map>

#include "framework/win/control_link.h"
#include "framework/win/form.h"
#include "framework/win/wide.h"
#include "skin/controls/win/control_tree.h"
#include "skin/controls/win/property_by_name.h"
#include "skin/controls/win/skin_control.h"
#include "skin/controls/window_class_mapping.h"
#include "skin/data/model/skin_data.h"
#include "skin/windows/win/win_skin_form.h"
#include "skin/windows/win/win_subclass.h"

namespace {

AnsiString ClassNameOf(HWND window) {
  wchar_t name[256];
  const int length = GetClassNameW(window, name, 256);
  return length > 0 ? FromWide(std::wstring_view(name, static_cast<std::size_t>(length))) : AnsiString();
}

AnsiString UpperCaseAscii(AnsiString text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

DWORD StyleOf(HWND window) {
  return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
}

}  // namespace

TControlSkinMapper::TControlSkinMapper(TWinSkinForm& form, TSkinControlFactory factory)
    : form_(form), factory_(factory) {}

TSkinData& TControlSkinMapper::Data() const {
  return *form_.SkinData();
}

bool TControlSkinMapper::Skinned(const TControl& control) const {
  if (list_.ForControl(&control) != nullptr) return true;
  const auto* windowed = ObjectAs<TWinControl>(&control);
  return windowed != nullptr && windowed->HandleAllocated() && IsWindowSkinned(windowed->WindowHandle());
}

void TControlSkinMapper::MapControls() {
  // What was made for controls whose windows went is dropped first, so that
  // they are mapped afresh.
  list_.DropGone();
  const TMappingSettings settings = MappingSettingsOf(Data());
  if (TCustomForm* form = form_.Form()) {
    const TControlTree tree = ReadFormControls(*form, settings.DisableTag,
                                               [this](const TControl& control) { return Skinned(control); });
    MapTree(tree, settings);
  } else {
    MapChildWindows(form_.Window(), settings);
  }
}

void TControlSkinMapper::MapWindow(HWND window) {
  MapOneWindow(window, MappingSettingsOf(Data()));
}

void TControlSkinMapper::Reskin(HWND control_window) {
  if (TSkinControl* old = list_.ForWindow(control_window)) {
    old->Detach();
    delete old;
  }
  const TMappingSettings settings = MappingSettingsOf(Data());
  TControl* control = form_.Form() != nullptr ? ControlOfWindow(control_window) : nullptr;
  if (control == nullptr) return MapOneWindow(control_window, settings);
  const TControlTree tree =
      ReadControl(*control, settings.DisableTag, [this](const TControl& c) { return Skinned(c); });
  MapTree(tree, settings);
}

void TControlSkinMapper::MapTree(const TControlTree& tree, const TMappingSettings& settings) {
  TSkinData& data = Data();
  // Objects the application supplies through OnSkinControl, by control.
  std::map<int, TSkinControl*> supplied;
  TOfferSkinControl offer;
  if (data.OnSkinControl) {
    offer = [&](int i) {
      TControl* control = tree.Controls[static_cast<std::size_t>(i)];
      TComponent* answer = nullptr;
      data.OnSkinControl(&form_, &data, control->Parent(), control,
                         UpperCaseAscii(AnsiString(control->ClassName())), answer);
      if (answer == nullptr) return TSkinControlOffer::soNone;
      auto* skin = dynamic_cast<TSkinControl*>(answer);
      if (skin == nullptr || list_.Contains(skin)) return TSkinControlOffer::soVetoed;
      supplied[i] = skin;
      return TSkinControlOffer::soSupplied;
    };
  }
  for (const TMappingStep& step : PlanFormMapping(tree.Records, settings, offer)) {
    TControl* control = tree.Controls[static_cast<std::size_t>(step.Control)];
    switch (step.Kind) {
      case TMappingStepKind::msTagDisabled:
        control->SetTag(settings.DisableTag);
        break;
      case TMappingStepKind::msSupplied:
        // The application's object stays the application's unless it attaches.
        supplied[step.Control]->AttachControl(&form_, data, false);
        break;
      case TMappingStepKind::msSkin:
        if (step.SetTransparent) SetPropByName(control, "Transparent", "True");
        if (step.PrepareToolBar) SetPropByName(control, "Flat", "True");
        Make(step.Skin, control, nullptr);
        break;
    }
  }
}

void TControlSkinMapper::MapChildWindows(HWND parent, const TMappingSettings& settings) {
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
    if (StyleOf(child) & WS_CHILD) MapOneWindow(child, settings);
}

void TControlSkinMapper::MapOneWindow(HWND window, const TMappingSettings& settings) {
  if (list_.ForWindow(window) != nullptr || IsWindowSkinned(window)) return;
  const TSkinMapping mapping = ChooseWindowSkin(ClassNameOf(window), StyleOf(window), settings);
  if (mapping.Children == TChildMapping::cmMapFirst) MapChildWindows(window, settings);
  if (mapping.FaceColour) {
    if (TControl* control = ControlOfWindow(window)) control->SetColor(Data().Colours[scButtonFace]);
  }
  if (mapping.Skin.Class == TSkinControlClass::scNone) return;
  const HWND target =
      mapping.Skin.Target == TAttachTarget::atFirstChildWindow ? GetWindow(window, GW_CHILD) : window;
  if (target != nullptr && list_.ForWindow(target) == nullptr) Make(mapping.Skin, nullptr, target);
}

void TControlSkinMapper::Make(const TSkinChoice& choice, TControl* control, HWND window) {
  const TSkinControlCreator create = FindCreator(factory_, choice.Class);
  if (create == nullptr) return;
  TSkinControl* skin = nullptr;
  // The engine never fails the window: a control it cannot skin keeps its own look.
  try {
    skin = create(control, choice);
    auto* windowed = ObjectAs<TWinControl>(control);
    if (control == nullptr) {
      skin->AttachWindow(window, Data(), &form_);
    } else if (choice.Target == TAttachTarget::atControl) {
      skin->AttachControl(&form_, Data(), choice.ChangeColor);
    } else if (windowed != nullptr) {
      const HWND handle = windowed->Handle();
      const HWND target =
          choice.Target == TAttachTarget::atFirstChildWindow ? GetWindow(handle, GW_CHILD) : handle;
      if (target != nullptr) skin->AttachWindow(target, Data(), &form_);
    }
  } catch (...) {
  }
  if (skin != nullptr && skin->SkinState() != TSkinState::ssAttached) delete skin;
}

TFormControlSkinsProvider ControlSkinsProvider(TSkinControlFactory factory) {
  return [factory](TWinSkinForm& form) { return std::make_unique<TControlSkinMapper>(form, factory); };
}
