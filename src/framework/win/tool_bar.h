#pragma once
// Tool bar: a superclass of the common TOOLBARCLASSNAME, docked at the top.
// Its buttons are TToolButton components nested in it (as a description
// writes them), shown as the window's own buttons in the order they joined;
// a button's command comes back to it as OnClick.

#include <vector>

#include "framework/component.h"
#include "framework/win/win_control.h"

class TImageList;
class TToolBar;

enum class TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };
extern const TEnumInfo kToolButtonStyleInfo;

class TToolButton : public TComponent {
 public:
  explicit TToolButton(TComponent* owner) : TComponent(owner) {}

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TToolBar* ToolBar() const { return tool_bar_; }
  // Joins the tool bar as its last button.
  void SetToolBar(TToolBar* tool_bar);
  void SetParentComponent(TComponent* parent) override;

  const AnsiString& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  const AnsiString& Hint() const { return hint_; }
  void SetHint(std::string_view hint) { hint_ = AnsiString(hint); }
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int index);
  TToolButtonStyle Style() const { return style_; }
  void SetStyle(TToolButtonStyle style);
  // A checked button of style tbsCheck; Grouped ones release each other.
  bool Down() const { return down_; }
  void SetDown(bool down);
  bool Grouped() const { return grouped_; }
  void SetGrouped(bool grouped);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  const TNotifyEvent& OnClick() const { return on_click_; }
  void SetOnClick(TNotifyEvent handler) { on_click_ = std::move(handler); }
  void Click() { on_click_(this); }

 protected:
  void BeforeDestruction() noexcept override;

 private:
  friend class TToolBar;
  void Changed();

  TToolBar* tool_bar_ = nullptr;  // not owned
  AnsiString caption_;
  AnsiString hint_;
  int image_index_ = -1;
  TToolButtonStyle style_ = TToolButtonStyle::tbsButton;
  bool down_ = false;
  bool grouped_ = false;
  bool enabled_ = true;
  TNotifyEvent on_click_;
};

class TToolBar : public TWinControl {
 public:
  explicit TToolBar(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TToolButton* Buttons(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
  int ButtonWidth() const { return button_width_; }
  void SetButtonWidth(int width);
  int ButtonHeight() const { return button_height_; }
  void SetButtonHeight(int height);
  bool Flat() const { return flat_; }
  void SetFlat(bool flat);
  bool ShowCaptions() const { return show_captions_; }
  void SetShowCaptions(bool show);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override { UpdateButtons(); }
  void WndProc(TMessage& message) override;
  void BeforeDestruction() noexcept override;

 private:
  friend class TToolButton;
  void InsertButton(TToolButton* button);
  void RemoveButton(TToolButton* button);
  // Puts the buttons into the window again.
  void UpdateButtons();
  // Shows the buttons' Down and Enabled; the buttons stay, so that a
  // button's own click may change them.
  void UpdateStates();
  static BYTE ButtonState(const TToolButton& button);
  void CnCommand(TMessage& message);

  std::vector<TToolButton*> buttons_;  // not owned: components of the form
  int button_width_ = 23;
  int button_height_ = 22;
  bool flat_ = true;
  bool show_captions_ = false;
  TImageList* images_ = nullptr;  // not owned
};
