#pragma once
// Status bar: a superclass of the common STATUSCLASSNAME, docked at the
// bottom. Its Panels (a collection) are the window's parts, each as wide as
// its Width, the last reaching the right edge; with SimplePanel on it shows
// SimpleText alone.

#include <memory>

#include "framework/collection.h"
#include "framework/win/label.h"
#include "framework/win/win_control.h"

class TStatusBar;

enum class TStatusPanelBevel { pbNone, pbLowered, pbRaised };
extern const TEnumInfo kStatusPanelBevelInfo;

class TStatusPanel : public TCollectionItem {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  const AnsiString& Text() const { return text_; }
  void SetText(std::string_view text);
  int Width() const { return width_; }
  void SetWidth(int width);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  TStatusPanelBevel Bevel() const { return bevel_; }
  void SetBevel(TStatusPanelBevel bevel);

 private:
  AnsiString text_;
  int width_ = 50;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  TStatusPanelBevel bevel_ = TStatusPanelBevel::pbLowered;
};

class TStatusPanels : public TCollection {
 public:
  explicit TStatusPanels(TStatusBar& owner) : owner_(owner) {}

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TStatusPanel* Items(int index) const { return static_cast<TStatusPanel*>(TCollection::Items(index)); }
  TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }

 protected:
  std::unique_ptr<TCollectionItem> NewItem() override { return std::make_unique<TStatusPanel>(); }
  void Update(TCollectionItem* item) override;

 private:
  TStatusBar& owner_;
};

class TStatusBar : public TWinControl {
 public:
  explicit TStatusBar(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TStatusPanels* Panels() const { return panels_.get(); }
  bool SimplePanel() const { return simple_panel_; }
  void SetSimplePanel(bool simple_panel);
  const AnsiString& SimpleText() const { return simple_text_; }
  void SetSimpleText(std::string_view text);
  bool SizeGrip() const { return size_grip_; }
  void SetSizeGrip(bool size_grip);

  // Puts the panels into the window again.
  void UpdatePanels();

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override { UpdatePanels(); }

 private:
  std::unique_ptr<TStatusPanels> panels_ = std::make_unique<TStatusPanels>(*this);
  bool simple_panel_ = false;
  AnsiString simple_text_;
  bool size_grip_ = true;
};
