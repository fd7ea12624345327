#pragma once
// The default mapping of other vendors' control classes to the kinds of
// control the skin knows, one "ClassName=kind" line each.

#include <span>

std::span<const char* const> DefaultSkin3rd();
