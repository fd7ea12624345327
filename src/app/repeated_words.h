#pragma once
// Repeated-word removal for the result memos: words are the same when they are
// equal byte for byte after ASCII lower-casing and trimming.

#include <string_view>

#include "framework/string_list.h"

bool ListContainsWord(const TStringList& list, std::string_view word);

// Keeps the first occurrence of each word, in list order.
void RemoveRepeatedWords(TStringList& list);
