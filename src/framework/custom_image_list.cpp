#include "framework/custom_image_list.h"

#include "framework/published.h"

const TClassInfo& TCustomImageList::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishInteger("Width", &TCustomImageList::Width, &TCustomImageList::SetWidth),
      PublishInteger("Height", &TCustomImageList::Height, &TCustomImageList::SetHeight),
  };
  static const TClassInfo info = MakeClassInfo<TCustomImageList, TComponent>("TCustomImageList", properties);
  return info;
}
