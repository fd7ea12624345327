#include "skin/controls/win/skin_control_factory.h"

#include <algorithm>

TSkinControlFactory SkinControlFactory() {
  // One row a control skin class, as the classes come.
  static constexpr TSkinControlFactoryRow kRows[] = {
      {TSkinControlClass::scNone, nullptr},
  };
  return kRows;
}

TSkinControlCreator FindCreator(TSkinControlFactory table, TSkinControlClass cls) {
  const auto row = std::ranges::find(table, cls, &TSkinControlFactoryRow::Class);
  return row != table.end() ? row->Create : nullptr;
}
