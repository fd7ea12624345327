#include "framework/win/tool_bar.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "framework/published.h"
#include "framework/win/image_list.h"
#include "framework/win/wide.h"

namespace {
constexpr const char* kStyleNames[] = {"tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator", "tbsDivider"};
// Button commands are their place plus this, clear of menu commands.
constexpr int kFirstCommand = 0x7000;
}  // namespace

const TEnumInfo kToolButtonStyleInfo{"TToolButtonStyle", kStyleNames};

const TClassInfo& TToolButton::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishString("Caption", &TToolButton::Caption, &TToolButton::SetCaption),
      PublishString("Hint", &TToolButton::Hint, &TToolButton::SetHint),
      PublishInteger("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex),
      PublishEnum("Style", kToolButtonStyleInfo, &TToolButton::Style, &TToolButton::SetStyle),
      PublishBoolean("Down", &TToolButton::Down, &TToolButton::SetDown),
      PublishBoolean("Grouped", &TToolButton::Grouped, &TToolButton::SetGrouped),
      PublishBoolean("Enabled", &TToolButton::Enabled, &TToolButton::SetEnabled),
      PublishEvent("OnClick", &TToolButton::OnClick, &TToolButton::SetOnClick),
  };
  static const TClassInfo info = MakeClassInfo<TToolButton, TComponent>("TToolButton", properties);
  return info;
}

void TToolButton::SetToolBar(TToolBar* tool_bar) {
  if (tool_bar == tool_bar_) return;
  if (tool_bar_ != nullptr) tool_bar_->RemoveButton(this);
  tool_bar_ = tool_bar;
  if (tool_bar_ != nullptr) tool_bar_->InsertButton(this);
}

void TToolButton::SetParentComponent(TComponent* parent) {
  auto* tool_bar = ObjectAs<TToolBar>(parent);
  if (tool_bar == nullptr) throw EComponentError("A tool button belongs in a tool bar");
  SetToolBar(tool_bar);
}

void TToolButton::SetCaption(std::string_view caption) {
  caption_ = AnsiString(caption);
  Changed();
}

void TToolButton::SetImageIndex(int index) {
  image_index_ = index;
  Changed();
}

void TToolButton::SetStyle(TToolButtonStyle style) {
  style_ = style;
  Changed();
}

void TToolButton::SetDown(bool down) {
  if (down == down_) return;
  down_ = down;
  if (tool_bar_ == nullptr) return;
  if (down_ && grouped_) {
    for (TToolButton* other : tool_bar_->buttons_) {
      if (other != this && other->grouped_) other->down_ = false;
    }
  }
  tool_bar_->UpdateStates();
}

void TToolButton::SetGrouped(bool grouped) {
  grouped_ = grouped;
  Changed();
}

void TToolButton::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (tool_bar_ != nullptr) tool_bar_->UpdateStates();
}

void TToolButton::Changed() {
  if (tool_bar_ != nullptr) tool_bar_->UpdateButtons();
}

void TToolButton::BeforeDestruction() noexcept {
  if (tool_bar_ != nullptr) tool_bar_->RemoveButton(this);
  tool_bar_ = nullptr;
  TComponent::BeforeDestruction();
}

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 150, 29);
  SetAlign(TAlign::alTop);
}

const TClassInfo& TToolBar::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishInteger("ButtonWidth", &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth),
      PublishInteger("ButtonHeight", &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight),
      PublishBoolean("Flat", &TToolBar::Flat, &TToolBar::SetFlat),
      PublishBoolean("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions),
      PublishObject("Images", &TToolBar::Images, &TToolBar::SetImages),
  };
  static const TClassInfo info = MakeClassInfo<TToolBar, TWinControl>("TToolBar", properties);
  return info;
}

void TToolBar::SetButtonWidth(int width) {
  button_width_ = width;
  UpdateButtons();
}

void TToolBar::SetButtonHeight(int height) {
  button_height_ = height;
  UpdateButtons();
}

void TToolBar::SetFlat(bool flat) {
  flat_ = flat;
  RecreateWnd();
}

void TToolBar::SetShowCaptions(bool show) {
  show_captions_ = show;
  UpdateButtons();
}

