#include "framework/control.h"

#include <algorithm>

#include "framework/published.h"
#include "framework/scoped_value.h"
#include "framework/window_proc_hook.h"

namespace {
constexpr const char* kAlignNames[] = {"alNone",  "alTop",    "alBottom", "alLeft",
                                       "alRight", "alClient", "alCustom"};
constexpr const char* kAnchorKindNames[] = {"akLeft", "akTop", "akRight", "akBottom"};
}  // namespace

const TEnumInfo kAlignInfo{"TAlign", kAlignNames};
const TEnumInfo kAnchorKindInfo{"TAnchorKind", kAnchorKindNames};

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
  WindowProc = [this](TMessage& message) { WndProc(message); };
  font_->SetOnChange([this] {
    if (!following_parent_) parent_font_ = false;
    FontChanged();
  });
}

TControl::~TControl() {
  // Only a control that was not deleted still has hooks here.
  TWindowProcHook::ReleaseAll(*this);
  // Children go with their parent; each leaves this list as it is freed.
  while (!controls_.empty()) delete controls_.back();
  SetParent(nullptr);
}

const TClassInfo& TControl::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishInteger("Left", &TControl::Left, &TControl::SetLeft),
      PublishInteger("Top", &TControl::Top, &TControl::SetTop),
      PublishInteger("Width", &TControl::Width, &TControl::SetWidth),
      PublishInteger("Height", &TControl::Height, &TControl::SetHeight),
      PublishEnum("Align", kAlignInfo, &TControl::Align, &TControl::SetAlign),
      PublishSet("Anchors", kAnchorKindInfo, &TControl::Anchors, &TControl::SetAnchors),
      PublishBoolean("Visible", &TControl::Visible, &TControl::SetVisible),
      PublishBoolean("Enabled", &TControl::Enabled, &TControl::SetEnabled),
      PublishString("Caption", &TControl::Caption, &TControl::SetCaption),
      PublishString("Hint", &TControl::Hint, &TControl::SetHint),
      PublishBoolean("ShowHint", &TControl::ShowHint, &TControl::SetShowHint),
      PublishInteger("Color", ColorConstants(), &TControl::Color, &TControl::SetColor),
      PublishObject("Font", &TControl::Font),
      PublishBoolean("ParentFont", &TControl::ParentFont, &TControl::SetParentFont),
      PublishInteger("TabOrder", &TControl::TabOrder, &TControl::SetTabOrder),
      PublishBoolean("TabStop", &TControl::TabStop, &TControl::SetTabStop),
  };
  static const TClassInfo info = MakeClassInfo<TControl, TComponent>("TControl", properties);
  return info;
}

void TControl::SetParent(TControl* parent) {
  if (parent == parent_) return;
  for (TControl* ancestor = parent; ancestor != nullptr; ancestor = ancestor->parent_) {
    if (ancestor == this) throw EComponentError("A control cannot be its own parent");
  }
  if (parent_ != nullptr) std::erase(parent_->controls_, this);
  parent_ = parent;
  if (parent_ == nullptr) return;
  parent_->controls_.push_back(this);
  if (parent_font_) FollowParentFont();
}

TControl* TControl::Controls(int index) const {
  if (index < 0 || index >= ControlCount()) throw EListError("Control index out of bounds");
  return controls_[static_cast<std::size_t>(index)];
}

void TControl::SetBounds(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
}

void TControl::SetParentFont(bool parent_font) {
  parent_font_ = parent_font;
  if (parent_font_ && parent_ != nullptr) FollowParentFont();
}

void TControl::BeforeDestruction() noexcept {
  TWindowProcHook::ReleaseAll(*this);
  TComponent::BeforeDestruction();
}

std::intptr_t TControl::Perform(unsigned msg, std::uintptr_t wparam, std::intptr_t lparam) {
  TMessage message{msg, wparam, lparam, 0};
  Dispatch(message);
  return message.Result;
}

void TControl::Dispatch(TMessage& message) {
  ++dispatching_;
  TryFinally([&] { WindowProc(message); }, [&] { FinishDispatch(message); });
}

void TControl::FinishDispatch(TMessage& message) {
  --dispatching_;
  Dispatched(message);
  if (dispatching_ == 0 && std::exchange(free_after_dispatch_, false)) Free();
}

void TControl::FreeAfterDispatch() {
  if (dispatching_ > 0) {
    free_after_dispatch_ = true;
  } else {
    Free();
  }
}

void TControl::Click() {
  on_click_(this);
}

void TControl::FontChanged() {
  for (TControl* child : controls_) {
    if (child->parent_font_) child->FollowParentFont();
  }
}

void TControl::FollowParentFont() {
  if (font_->SameAs(*parent_->font_)) return;
  const ScopedValue following(following_parent_, true);
  font_->Assign(*parent_->font_);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (on_mouse_down_) on_mouse_down_(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (on_mouse_up_) on_mouse_up_(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (on_mouse_move_) on_mouse_move_(this, shift, x, y);
}
