#include "regex/perl_regex.h"

#include <pcre2.h>

#include <algorithm>
#include <cstdio>
#include <utility>

#include "framework/published.h"
#include "regex/pcre2_handles.h"

namespace {

constexpr const char* kOptionNames[] = {"preCaseLess", "preMultiLine", "preSingleLine",
                                        "preExtended", "preAnchored",  "preDollarEndOnly",
                                        "preExtra",    "preUnGreedy",  "preJIT"};

constexpr const char* kNoMatch = "REQUIRE: There must be a successful match first";
constexpr const char* kBadIndex = "REQUIRE: Index <= SubExpressionCount";

struct OptionBit {
  TPerlRegExOption option;
  uint32_t pcre;
};
// preExtra has no counterpart: strict escapes are PCRE2's only behaviour.
// preJIT is a step after compiling.
constexpr OptionBit kCompileOptions[] = {
    {preCaseLess, PCRE2_CASELESS}, {preMultiLine, PCRE2_MULTILINE}, {preSingleLine, PCRE2_DOTALL},
    {preExtended, PCRE2_EXTENDED}, {preAnchored, PCRE2_ANCHORED},   {preDollarEndOnly, PCRE2_DOLLAR_ENDONLY},
    {preUnGreedy, PCRE2_UNGREEDY}};

[[noreturn]] void Fail(const char* rule, int line) {
  char message[160];
  std::snprintf(message, sizeof message, "%s (%s, line %d)", rule, "PerlRegEx", line);
  throw EAssertionFailed(message);
}

}  // namespace

const TEnumInfo kPerlRegExOptionInfo{"TPerlRegExOption", kOptionNames};

const TClassInfo& TPerlRegEx::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishSet("Options", kPerlRegExOptionInfo, &TPerlRegEx::Options, &TPerlRegEx::SetOptions),
      PublishString("RegEx", &TPerlRegEx::RegEx, &TPerlRegEx::SetRegEx),
      PublishString("Replacement", &TPerlRegEx::Replacement, &TPerlRegEx::SetReplacement),
      PublishEvent("OnMatch", &TPerlRegEx::OnMatch, &TPerlRegEx::SetOnMatch),
      PublishEvent("OnReplace", &TPerlRegEx::OnReplace, &TPerlRegEx::SetOnReplace),
  };
  static const TClassInfo info = MakeClassInfo<TPerlRegEx, TComponent>("TPerlRegEx", properties);
  return info;
}

TPerlRegEx::TPerlRegEx(TComponent* owner)
    : TComponent(owner), char_tables_(MakeCharTables(LocaleByteClasses())) {
  match_data_ = pcre2_match_data_create(kMaxPairs, nullptr);
  if (match_data_ == nullptr) throw std::bad_alloc();
}

TPerlRegEx::~TPerlRegEx() {
  ResetCompiled();
  pcre2_match_data_free(match_data_);
}

void TPerlRegEx::SetOptions(TPerlRegExOptions options) {
  if (options == options_) return;
  options_ = options;
  ResetCompiled();
}

void TPerlRegEx::SetRegEx(std::string_view regex) {
  if (regex == regex_) return;
  regex_ = AnsiString(regex);
  ResetCompiled();
}

void TPerlRegEx::SetSubject(std::string_view subject) {
  AdoptSubject(AnsiString(subject));
}

void TPerlRegEx::AdoptSubject(AnsiString&& subject) {
  subject_ = std::move(subject);
  search_start_ = 1;
  search_stop_ = static_cast<int>(subject_.size());
  match_count_ = 0;
}

void TPerlRegEx::ResetCompiled() {
  compiled_ = false;
  jit_ = false;
  jit_stack_.reset();
  pcre2_code_free(pattern_);
  pattern_ = nullptr;
  match_count_ = 0;
}

void TPerlRegEx::Compile() {
  if (regex_.empty())
    throw Exception("TPerlRegEx.Compile() - Please specify a regular expression in RegEx first");
  ResetCompiled();
  uint32_t options = 0;
  for (const OptionBit& bit : kCompileOptions) {
    if (options_.Contains(bit.option)) options |= bit.pcre;
  }
  pcre2_compile_context* context = pcre2_compile_context_create(nullptr);
  if (context == nullptr) throw std::bad_alloc();
  pcre2_set_character_tables(context, char_tables_.data());
  int error = 0;
  PCRE2_SIZE error_offset = 0;
  pattern_ = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(regex_.data()), regex_.size(), options, &error,
                           &error_offset, context);
  pcre2_compile_context_free(context);
  if (pattern_ == nullptr) {
    PCRE2_UCHAR text[256];
    pcre2_get_error_message(error, text, sizeof text);
    char message[400];
    std::snprintf(message, sizeof message, "TPerlRegEx.Compile() - Error in regex at offset %d: %s",
                  static_cast<int>(error_offset), reinterpret_cast<const char*>(text));
    throw Exception(message);
  }
  // Without JIT support (or memory for the code) the pattern is interpreted.
  jit_ = options_.Contains(preJIT) && pcre2_jit_compile(pattern_, PCRE2_JIT_COMPLETE) == 0;
  if (jit_) jit_stack_ = std::make_unique<TJitStack>();
  compiled_ = true;
}

bool TPerlRegEx::MatchFirst() {
  return Match(0);
}

bool TPerlRegEx::MatchNext() {
  return Match(search_start_ - 1);
}

