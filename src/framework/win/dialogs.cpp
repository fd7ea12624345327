#include "framework/win/dialogs.h"

#include <commdlg.h>

#include <algorithm>

#include "framework/published.h"
#include "framework/win/wide.h"

namespace {
constexpr const char* kOpenOptionNames[] = {"ofReadOnly",     "ofOverwritePrompt", "ofHideReadOnly",
                                            "ofEnableSizing", "ofFileMustExist",   "ofPathMustExist"};
// Room for a long path in the file name box.
constexpr std::size_t kFileNameLength = 32768;

// The filter as the dialog takes it: NUL between the parts, two at the end.
std::wstring DialogFilter(const AnsiString& filter) {
  std::wstring wide = ToWide(filter);
  std::replace(wide.begin(), wide.end(), L'|', L'\0');
  wide.push_back(L'\0');
  wide.push_back(L'\0');
  return wide;
}
}  // namespace

const TEnumInfo kOpenOptionInfo{"TOpenOption", kOpenOptionNames};

const TClassInfo& TOpenDialog::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishString("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt),
      PublishString("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter),
      PublishString("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName),
      PublishString("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle),
      PublishSet("Options", kOpenOptionInfo, &TOpenDialog::Options, &TOpenDialog::SetOptions),
  };
  static const TClassInfo info = MakeClassInfo<TOpenDialog, TComponent>("TOpenDialog", properties);
  return info;
}

const TClassInfo& TSaveDialog::StaticClassInfo() {
  static const TClassInfo info = MakeClassInfo<TSaveDialog, TOpenDialog>("TSaveDialog");
  return info;
}

bool TOpenDialog::Execute() {
  return Run(false);
}

bool TSaveDialog::Execute() {
  return Run(true);
}

bool TOpenDialog::Run(bool save) {
  std::wstring name = ToWide(file_name_);
  name.resize(kFileNameLength, L'\0');
  const std::wstring filter = DialogFilter(filter_);
  const std::wstring ext = ToWide(default_ext_);
  const std::wstring title = ToWide(title_);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = GetActiveWindow();
  ofn.lpstrFilter = filter_.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.lpstrDefExt = ext.empty() ? nullptr : ext.c_str();
  ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR;
  if (options_.Contains(TOpenOption::ofReadOnly)) ofn.Flags |= OFN_READONLY;
  if (options_.Contains(TOpenOption::ofOverwritePrompt)) ofn.Flags |= OFN_OVERWRITEPROMPT;
  if (options_.Contains(TOpenOption::ofHideReadOnly)) ofn.Flags |= OFN_HIDEREADONLY;
  if (options_.Contains(TOpenOption::ofEnableSizing)) ofn.Flags |= OFN_ENABLESIZING;
  if (options_.Contains(TOpenOption::ofFileMustExist)) ofn.Flags |= OFN_FILEMUSTEXIST;
  if (options_.Contains(TOpenOption::ofPathMustExist)) ofn.Flags |= OFN_PATHMUSTEXIST;
  const BOOL chosen = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
  if (!chosen) return false;
  file_name_ = FromWide(name.c_str());
  return true;
}
