#include "skin/windows/system_menu.h"

#include "skin/windows/win32_values.h"

namespace {

std::vector<TSystemMenuItem> FixedItems(const TSystemMenuState& state) {
  std::vector<TSystemMenuItem> items;
  const auto add = [&](const char* text, unsigned tag, const char* shortcut = "") {
    items.push_back({text, shortcut, tag, static_cast<int>(tag), true, false});
  };
  add(" Restore ", 0);
  if (state.HasMaximizeBox) add(" Maximize ", 1);
  if (state.HasMinimizeBox) add(" Minimize ", 2);
  add("-", 100);
  add(" Close ", 3, "ALT+F4");
  return items;
}

TSystemMenuItem CopiedItem(const TNativeMenuItem& native, const TSystemMenuState& state) {
  TSystemMenuItem item;
  item.Text = native.Text.empty() ? "-" : native.Text;
  item.Tag = native.Id;
  const bool maximized = state.Show == TShowState::ssMaximized;
  const bool minimized = state.Show == TShowState::ssMinimized;
  switch (native.Id) {
    case kScSize:
    case kScMove:
      item.Enabled = !maximized;
      break;
    case kScMinimize:
      item.ImageIndex = 2;
      item.Enabled = !minimized && state.HasMinimizeBox;
      break;
    case kScMaximize:
      item.ImageIndex = 1;
      item.Enabled = !maximized && state.HasMaximizeBox;
      break;
    case kScClose:
      item.ImageIndex = 3;
      break;
    case kScRestore:
      item.ImageIndex = 0;
      item.Enabled = state.Show != TShowState::ssNormal;
      break;
  }
  // The window's own greying (a class without close, an application's choice) stands.
  if (native.State == kMfsGrayed) item.Enabled = false;
  item.Checked = (native.State & kMfsChecked) != 0;
  return item;
}

}  // namespace

std::vector<TSystemMenuItem> BuildSystemMenuItems(std::span<const TNativeMenuItem> native_items,
                                                  const TSystemMenuState& state, bool fixed_menu) {
  if (fixed_menu) return FixedItems(state);
  std::vector<TSystemMenuItem> items;
  items.reserve(native_items.size());
  for (const TNativeMenuItem& native : native_items) items.push_back(CopiedItem(native, state));
  return items;
}

bool IsForwardedSystemCommand(unsigned command) {
  switch (command) {
    case kScSize:
    case kScMove:
    case kScMinimize:
    case kScMaximize:
    case kScNextWindow:
    case kScPrevWindow:
    case kScClose:
    case kScRestore:
      return true;
    default:
      return false;
  }
}

TSystemMenuRequest SystemMenuRequest(std::uint32_t now_ms, std::optional<std::uint32_t> last_open_ms,
                                     int double_click_ms, bool from_caption_button) {
  // Unsigned subtraction keeps the interval right across the tick counter's wrap.
  if (!last_open_ms || double_click_ms < 0 ||
      now_ms - *last_open_ms > static_cast<std::uint32_t>(double_click_ms))
    return TSystemMenuRequest::smOpen;
  return from_caption_button ? TSystemMenuRequest::smCloseWindow : TSystemMenuRequest::smIgnore;
}