std::uint32_t TPerlRegEx::SearchFlags() const {
  std::uint32_t flags = 0;
  if (match_flags_.Contains(mfNotBOL)) flags |= PCRE2_NOTBOL;
  if (match_flags_.Contains(mfNotEOL)) flags |= PCRE2_NOTEOL;
  if (match_flags_.Contains(mfNotEmpty)) flags |= PCRE2_NOTEMPTY;
  return flags;
}

int TPerlRegEx::Search(pcre2_match_data* data, pcre2_match_context* context, std::size_t length,
                       std::size_t start, std::uint32_t flags) const {
  const auto subject = reinterpret_cast<PCRE2_SPTR>(subject_.data());
  // The machine code's own entry skips checks that hold here: the offset is
  // within the subject and the flags are ones it was compiled for.
  const int found = jit_ && start <= length
                        ? pcre2_jit_match(pattern_, subject, length, start, flags, data, context)
                        : pcre2_match(pattern_, subject, length, start, flags, data, nullptr);
  // Machine code runs on a small fixed stack; the interpreter, whose limits
  // are far wider, decides when that is not enough.
  if (found == PCRE2_ERROR_JIT_STACKLIMIT)
    return pcre2_match(pattern_, subject, length, start, flags | PCRE2_NO_JIT, data, nullptr);
  return found;
}

bool TPerlRegEx::Match(int start_offset) {
  match_count_ = 0;
  if (!compiled_) Compile();
  if (search_stop_ < search_start_) {
    match_count_ = -1;
    return false;
  }
  if (start_offset < 0) {
    match_count_ = PCRE2_ERROR_BADOFFSET;
    return false;
  }
  // A search window set beyond the subject or before its start finds nothing
  // rather than reading outside it.
  const std::size_t length = std::min<std::size_t>(search_stop_, subject_.size());
  match_count_ = Search(match_data_, jit_stack_ ? jit_stack_->Context() : nullptr, length,
                        static_cast<std::size_t>(start_offset), SearchFlags());
  if (match_count_ <= 0) return false;
  const PCRE2_SIZE* vector = pcre2_get_ovector_pointer(match_data_);
  for (int i = 0; i < 2 * match_count_; ++i) {
    // A group that took no part is unset: it reads as 0, an empty text.
    offsets_[static_cast<std::size_t>(i)] = vector[i] == PCRE2_UNSET ? 0 : static_cast<int>(vector[i]) + 1;
  }
  search_start_ = offsets_[1];
  if (offsets_[0] == offsets_[1]) ++search_start_;
  if (on_match_) on_match_(this);
  return true;
}

void TPerlRegEx::RequireMatch(int line) const {
  if (match_count_ <= 0) Fail(kNoMatch, line);
}

void TPerlRegEx::RequireIndex(int index, int line) const {
  if (index < 0 || index > match_count_ - 1) Fail(kBadIndex, line);
}

int TPerlRegEx::SubExpressionCount() const {
  RequireMatch(__LINE__);
  return match_count_ - 1;
}

int TPerlRegEx::SubExpressionOffset(int index) const {
  RequireMatch(__LINE__);
  RequireIndex(index, __LINE__);
  return offsets_[static_cast<std::size_t>(2 * index)];
}

int TPerlRegEx::SubExpressionLength(int index) const {
  RequireMatch(__LINE__);
  RequireIndex(index, __LINE__);
  return offsets_[static_cast<std::size_t>(2 * index + 1)] - offsets_[static_cast<std::size_t>(2 * index)];
}

AnsiString TPerlRegEx::SubExpressionText(int index) const {
  RequireMatch(__LINE__);
  if (index < 0 || index > match_count_ - 1) return AnsiString();
  const int start = offsets_[static_cast<std::size_t>(2 * index)];
  const int end = offsets_[static_cast<std::size_t>(2 * index + 1)];
  if (start < 1 || end <= start) return AnsiString();
  return subject_.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(end - start));
}

int TPerlRegEx::SubExpressionIndexOf(std::string_view name) const {
  if (!compiled_) return PCRE2_ERROR_NOSUBSTRING;
  const AnsiString terminated(name);
  return pcre2_substring_number_from_name(pattern_, reinterpret_cast<PCRE2_SPTR>(terminated.c_str()));
}

AnsiString TPerlRegEx::ReplaceMatch() {
  RequireMatch(__LINE__);
  AnsiString text = BuildReplacement();
  if (on_replace_) on_replace_(this, text);
  const int offset = MatchedOffset();
  const int length = MatchedLength();
  subject_.replace(static_cast<std::size_t>(offset - 1), static_cast<std::size_t>(length), text);
  const int shift = static_cast<int>(text.size()) - length;
  search_start_ += shift;
  search_stop_ += shift;
  match_count_ = 0;
  return text;
}

bool TPerlRegEx::ReplaceAllMatches() {
  if (!MatchFirst()) return false;
  // A template without "\" or "$" expands to itself. Where no handler can
  // change it and it is as long as the match, it is copied over the match:
  // the subject and the search window end up as ReplaceMatch leaves them,
  // without rebuilding the replacement or moving the rest of the subject.
  const bool literal = replacement_.find_first_of("\\$") == AnsiString::npos;
  do {
    if (literal && !on_replace_ && MatchedLength() == static_cast<int>(replacement_.size())) {
      std::copy(replacement_.begin(), replacement_.end(), subject_.begin() + (MatchedOffset() - 1));
      match_count_ = 0;
    } else {
      ReplaceMatch();
    }
  } while (MatchNext());
  return true;
}
