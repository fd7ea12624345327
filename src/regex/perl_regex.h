#pragma once
// TPerlRegEx: a pattern, a subject and a replacement template over PCRE2 (8-bit,
// no UTF mode: every byte is one character to the pattern). It compiles on
// demand, finds matches one after another, exposes the capture groups of the
// current match and edits the subject in place. Positions are 1-based. A
// component: the form holds one, its published properties read from the form
// description.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string_view>

#include "framework/component.h"
#include "framework/exception.h"
#include "framework/set.h"
#include "framework/text.h"
#include "regex/char_tables.h"

struct pcre2_real_code_8;
struct pcre2_real_match_data_8;
struct pcre2_real_match_context_8;
class TJitStack;

enum TPerlRegExOption {
  preCaseLess,
  preMultiLine,
  preSingleLine,
  preExtended,
  preAnchored,
  preDollarEndOnly,
  preExtra,
  preUnGreedy,
  // Compiles the pattern to machine code where PCRE2 supports it; matches are
  // the same, only faster. Without JIT support the pattern is interpreted.
  preJIT
};
using TPerlRegExOptions = TSet<TPerlRegExOption>;
extern const TEnumInfo kPerlRegExOptionInfo;

enum TPerlRegExMatchFlag { mfNotBOL, mfNotEOL, mfNotEmpty };
using TPerlRegExMatchFlags = TSet<TPerlRegExMatchFlag>;

// Raised before a replacement goes into the subject; may change it.
using TPerlRegExReplaceEvent = TEvent<AnsiString& /*replace_with*/>;

class TPerlRegEx : public TComponent {
 public:
  explicit TPerlRegEx(TComponent* owner = nullptr);
  ~TPerlRegEx() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool Compiled() const { return compiled_; }
  TPerlRegExOptions Options() const { return options_; }
  void SetOptions(TPerlRegExOptions options);
  TPerlRegExMatchFlags MatchFlags() const { return match_flags_; }
  void SetMatchFlags(TPerlRegExMatchFlags flags) { match_flags_ = flags; }
  const AnsiString& RegEx() const { return regex_; }
  void SetRegEx(std::string_view regex);
  const AnsiString& Replacement() const { return replacement_; }
  void SetReplacement(std::string_view replacement) { replacement_ = AnsiString(replacement); }
  const AnsiString& Subject() const { return subject_; }
  // Also restarts the search over the whole subject and drops the match.
  void SetSubject(std::string_view subject);
  // The same, the text itself becoming the subject, without a copy.
  void AdoptSubject(AnsiString&& subject);
  int SearchStart() const { return search_start_; }
  void SetSearchStart(int start) { search_start_ = start; }
  int SearchStop() const { return search_stop_; }
  void SetSearchStop(int stop) { search_stop_ = stop; }

  // Raised after every successful search.
  const TNotifyEvent& OnMatch() const { return on_match_; }
  void SetOnMatch(TNotifyEvent handler) { on_match_ = std::move(handler); }
  const TPerlRegExReplaceEvent& OnReplace() const { return on_replace_; }
  void SetOnReplace(TPerlRegExReplaceEvent handler) { on_replace_ = std::move(handler); }

  void ResetCompiled();
  void Compile();
  bool MatchFirst();
  bool MatchNext();
  bool HasMatch() const { return match_count_ > 0; }

  int SubExpressionCount() const;
  int SubExpressionOffset(int index) const;
  int SubExpressionLength(int index) const;
  AnsiString SubExpressionText(int index) const;
  int MatchedOffset() const { return SubExpressionOffset(0); }
  int MatchedLength() const { return SubExpressionLength(0); }
  AnsiString MatchedText() const { return SubExpressionText(0); }
  // The number of a named group, or PCRE2's negative error code.
  int SubExpressionIndexOf(std::string_view name) const;

  AnsiString BuildReplacement() const;
  AnsiString ReplaceMatch();
  bool ReplaceAllMatches();
  // ReplaceAllMatches with the subject searched in pieces at once, a thread
  // each; a piece begins at each of `piece_starts` (1-based, ascending). The
  // result is that of ReplaceAllMatches where a match of the one pass begins
  // at each start and no search reads outside its piece (nothing looks back
  // before where a search starts or ahead past the piece's end): the caller
  // knows its pattern. With a template that refers to the match, OnMatch or
  // OnReplace handlers, or empty matches allowed, it is ReplaceAllMatches.
  bool ReplaceAllMatchesInPieces(std::span<const int> piece_starts);

 private:
  friend class TPerlRegExPieces;

  // The whole match and at most 99 groups, as pairs of 1-based offsets.
  static constexpr int kMaxPairs = 100;

  bool Match(int start_offset);
  // One search of the subject's first `length` bytes from `start` (0-based)
  // into `data` with the match flags `flags` (SearchFlags), machine code on
  // the stack of `context` when there is one: PCRE2's answer.
  int Search(pcre2_real_match_data_8* data, pcre2_real_match_context_8* context, std::size_t length,
             std::size_t start, std::uint32_t flags) const;
  std::uint32_t SearchFlags() const;
  void RequireMatch(int line) const;
  void RequireIndex(int index, int line) const;

  bool compiled_ = false;
  bool jit_ = false;  // the pattern has machine code
  TPerlRegExOptions options_;
  TPerlRegExMatchFlags match_flags_{mfNotEmpty};
  AnsiString regex_;
  AnsiString replacement_;
  AnsiString subject_;
  int search_start_ = 1;
  int search_stop_ = 0;
  std::array<int, 2 * kMaxPairs> offsets_{};
  int match_count_ = 0;  // pairs set; 0 no match; negative: the last search found nothing
  TNotifyEvent on_match_;
  TPerlRegExReplaceEvent on_replace_;
  pcre2_real_code_8* pattern_ = nullptr;
  pcre2_real_match_data_8* match_data_ = nullptr;
  std::unique_ptr<TJitStack> jit_stack_;  // while the pattern has machine code
  TCharTables char_tables_;
};
