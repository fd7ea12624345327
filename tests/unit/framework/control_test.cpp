#include "framework/control.h"

#include <gtest/gtest.h>

TEST(Control, ParentsFreeTheirChildrenAndChildrenLeaveTheirParent) {
  TComponent form(nullptr);
  auto* panel = new TControl(&form);
  auto* inner = new TControl(&form);
  auto* button = new TControl(&form);
  inner->SetParent(panel);
  button->SetParent(inner);
  EXPECT_THROW(panel->SetParent(button), EComponentError);
  EXPECT_EQ(panel->Parent(), nullptr);
  auto* other = new TControl(&form);
  other->SetParent(inner);
  delete other;
  EXPECT_EQ(inner->ControlCount(), 1);
  delete panel;
  EXPECT_EQ(form.ComponentCount(), 0) << "inner and button went with panel";
}

TEST(Control, ChildrenFollowTheParentFontUntilGivenTheirOwn) {
  TControl parent(nullptr);
  auto* follower = new TControl(&parent);
  auto* own = new TControl(&parent);
  own->Font()->SetName("Arial");
  EXPECT_FALSE(own->ParentFont());
  parent.Font()->SetName("宋体");
  follower->SetParent(&parent);
  own->SetParent(&parent);
  EXPECT_EQ(follower->Font()->Name(), "宋体");
  parent.Font()->SetHeight(-12);
  EXPECT_EQ(follower->Font()->Height(), -12);
  EXPECT_TRUE(follower->ParentFont());
  EXPECT_EQ(own->Font()->Name(), "Arial");
  own->SetParentFont(true);
  EXPECT_EQ(own->Font()->Name(), "宋体");
  EXPECT_EQ(own->Font()->Height(), -12);
}

TEST(Control, FontSizeAndHeightConvertAtNinetySixPixelsPerInch) {
  TFont font;
  font.SetSize(9);
  EXPECT_EQ(font.Height(), -12);
  font.SetHeight(-11);
  EXPECT_EQ(font.Size(), 8);
  font.SetHeight(16);
  EXPECT_EQ(font.Size(), -12);
  int changes = 0;
  font.SetOnChange([&] { ++changes; });
  TFont other;
  other.SetStyle({TFontStyle::fsBold, TFontStyle::fsItalic});
  font.Assign(other);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(font.SameAs(other));
  TControl control(nullptr);
  EXPECT_THROW(font.Assign(control), EConvertError);
}
