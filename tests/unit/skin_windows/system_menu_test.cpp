#include <gtest/gtest.h>

#include <vector>

#include "skin/windows/system_menu.h"
#include "skin/windows/win32_values.h"

namespace {
const std::vector<TNativeMenuItem> kStandardMenu = {
    {kScRestore, "&Restore", 0},     {kScMove, "&Move", 0},         {kScSize, "&Size", 0},
    {kScMinimize, "Mi&nimize", 0},   {kScMaximize, "Ma&ximize", 0}, {0, "", 0},
    {kScClose, "&Close\tAlt+F4", 0},
};
struct Expect {
  const char* text;
  int image;
  bool enabled;
};
void ExpectItems(const std::vector<TSystemMenuItem>& items, const std::vector<Expect>& expected) {
  ASSERT_EQ(items.size(), expected.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(items[i].Text, expected[i].text) << i;
    EXPECT_EQ(items[i].ImageIndex, expected[i].image) << i;
    EXPECT_EQ(items[i].Enabled, expected[i].enabled) << i;
  }
}
}  // namespace

TEST(SystemMenu, CopiesTheWindowsItemsWithItsState) {
  const TSystemMenuState normal{TShowState::ssNormal, true, false};
  const auto items = BuildSystemMenuItems(kStandardMenu, normal, false);
  ExpectItems(items, {{"&Restore", 0, false},
                      {"&Move", -1, true},
                      {"&Size", -1, true},
                      {"Mi&nimize", 2, true},
                      {"Ma&ximize", 1, false},
                      {"-", -1, true},
                      {"&Close\tAlt+F4", 3, true}});
  EXPECT_EQ(items[6].Tag, kScClose);
  EXPECT_EQ(items[5].Tag, 0u);

  const TSystemMenuState maximized{TShowState::ssMaximized, true, true};
  ExpectItems(BuildSystemMenuItems(kStandardMenu, maximized, false), {{"&Restore", 0, true},
                                                                      {"&Move", -1, false},
                                                                      {"&Size", -1, false},
                                                                      {"Mi&nimize", 2, true},
                                                                      {"Ma&ximize", 1, false},
                                                                      {"-", -1, true},
                                                                      {"&Close\tAlt+F4", 3, true}});
}

TEST(SystemMenu, GreyedAndCheckedStatesOfTheWindowStand) {
  const std::vector<TNativeMenuItem> native = {
      {kScClose, "&Close", kMfsGrayed}, {0x1234, "Own", kMfsChecked}, {0x1235, "Half", kMfGrayed}};
  const auto items = BuildSystemMenuItems(native, {TShowState::ssNormal, true, true}, false);
  EXPECT_FALSE(items[0].Enabled);
  EXPECT_TRUE(items[1].Checked);
  EXPECT_EQ(items[1].Tag, 0x1234u);
  EXPECT_TRUE(items[2].Enabled);  // only the exact greyed state disables
}

TEST(SystemMenu, FixedMenuForOldSystems) {
  const auto items = BuildSystemMenuItems(kStandardMenu, {TShowState::ssNormal, true, false}, true);
  ExpectItems(items,
              {{" Restore ", 0, true}, {" Minimize ", 2, true}, {"-", 100, true}, {" Close ", 3, true}});
  EXPECT_EQ(items[3].ShortCut, "ALT+F4");
  EXPECT_EQ(items[2].Tag, 100u);
  EXPECT_EQ(BuildSystemMenuItems({}, {TShowState::ssNormal, false, true}, true)[1].Text, " Maximize ");
}

TEST(SystemMenu, SecondRequestWithinDoubleClickTimeCloses) {
  EXPECT_EQ(SystemMenuRequest(100, std::nullopt, 500, true), TSystemMenuRequest::smOpen);
  EXPECT_EQ(SystemMenuRequest(1400, 1000, 500, true), TSystemMenuRequest::smCloseWindow);
  EXPECT_EQ(SystemMenuRequest(1500, 1000, 500, true), TSystemMenuRequest::smCloseWindow);
  EXPECT_EQ(SystemMenuRequest(1501, 1000, 500, true), TSystemMenuRequest::smOpen);
  EXPECT_EQ(SystemMenuRequest(1400, 1000, 500, false), TSystemMenuRequest::smIgnore);
  EXPECT_EQ(SystemMenuRequest(1400, 1000, -1, true), TSystemMenuRequest::smOpen);
  // Across the tick counter's wrap.
  EXPECT_EQ(SystemMenuRequest(100, 0xFFFFFF00u, 500, true), TSystemMenuRequest::smCloseWindow);
  EXPECT_TRUE(IsForwardedSystemCommand(kScNextWindow));
  EXPECT_FALSE(IsForwardedSystemCommand(kScKeyMenu));
}
