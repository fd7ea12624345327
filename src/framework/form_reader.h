#pragma once
// Builds a form from its description. The root object is the form itself,
// already constructed; every nested object is created by class name from the
// registry, owned by the form, and given the enclosing control as its parent.
// Properties are set by name in the order written; an event property names a
// handler in the form's method table; an object property named by an
// identifier refers to a component of the form and is resolved once all are
// created. A nested object that is not a control is handed its enclosing
// object through SetParentComponent (a menu item its menu). While reading, every component is csLoading;
// afterwards each gets Loaded(), in the order they were read, the form first.
//
// Unknown classes, properties and handlers, values of the wrong kind and
// syntax errors raise EParserError with the line. The components created by a
// failed read are freed again.

#include <string_view>

#include "framework/class_registry.h"
#include "framework/component.h"
#include "framework/form_tree.h"

void ReadForm(TComponent& root, std::string_view description, const TClassRegistry& classes);
void ReadForm(TComponent& root, const TFormObject& tree, const TClassRegistry& classes);
