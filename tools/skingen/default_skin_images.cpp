#include "skin_art.h"
#include "skin_images.h"

TSkinImages DefaultSkinImages() {
  using namespace art;
  static const TSkinImageEntry kFrame[] = {
      {"left.bmp", LeftBorder},
      {"right.bmp", RightBorder},
      {"top.bmp", TopBorder},
      {"bottom.bmp", BottomBorder},
  };
  static const TSkinImageEntry kToggles[] = {
      {"check.bmp", CheckBox},
      {"radio.bmp", RadioButton},
  };
  return {kFrame, kToggles};
}
