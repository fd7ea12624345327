#pragma once
// An image list of the system's common controls: equally sized images with
// masks, added from bitmaps and drawn by index, greyed for disabled use.
// Changing the size empties the list.

#include "framework/win/win_api.h"

#include <commctrl.h>

#include "framework/colors.h"
#include "framework/custom_image_list.h"

class TImageList : public TCustomImageList {
 public:
  explicit TImageList(TComponent* owner);
  ~TImageList() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void SetWidth(int width) override;
  void SetHeight(int height) override;
  int Count() const override;
  HIMAGELIST Handle() const { return handle_; }

  // Adds the images cut from a bitmap as wide as a whole number of images;
  // the index of the first, or -1 when the list cannot take them. The
  // bitmaps stay the caller's.
  int Add(HBITMAP image, HBITMAP mask);
  // As Add, with the pixels of `transparent` as the mask.
  int AddMasked(HBITMAP image, TColor transparent);
  // Draws an image with its top-left at (x, y); disabled images are greyed.
  void Draw(HDC dc, int x, int y, int index, bool enabled = true) const;

 private:
  void Recreate();

  HIMAGELIST handle_ = nullptr;
};
