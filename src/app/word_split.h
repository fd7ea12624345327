#pragma once
// The tokenizer: a word is a maximal run of characters between separators.
// Chinese text is not segmented, so a run of Chinese characters between two
// punctuation marks is one word.

#include <optional>
#include <string_view>
#include <vector>

#include "app/frequency_report.h"
#include "app/word_index.h"
#include "framework/locale.h"
#include "framework/text.h"
#include "regex/perl_regex.h"

// Matches, one byte at a time, every byte that is not kept: kept are ASCII
// digits and letters and whole two-byte GBK characters (a byte 0x81-0xFE and a
// second byte 0x40-0x7E or 0x80-0xFE). A lead byte without a valid second
// byte is not kept. Each search starts where the last one ended (\G), so the
// pattern never reads a second byte as the start of a character.
extern const char* const KeepPattern;

struct TSplitOptions {
  bool ignore_repeats = false;  // "忽略重复单词"
  bool numbered = true;         // "带上序号"
};

struct TSplitResult {
  std::vector<AnsiString> raw_words;       // every occurrence, in text order
  std::vector<AnsiString> distinct_words;  // first spelling of each word, sorted
  // The memos' texts, their lines joined by CR LF (none after the last): a
  // million lines go to a memo as one text rather than line by line.
  AnsiString split_text;    // the words in text order
  AnsiString sorted_text;   // the words sorted
  TFrequencyReport report;  // the summary and the rows of these words
};

// The words of the text, in order unless `order` says otherwise, not yet
// ranked. Nothing (and no change to `regex`) when the text is empty after
// trimming. The text itself becomes the regular expression's subject: move
// it in.
std::optional<TWordIndex> SplitWordIndex(AnsiString text, TPerlRegEx& regex,
                                         TWordOrder order = TWordOrder::kKept);

// Nothing (and no change anywhere) when the text is empty after trimming.
// `regex` keeps the compiled pattern for the next split; the locale orders
// and compares the words.
std::optional<TSplitResult> SplitWords(AnsiString text, const TSplitOptions& options, TPerlRegEx& regex,
                                       const TLocale& locale);
