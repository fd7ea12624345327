#pragma once
// The locale's order of many texts at once, for sorting: each distinct text
// gets its sort key once and the texts are ranked by their keys.

#include <cstdint>
#include <string_view>
#include <vector>

#include "framework/locale.h"
#include "framework/text.h"

// One rank per item: rank[i] < rank[j] exactly when item i compares below
// item j by `locale.CompareText`, equal ranks when it compares equal. Ranks
// are dense from 0.
std::vector<std::uint32_t> CollationRanks(const std::vector<AnsiString>& items, const TLocale& locale);

// The same for texts that are all different byte for byte.
std::vector<std::uint32_t> DistinctCollationRanks(const std::vector<std::string_view>& texts,
                                                  const TLocale& locale);
