#include "framework/object.h"

const TClassInfo& TObject::StaticClassInfo() {
  static const TClassInfo info{"TObject", nullptr, {}, {}, nullptr};
  return info;
}

const TClassInfo& TPersistent::StaticClassInfo() {
  static const TClassInfo info = MakeClassInfo<TPersistent, TObject>("TPersistent");
  return info;
}

void TPersistent::Assign(const TPersistent& source) {
  throw EConvertError(AnsiString("Cannot assign a ") + source.ClassName() + " to a " + ClassName());
}
