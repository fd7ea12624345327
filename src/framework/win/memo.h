#pragma once
// Multi-line edit box. Its Lines are the lines of the window's text, cut at
// hard line breaks; a bulk change (assigning a text or another list, loading a
// file) reaches the window as one WM_SETTEXT.

#include <memory>
#include "framework/string_list.h"

#include "framework/win/edit.h"
#include "framework/win/strings_property.h"

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
extern const TEnumInfo kScrollStyleInfo;

class TCustomMemo;

// The lines of a memo, read from the window's text on demand and kept until
// the text changes.
class TMemoStrings final : public TStrings {
 public:
  explicit TMemoStrings(TCustomMemo& memo) : memo_(memo) {}

  int Count() const override;
  AnsiString Get(int index) const override;
  void Insert(int index, std::string_view s) override;
  void Delete(int index) override;
  void Clear() override;
  // The window's text as it is.
  AnsiString Text() const override;
  void SetText(std::string_view text) override;

  // The window's text changed behind the cached lines.
  void Invalidate() { valid_ = false; }

 protected:
  void BeginUpdate() override { ++updates_; }
  void EndUpdate() override;

 private:
  void Load() const;
  void Changed();

  TCustomMemo& memo_;
  mutable TStringList lines_;  // the cached lines
  mutable bool valid_ = false;
  int updates_ = 0;     // nesting of bulk changes
  bool dirty_ = false;  // the cache holds changes the window lacks
};

class TCustomMemo : public TCustomEdit {
 public:
  explicit TCustomMemo(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TMemoStrings* Lines() { return &lines_; }
  // The lines as a published sub-object ("Lines.Strings").
  TStringsProperty* LinesProperty() const { return lines_property_.get(); }

  TScrollStyle ScrollBars() const { return scroll_bars_; }
  void SetScrollBars(TScrollStyle scroll_bars);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool word_wrap);
  bool WantTabs() const { return want_tabs_; }
  void SetWantTabs(bool want_tabs) { want_tabs_ = want_tabs; }

  void SetText(std::string_view text) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  void Changed() override;

 private:
  void WmGetDlgCode(TMessage& message);
  // Lines wrap at the window's width (no horizontal scrolling).
  bool Wraps() const;

  TMemoStrings lines_{*this};
  std::unique_ptr<TStringsProperty> lines_property_ = std::make_unique<TStringsProperty>(lines_);
  TScrollStyle scroll_bars_ = TScrollStyle::ssNone;
  bool word_wrap_ = true;
  bool want_tabs_ = false;  // Tab types a tab instead of moving the focus
};

class TMemo : public TCustomMemo {
 public:
  using TCustomMemo::TCustomMemo;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};
