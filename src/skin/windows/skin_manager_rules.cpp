#include "skin/windows/skin_manager_rules.h"

#include "framework/text.h"
#include "skin/windows/win32_values.h"

bool IsMdiClientClass(std::string_view class_name) {
  return SameText(class_name, "mdiclient");
}

bool IsOrdinaryChild(std::uint32_t style, std::uint32_t ex_style, bool parent_is_mdiclient) {
  return (style & kWsChild) && !(ex_style & kWsExMdiChild) && !parent_is_mdiclient;
}

bool PassesWindowFilter(const TWindowFacts& facts, bool scanning) {
  if (!scanning && IsOrdinaryChild(facts.Style, facts.ExStyle, facts.ParentIsMdiClient)) return false;
  if (!facts.HasFrameworkForm && !facts.SameModule && facts.ClassName != "#32770") return false;
  if (!facts.NonZeroArea && !(facts.ExStyle & kWsExMdiChild)) return false;
  // The literal 99, whatever the component's DisableTag says.
  if (facts.HasFrameworkForm && facts.FormTag == 99) return false;
  const std::string_view name = facts.ClassName;
  return name.find("TcxPopupEditPopupWindow") == std::string_view::npos &&
         name.find("TTERenderWindow") == std::string_view::npos && name != "TApplication";
}

bool AcceptsClass(std::string_view class_name, std::uint32_t style, bool options_have_preview) {
  const AnsiString lower = LowerCaseAscii(class_name);
  if (!options_have_preview && lower.find("preview") != AnsiString::npos) return false;
  if (class_name == "#32770" && (style & kDsSetForeground)) return false;
  return lower != "tpopupdbtreeview";
}

int SelectSkinDataIndex(std::span<const TSkinDataEntry> entries, TWindowHandle window,
                        std::string_view class_name) {
  const auto last_of = [&](auto&& match) {
    for (int i = static_cast<int>(entries.size()) - 1; i >= 0; --i)
      if (match(entries[i])) return i;
    return -1;
  };
  int found = last_of([&](const TSkinDataEntry& e) {
    return e.FormType == TSkinFormKind::sfOnlyThisForm && e.OwnerWindow != 0 && e.OwnerWindow == window;
  });
  if (found >= 0) return found;
  if (SameText(class_name, "tmessageform") || class_name == "#32770") {
    found = last_of([](const TSkinDataEntry& e) { return e.FormType == TSkinFormKind::sfDialog; });
    if (found >= 0) return found;
  }
  found = last_of([](const TSkinDataEntry& e) { return e.FormType == TSkinFormKind::sfMainform; });
  if (found >= 0) return found;
  return entries.empty() ? -1 : 0;
}

bool PopupMenuKindAllowed(TMenuKind kind, bool xc_popup_menu, bool xc_main_menu, bool xc_menu_item,
                          bool xc_system_menu) {
  switch (kind) {
    case TMenuKind::mkContext:
      return xc_popup_menu;
    case TMenuKind::mkMenuBar:
      return xc_main_menu || xc_menu_item;
    case TMenuKind::mkSystem:
      return xc_system_menu;
  }
  return false;
}

TCreatedWindowRole CreatedWindowRole(std::string_view class_name, std::uint32_t style,
                                     std::uint32_t ex_style) {
  if (class_name == "ScrollBar" && (style & kSbsSizeGrip)) return TCreatedWindowRole::cwSizeGrip;
  if (!(style & kWsChild) && class_name == "#32768") return TCreatedWindowRole::cwPopupMenu;
  if (ex_style & kWsExMdiChild) return TCreatedWindowRole::cwMdiChild;
  return TCreatedWindowRole::cwNone;
}
