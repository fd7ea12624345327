#pragma once
// Page control: a tab control whose tabs are its tab sheets, one tab a sheet
// in the order they joined it, showing only the active sheet. A sheet joins
// by taking the page control as its parent (as a description nests it).

#include <vector>

#include "framework/win/tab_control.h"

class TPageControl;

class TTabSheet : public TWinControl {
 public:
  explicit TTabSheet(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TPageControl* PageControl() const;
  void SetPageControl(TPageControl* page_control);
  // The sheet's place among its page control's sheets, -1 outside one.
  int PageIndex() const;

  void SetParent(TControl* parent) override;
  void SetText(std::string_view text) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void BeforeDestruction() noexcept override;
};

class TPageControl : public TCustomTabControl {
 public:
  using TCustomTabControl::TCustomTabControl;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
  TTabSheet* ActivePage() const { return active_; }
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const { return TabIndex(); }
  void SetActivePageIndex(int index);

 protected:
  void CreateParams(TCreateParams& params) override;
  TStringArray TabTexts() const override;
  void TabChanged() override;
  void Loaded() override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void PageCaptionChanged() { UpdateTabs(); }
  void ShowActivePage();

  std::vector<TTabSheet*> pages_;  // children, freed with the control
  TTabSheet* active_ = nullptr;
};
