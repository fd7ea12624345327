#include <gtest/gtest.h>

#include <vector>

#include "skin/windows/skin_manager_rules.h"
#include "skin/windows/win32_values.h"

namespace {
TWindowFacts FrameworkForm() {
  TWindowFacts f;
  f.ClassName = "Tfrmmain";
  f.Style = kWsCaption | kWsSysMenu;
  f.HasFrameworkForm = true;
  f.SameModule = true;
  f.NonZeroArea = true;
  return f;
}
}  // namespace

TEST(WindowFilter, ChildrenOnlyWhenScanningOrInMdiClient) {
  TWindowFacts f = FrameworkForm();
  EXPECT_TRUE(PassesWindowFilter(f, false));
  f.Style |= kWsChild;
  EXPECT_FALSE(PassesWindowFilter(f, false));
  EXPECT_TRUE(PassesWindowFilter(f, true));
  f.ParentIsMdiClient = true;
  EXPECT_TRUE(PassesWindowFilter(f, false));
  f.ParentIsMdiClient = false;
  f.ExStyle = kWsExMdiChild;
  EXPECT_TRUE(PassesWindowFilter(f, false));
  EXPECT_TRUE(IsMdiClientClass("MDIClient"));
  EXPECT_FALSE(IsMdiClientClass("MDIClient2"));
}

TEST(WindowFilter, ForeignWindowsTagAreaAndExcludedClasses) {
  TWindowFacts f = FrameworkForm();
  f.HasFrameworkForm = false;
  f.SameModule = false;
  EXPECT_FALSE(PassesWindowFilter(f, false));
  f.ClassName = "#32770";
  EXPECT_TRUE(PassesWindowFilter(f, false));
  f.FormTag = 99;  // no framework form: the tag means nothing
  EXPECT_TRUE(PassesWindowFilter(f, false));
  f = FrameworkForm();
  f.FormTag = 99;
  EXPECT_FALSE(PassesWindowFilter(f, false));
  f.FormTag = 98;
  f.NonZeroArea = false;
  EXPECT_FALSE(PassesWindowFilter(f, false));
  f.ExStyle = kWsExMdiChild;
  EXPECT_TRUE(PassesWindowFilter(f, false));
  for (const char* name : {"xTcxPopupEditPopupWindow1", "TTERenderWindow", "TApplication"}) {
    f.ClassName = name;
    EXPECT_FALSE(PassesWindowFilter(f, false)) << name;
  }
  f.ClassName = "TApplicationX";
  EXPECT_TRUE(PassesWindowFilter(f, false));
}

TEST(ClassAcceptance, PreviewDialogStyleAndTreeView) {
  EXPECT_FALSE(AcceptsClass("TfrmPrintPREVIEW", 0, false));
  EXPECT_TRUE(AcceptsClass("TfrmPrintPREVIEW", 0, true));
  EXPECT_FALSE(AcceptsClass("#32770", kDsSetForeground, true));
  EXPECT_TRUE(AcceptsClass("TForm1", kDsSetForeground, true));
  EXPECT_FALSE(AcceptsClass("TPopupDBTreeView", 0, true));
  EXPECT_TRUE(AcceptsClass("#32770", kDsModalFrame, false));
}

TEST(SkinDataSelection, OwnFormThenDialogThenMainThenFirst) {
  using K = TSkinFormKind;
  const std::vector<TSkinDataEntry> entries = {
      {K::sfDLL, 0},      {K::sfMainform, 0}, {K::sfOnlyThisForm, 0x100}, {K::sfDialog, 0},
      {K::sfMainform, 0}, {K::sfDialog, 0},   {K::sfOnlyThisForm, 0x100}};
  EXPECT_EQ(SelectSkinDataIndex(entries, 0x100, "#32770"), 6);
  EXPECT_EQ(SelectSkinDataIndex(entries, 0x200, "TMESSAGEFORM"), 5);
  EXPECT_EQ(SelectSkinDataIndex(entries, 0x200, "TForm1"), 4);
  const std::vector<TSkinDataEntry> others = {{K::sfDLL, 0}, {K::sfDialog, 0}};
  EXPECT_EQ(SelectSkinDataIndex(others, 0x200, "TForm1"), 0);
  EXPECT_EQ(SelectSkinDataIndex(others, 0, "TForm1"), 0);
  EXPECT_EQ(SelectSkinDataIndex({}, 0x200, "#32770"), -1);
}

TEST(CreatedWindows, SizeGripPopupMenuMdiChild) {
  EXPECT_EQ(CreatedWindowRole("ScrollBar", kWsChild | kSbsSizeGrip, 0), TCreatedWindowRole::cwSizeGrip);
  EXPECT_EQ(CreatedWindowRole("ScrollBar", kWsChild, 0), TCreatedWindowRole::cwNone);
  EXPECT_EQ(CreatedWindowRole("#32768", kWsPopup, 0), TCreatedWindowRole::cwPopupMenu);
  EXPECT_EQ(CreatedWindowRole("#32768", kWsChild, 0), TCreatedWindowRole::cwNone);
  EXPECT_EQ(CreatedWindowRole("TChild", kWsChild, kWsExMdiChild), TCreatedWindowRole::cwMdiChild);
}