void TToolBar::SetImages(TImageList* images) {
  images_ = images;
  UpdateButtons();
}

void TToolBar::InsertButton(TToolButton* button) {
  buttons_.push_back(button);
  UpdateButtons();
}

void TToolBar::RemoveButton(TToolButton* button) {
  std::erase(buttons_, button);
  if (!HasState(TComponentStateFlag::csDestroying)) UpdateButtons();
}

void TToolBar::BeforeDestruction() noexcept {
  // The buttons may outlive the bar: they belong to the form.
  for (TToolButton* button : buttons_) button->tool_bar_ = nullptr;
  buttons_.clear();
  TWinControl::BeforeDestruction();
}

void TToolBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.window_class = {L"TToolBar", TOOLBARCLASSNAMEW};
  // The framework places the bar; the window must not dock itself.
  params.style |=
      CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | TBSTYLE_TOOLTIPS | (flat_ ? TBSTYLE_FLAT : 0);
}

void TToolBar::UpdateButtons() {
  if (!HandleAllocated()) return;
  HWND wnd = WindowHandle();
  SendMessageW(wnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(wnd, TB_SETIMAGELIST, 0,
               reinterpret_cast<LPARAM>(images_ != nullptr ? images_->Handle() : nullptr));
  while (SendMessageW(wnd, TB_BUTTONCOUNT, 0, 0) > 0) SendMessageW(wnd, TB_DELETEBUTTON, 0, 0);
  std::vector<std::wstring> captions;
  for (const TToolButton* button : buttons_) captions.push_back(ToWide(button->Caption()) + L'\0');
  std::vector<TBBUTTON> items(buttons_.size());
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const TToolButton& b = *buttons_[i];
    TBBUTTON& item = items[i];
    const bool separator =
        b.Style() == TToolButtonStyle::tbsSeparator || b.Style() == TToolButtonStyle::tbsDivider;
    item.iBitmap = separator ? 0 : b.ImageIndex();
    item.idCommand = kFirstCommand + static_cast<int>(i);
    item.fsState = ButtonState(b);
    item.fsStyle = static_cast<BYTE>(separator                                    ? BTNS_SEP
                                     : b.Style() == TToolButtonStyle::tbsCheck    ? BTNS_CHECK
                                     : b.Style() == TToolButtonStyle::tbsDropDown ? BTNS_DROPDOWN
                                                                                  : BTNS_BUTTON);
    item.iString = show_captions_ ? reinterpret_cast<INT_PTR>(captions[i].c_str()) : -1;
  }
  if (!items.empty()) SendMessageW(wnd, TB_ADDBUTTONSW, items.size(), reinterpret_cast<LPARAM>(items.data()));
  SendMessageW(wnd, TB_SETBUTTONSIZE, 0, MAKELPARAM(button_width_, button_height_));
  SendMessageW(wnd, TB_AUTOSIZE, 0, 0);
}

BYTE TToolBar::ButtonState(const TToolButton& button) {
  return static_cast<BYTE>((button.Enabled() ? TBSTATE_ENABLED : 0) | (button.Down() ? TBSTATE_CHECKED : 0));
}

void TToolBar::UpdateStates() {
  if (!HandleAllocated()) return;
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    SendMessageW(WindowHandle(), TB_SETSTATE, kFirstCommand + i, MAKELPARAM(ButtonState(*buttons_[i]), 0));
  }
}

void TToolBar::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND:
      return CnCommand(m);
    default:
      return TWinControl::WndProc(m);
  }
}

void TToolBar::CnCommand(TMessage& m) {
  const int index = static_cast<int>(LOWORD(m.WParam)) - kFirstCommand;
  if (index < 0 || index >= ButtonCount()) return;
  TToolButton* button = Buttons(index);
  if (button->Style() == TToolButtonStyle::tbsCheck) {
    const bool checked = SendMessageW(WindowHandle(), TB_ISBUTTONCHECKED, LOWORD(m.WParam), 0) != 0;
    // A grouped button stays down: only another of its group releases it.
    button->SetDown(checked || button->Grouped());
  }
  button->Click();
}
