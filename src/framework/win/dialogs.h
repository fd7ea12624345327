#pragma once
// The system's open and save file dialogs as components of a form.

#include "framework/win/win_api.h"

#include "framework/component.h"
#include "framework/set.h"

enum class TOpenOption {
  ofReadOnly,
  ofOverwritePrompt,
  ofHideReadOnly,
  ofEnableSizing,
  ofFileMustExist,
  ofPathMustExist
};
using TOpenOptions = TSet<TOpenOption>;
extern const TEnumInfo kOpenOptionInfo;

class TOpenDialog : public TComponent {
 public:
  explicit TOpenDialog(TComponent* owner) : TComponent(owner) {}

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  const AnsiString& DefaultExt() const { return default_ext_; }
  void SetDefaultExt(std::string_view ext) { default_ext_ = AnsiString(ext); }
  // "description|pattern|description|pattern..."
  const AnsiString& Filter() const { return filter_; }
  void SetFilter(std::string_view filter) { filter_ = AnsiString(filter); }
  const AnsiString& FileName() const { return file_name_; }
  void SetFileName(std::string_view name) { file_name_ = AnsiString(name); }
  const AnsiString& Title() const { return title_; }
  void SetTitle(std::string_view title) { title_ = AnsiString(title); }
  TOpenOptions Options() const { return options_; }
  void SetOptions(TOpenOptions options) { options_ = options; }

  // Shows the dialog; true with FileName set when the user chose a file.
  virtual bool Execute();

 protected:
  bool Run(bool save);

 private:
  AnsiString default_ext_;
  AnsiString filter_;
  AnsiString file_name_;
  AnsiString title_;
  TOpenOptions options_{TOpenOption::ofHideReadOnly, TOpenOption::ofEnableSizing};
};

class TSaveDialog : public TOpenDialog {
 public:
  using TOpenDialog::TOpenDialog;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool Execute() override;
};
