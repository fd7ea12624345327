#include "skin/controls/form_mapping.h"

#include <algorithm>

#include "skin/windows/win32_values.h"

namespace {

TMappingStep Step(int control, TMappingStepKind kind, const TSkinChoice& skin = {}) {
  TMappingStep step;
  step.Control = control;
  step.Kind = kind;
  step.Skin = skin;
  return step;
}

class TFormWalk {
 public:
  TFormWalk(std::span<const TControlRecord> controls, const TMappingSettings& settings,
            const TOfferSkinControl& offer)
      : controls_(controls), settings_(settings), offer_(offer) {
    for (const TControlRecord& record : controls) {
      tags_.push_back(record.Facts.Tag);
      skinned_.push_back(record.Skinned);
      windows_.push_back(record.HasWindow);
    }
  }

  std::vector<TMappingStep> Run() {
    for (int i = 0; i < Count(); ++i)
      if (controls_[i].Owner == kTheForm) MapOne(i);
    for (int i : TabOrderList(controls_))
      if (windows_[i] && tags_[i] != settings_.DisableTag && !skinned_[i]) MapOne(i);
    return std::move(steps_);
  }

 private:
  int Count() const { return static_cast<int>(controls_.size()); }

  std::vector<int> Children(int parent) const {
    std::vector<int> children;
    for (int i = 0; i < Count(); ++i)
      if (controls_[i].Parent == parent) children.push_back(i);
    return children;
  }

  void MapOne(int i) {
    const TControlRecord& record = controls_[i];
    TControlFacts facts = record.Facts;
    facts.Tag = tags_[i];
    const std::vector<int> children = Children(i);
    switch (DisabledByTag(facts, !children.empty(), settings_.DisableTag)) {
      case TDisableOutcome::doSkipAndTagChildren:
        for (int child : children) {
          tags_[child] = settings_.DisableTag;
          steps_.push_back(Step(child, TMappingStepKind::msTagDisabled));
        }
        return;
      case TDisableOutcome::doSkip:
        return;
      case TDisableOutcome::doMap:
        break;
    }
    if (record.Parent == kNobody || skinned_[i]) return;
    if (facts.Windowed && !windows_[i]) {
      if (record.WindowFails) return;
      windows_[i] = true;
    }
    if (offer_) {
      const TSkinControlOffer answer = offer_(i);
      if (answer == TSkinControlOffer::soSupplied) {
        steps_.push_back(Step(i, TMappingStepKind::msSupplied));
        skinned_[i] = true;
        if (facts.IsA("TCustomPanel")) MapAll(children);
      }
      if (answer != TSkinControlOffer::soNone) return;
    }
    const TSkinMapping mapping = ChooseControlSkin(facts, settings_);
    switch (mapping.Children) {
      case TChildMapping::cmNone:
        Apply(i, mapping);
        break;
      case TChildMapping::cmMapFirst:
        MapAll(children);
        Apply(i, mapping);
        break;
      case TChildMapping::cmMapAfter:
        Apply(i, mapping);
        MapAll(children);
        break;
      case TChildMapping::cmMapComponents:
        Apply(i, mapping);
        for (int c = 0; c < Count(); ++c)
          if (controls_[c].Owner == i) MapOne(c);
        break;
      case TChildMapping::cmSkinEachChild:
        for (int child : children) SkinChild(child, mapping.ChildSkin);
        Apply(i, mapping);
        break;
      case TChildMapping::cmSkinScrollingChildren:
        for (int child : children)
          if (controls_[child].Facts.Style & (kWsVScroll | kWsHScroll)) SkinChild(child, mapping.ChildSkin);
        Apply(i, mapping);
        break;
    }
  }

  void MapAll(const std::vector<int>& children) {
    for (int child : children) MapOne(child);
  }

  // A child skinned by its group directly; never a second object, and a
  // child tagged to stay unskinned stays so.
  void SkinChild(int child, const TSkinChoice& skin) {
    if (skinned_[child] || tags_[child] == settings_.DisableTag) return;
    steps_.push_back(Step(child, TMappingStepKind::msSkin, skin));
    skinned_[child] = true;
  }

  void Apply(int i, const TSkinMapping& mapping) {
    if (mapping.Skin.Class == TSkinControlClass::scNone) return;
    steps_.push_back({.Control = i,
                      .Kind = TMappingStepKind::msSkin,
                      .Skin = mapping.Skin,
                      .SetTransparent = mapping.SetTransparent,
                      .PrepareToolBar = mapping.PrepareToolBar});
    skinned_[i] = true;
  }

  std::span<const TControlRecord> controls_;
  const TMappingSettings& settings_;
  const TOfferSkinControl& offer_;
  std::vector<int> tags_;
  std::vector<bool> skinned_;
  std::vector<bool> windows_;
  std::vector<TMappingStep> steps_;
};

void AppendInTabOrder(std::span<const TControlRecord> controls, int parent, std::vector<int>& list) {
  std::vector<int> children;
  for (int i = 0; i < static_cast<int>(controls.size()); ++i)
    if (controls[i].Parent == parent && controls[i].Facts.Windowed) children.push_back(i);
  std::ranges::stable_sort(children, {}, [&](int i) { return controls[i].TabOrder; });
  for (int child : children) {
    list.push_back(child);
    AppendInTabOrder(controls, child, list);
  }
}

}  // namespace

std::vector<int> TabOrderList(std::span<const TControlRecord> controls) {
  std::vector<int> list;
  AppendInTabOrder(controls, kTheForm, list);
  return list;
}

std::vector<TMappingStep> PlanFormMapping(std::span<const TControlRecord> controls,
                                          const TMappingSettings& settings, const TOfferSkinControl& offer) {
  return TFormWalk(controls, settings, offer).Run();
}
