#pragma once
// The portable face of an image list: a row of equally sized images that
// menus (and other users) draw by index. The images themselves live in the
// window layer's TImageList.

#include "framework/component.h"

class TCustomImageList : public TComponent {
 public:
  using TComponent::TComponent;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int Width() const { return width_; }
  int Height() const { return height_; }
  // A new size drops the images: they were cut for the old one.
  virtual void SetWidth(int width) { width_ = width; }
  virtual void SetHeight(int height) { height_ = height; }
  virtual int Count() const = 0;

 private:
  int width_ = 16;
  int height_ = 16;
};
