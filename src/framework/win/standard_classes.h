#pragma once
// The framework's classes that a form description may name.

#include "framework/class_registry.h"

const TClassRegistry& StandardClasses();
