#pragma once
// Multi-line edit box. Its Lines are the lines of the window's text, cut at
// hard line breaks; a bulk change (assigning a text or another list, loading a
// file) reaches the window as one WM_SETTEXT.
//
// A large text, or one of many lines, fills the window progressively: the
// first part at once, the rest appended at the end while the program is idle,
// keeping the selection and the scroll position, so that it shows without
// waiting for the edit control to lay out every line. The control holds the whole text from the
// start; whatever reads or edits the window's text (the text and line
// messages, typing, pasting, selecting) first finishes the fill.

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
  // Part of a large text is still to reach the window.
  bool Filling() const { return fill_at_ < fill_text_.size(); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  void Changed() override;

 private:
  void WmGetDlgCode(TMessage& message);
  void WmSetText(TMessage& message);
  // ssHorizontal or ssVertical: whether the memo has that scroll bar.
  bool HasScrollBar(TScrollStyle bar) const;
  // Lines wrap at the window's width (no horizontal scrolling).
  bool Wraps() const;
  // The progressive fill: the next part, all the rest, one append.
  void FillMore();
  void FinishFill();
  void StopFill();
  void AppendToWindow(const std::wstring& part);

  TMemoStrings lines_{*this};
  std::unique_ptr<TStringsProperty> lines_property_ = std::make_unique<TStringsProperty>(lines_);
  TScrollStyle scroll_bars_ = TScrollStyle::ssNone;
  bool word_wrap_ = true;
  bool want_tabs_ = false;  // Tab types a tab instead of moving the focus

  // Progressive fill.
  std::wstring fill_text_;     // the whole text, while it fills
  std::size_t fill_at_ = 0;    // how much of it the window has
  bool filling_ = false;       // the window's own changes come from the fill
  bool setting_text_ = false;  // the window's text comes from SetText
};

class TMemo : public TCustomMemo {
 public:
  using TCustomMemo::TCustomMemo;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};
