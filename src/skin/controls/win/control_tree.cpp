#include "skin/controls/win/control_tree.h"

#include <unordered_map>
#include <utility>

#include "framework/win/form.h"
#include "skin/controls/win/property_by_name.h"
#include "skin/windows/win/win_subclass.h"

namespace {

class TTreeReader {
 public:
  TTreeReader(int disable_tag, const TIsSkinned& skinned) : disable_tag_(disable_tag), skinned_(skinned) {}

  void Collect(TControl* control) {
    if (index_.contains(control)) return;
    index_.emplace(control, static_cast<int>(tree_.Controls.size()));
    tree_.Controls.push_back(control);
    for (int i = 0; i < control->ControlCount(); ++i) Collect(control->Controls(i));
  }

  void CollectComponents(const TComponent& owner) {
    for (TComponent* component : owner.ComponentList())
      if (auto* control = ObjectAs<TControl>(component)) Collect(control);
  }

  // Embedded forms bring their components; new ones may embed further forms.
  void CollectEmbedded(const TCustomForm* top) {
    for (std::size_t i = 0; i < tree_.Controls.size(); ++i) {
      const auto* embedded = ObjectAs<TCustomForm>(tree_.Controls[i]);
      if (embedded != nullptr && embedded != top) CollectComponents(*embedded);
    }
  }

  // `form` owns the components mapped first; `root`, when set, is mapped
  // first instead and everything else only through it.
  TControlTree Read(const TCustomForm* form, const TControl* root) {
    for (TControl* control : tree_.Controls) tree_.Records.push_back(RecordOf(*control, form, root));
    return std::move(tree_);
  }

 private:
  int IndexOf(const TComponent* component) const {
    const auto found = index_.find(component);
    return found != index_.end() ? found->second : kNobody;
  }

  TControlRecord RecordOf(TControl& control, const TCustomForm* form, const TControl* root) {
    TControlRecord record;
    const TControl* parent = control.Parent();
    const int parent_index = IndexOf(parent);
    // A parent outside what is read is where the walk starts.
    record.Parent = parent == nullptr ? kNobody : parent_index != kNobody ? parent_index : kTheForm;
    if (root != nullptr) {
      record.Owner = &control == root ? kTheForm : kNobody;
    } else if (control.Owner() == form) {
      record.Owner = kTheForm;
    } else {
      const int owner = IndexOf(control.Owner());
      record.Owner = owner != kNobody && ObjectAs<TCustomForm>(control.Owner()) != nullptr ? owner : kNobody;
    }
    record.TabOrder = control.TabOrder();
    if (auto* windowed = ObjectAs<TWinControl>(&control)) {
      // Only a control the mapping reaches gets its window made.
      if (!windowed->HandleAllocated() && record.Parent != kNobody && control.Tag() != disable_tag_) {
        try {
          windowed->HandleNeeded();
        } catch (...) {
          record.WindowFails = true;
        }
      }
      record.HasWindow = windowed->HandleAllocated();
    }
    record.Facts = FactsOfControl(control);
    record.Skinned = skinned_(control);
    return record;
  }

  int disable_tag_;
  const TIsSkinned& skinned_;
  std::unordered_map<const TComponent*, int> index_;
  TControlTree tree_;
};

}  // namespace

TControlFacts FactsOfControl(TControl& control) {
  TControlFacts facts;
  for (const TClassInfo* info = &control.ClassInfo(); info != nullptr; info = info->parent)
    facts.ClassChain.emplace_back(info->name);
  facts.Tag = static_cast<int>(control.Tag());
  auto* windowed = ObjectAs<TWinControl>(&control);
  facts.Windowed = windowed != nullptr;
  if (windowed != nullptr && windowed->HandleAllocated()) {
    const HWND window = windowed->WindowHandle();
    facts.Style = static_cast<std::uint32_t>(GetWindowLongPtrW(window, GWL_STYLE));
    RECT outer{}, client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    facts.FrameDiffers =
        outer.right - outer.left != client.right || outer.bottom - outer.top != client.bottom;
  }
  facts.Kind = GetEnumPropByName(&control, "Kind");
  facts.TabStyle = GetEnumPropByName(&control, "Style");
  facts.NumButtons = static_cast<int>(GetOrdPropByName(&control, "NumButtons"));
  return facts;
}

TControlTree ReadFormControls(TCustomForm& form, int disable_tag, const TIsSkinned& skinned) {
  TTreeReader reader(disable_tag, skinned);
  reader.CollectComponents(form);
  for (int i = 0; i < form.ControlCount(); ++i) reader.Collect(form.Controls(i));
  reader.CollectEmbedded(&form);
  return reader.Read(&form, nullptr);
}

TControlTree ReadControl(TControl& control, int disable_tag, const TIsSkinned& skinned) {
  TTreeReader reader(disable_tag, skinned);
  reader.Collect(&control);
  return reader.Read(nullptr, &control);
}
