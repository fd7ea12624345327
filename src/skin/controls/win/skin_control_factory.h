#pragma once
// The control skin classes the engine can make, one row a class: what the
// control mapping chooses is made through this table, so a class without a
// row gets no object. Tests hand the mapper a table of their own.

#include <span>

#include "skin/controls/skin_mapping.h"

class TComponent;
class TSkinControl;

// Makes an object of the row's class in the mode `choice` describes, owned by
// `owner` (the framework control it skins, or null for a bare window).
using TSkinControlCreator = TSkinControl* (*)(TComponent* owner, const TSkinChoice& choice);

struct TSkinControlFactoryRow {
  TSkinControlClass Class;
  TSkinControlCreator Create;
};

using TSkinControlFactory = std::span<const TSkinControlFactoryRow>;

// The program's table.
TSkinControlFactory SkinControlFactory();
// The creator of that class in the table, or null.
TSkinControlCreator FindCreator(TSkinControlFactory table, TSkinControlClass cls);
