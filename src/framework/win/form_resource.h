#pragma once
// A form's stored description, compiled into the program as an RCDATA
// resource, read into the form at creation.

#include "framework/class_registry.h"
#include "framework/component.h"

// The resource's bytes; raises Exception when the program has none.
AnsiString LoadFormResource(const char* resource_name);
void ReadFormResource(TComponent& root, const char* resource_name, const TClassRegistry& classes);
