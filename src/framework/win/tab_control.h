#pragma once
// Tab controls: superclasses of the common WC_TABCONTROL. The base keeps the
// tabs' texts in the window and the selected tab; TTabControl publishes the
// texts as Tabs, the page control derives them from its sheets. Children
// align inside the display area below the tabs.

#include <memory>

#include "framework/watched_strings.h"
#include "framework/win/win_control.h"

class TCustomTabControl : public TWinControl {
 public:
  explicit TCustomTabControl(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The selected tab, -1 for none.
  int TabIndex() const { return tab_index_; }
  void SetTabIndex(int index);

  const TNotifyEvent& OnChange() const { return on_change_; }
  void SetOnChange(TNotifyEvent handler) { on_change_ = std::move(handler); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override { UpdateTabs(); }
  void WndProc(TMessage& message) override;
  void AdjustClientRect(layout::Rect& rect) const override;
  // The tabs' texts, in order.
  virtual TStringArray TabTexts() const = 0;
  // Puts the tabs into the window again.
  void UpdateTabs();
  // After the selected tab changed, by the user or by code.
  virtual void TabChanged();

 private:
  void CnNotify(TMessage& message);

  int tab_index_ = -1;
  TNotifyEvent on_change_;
};

class TTabControl : public TCustomTabControl {
 public:
  explicit TTabControl(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TStrings* Tabs() const { return tabs_.get(); }

 protected:
  TStringArray TabTexts() const override { return tabs_->Strings(); }

 private:
  std::unique_ptr<TWatchedStrings> tabs_;
};
