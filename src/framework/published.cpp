#include "framework/published.h"

namespace {
constexpr const char* kBooleanNames[] = {"False", "True"};
}  // namespace

const TEnumInfo kBooleanInfo{"Boolean", kBooleanNames};
