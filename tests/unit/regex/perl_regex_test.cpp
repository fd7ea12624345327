#include "regex/perl_regex.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "framework/form_reader.h"
#include "framework/properties.h"
#include "framework/published.h"

#ifndef _WIN32
#include <pcre2.h>

#include <cstring>
#endif

namespace {

AnsiString Expand(const char* pattern, const char* subject, const char* replacement) {
  TPerlRegEx re;
  re.SetRegEx(pattern);
  re.SetSubject(subject);
  re.SetReplacement(replacement);
  EXPECT_TRUE(re.MatchFirst());
  return re.BuildReplacement();
}

AnsiString ReplaceAll(const char* pattern, std::string_view subject, const char* replacement) {
  TPerlRegEx re;
  re.SetRegEx(pattern);
  re.SetSubject(subject);
  re.SetReplacement(replacement);
  re.ReplaceAllMatches();
  return re.Subject();
}

AnsiString MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Exception& e) {
    return e.Message();
  }
  return "no exception";
}

}  // namespace

TEST(PerlRegEx, EmptyMatchesAreRefusedByDefaultAndOffsetsAreOneBased) {
  TPerlRegEx re;
  re.SetRegEx("a*");
  re.SetSubject("baaa");
  ASSERT_TRUE(re.MatchFirst());
  EXPECT_EQ(re.MatchedOffset(), 2);
  EXPECT_EQ(re.MatchedLength(), 3);
  EXPECT_EQ(re.MatchedText(), "aaa");
  EXPECT_EQ(re.SearchStart(), 5);
  EXPECT_FALSE(re.MatchNext());

  // Without the flag an empty match is found and the next search steps past it.
  re.SetMatchFlags({});
  re.SetSubject("ba");
  ASSERT_TRUE(re.MatchFirst());
  EXPECT_EQ(re.MatchedLength(), 0);
  EXPECT_EQ(re.SearchStart(), 2);
  ASSERT_TRUE(re.MatchNext());
  EXPECT_EQ(re.MatchedText(), "a");

  re.SetSubject("");
  EXPECT_FALSE(re.MatchFirst());
  EXPECT_FALSE(re.HasMatch());
}

TEST(PerlRegEx, CapturesAndUnsetGroups) {
  TPerlRegEx re;
  re.SetRegEx("(a)|(b)");
  re.SetSubject("xb");
  ASSERT_TRUE(re.MatchFirst());
  EXPECT_EQ(re.SubExpressionCount(), 2);
  EXPECT_EQ(re.SubExpressionText(1), "");
  EXPECT_EQ(re.SubExpressionLength(1), 0);
  EXPECT_EQ(re.SubExpressionText(2), "b");
  EXPECT_EQ(re.SubExpressionOffset(2), 2);
  EXPECT_EQ(re.SubExpressionText(3), "");
  EXPECT_EQ(re.SubExpressionText(-1), "");

  re.SetRegEx("(?<key>\\w+)=(?<value>\\w+)");
  re.SetSubject("a=b");
  ASSERT_TRUE(re.MatchFirst());
  EXPECT_EQ(re.SubExpressionIndexOf("value"), 2);
  EXPECT_LT(re.SubExpressionIndexOf("none"), 0);
}

TEST(PerlRegEx, SameRegExKeepsThePatternCompiledAndOptionsRecompile) {
  TPerlRegEx re;
  re.SetRegEx("abc");
  re.SetSubject("ABC abc");
  ASSERT_TRUE(re.MatchFirst());
  EXPECT_TRUE(re.Compiled());
  re.SetRegEx("abc");
  EXPECT_TRUE(re.Compiled());
  re.SetSubject("xabc");
  EXPECT_TRUE(re.Compiled());
  re.SetOptions({preCaseLess});
  EXPECT_FALSE(re.Compiled());
  re.SetSubject("ABC");
  EXPECT_TRUE(re.MatchFirst());
  re.SetRegEx("abd");
  EXPECT_FALSE(re.Compiled());
}

TEST(PerlRegEx, FailuresCarryTheirMessages) {
  TPerlRegEx re;
  re.SetSubject("x");
  EXPECT_EQ(MessageOf([&] { re.MatchFirst(); }),
            "TPerlRegEx.Compile() - Please specify a regular expression in RegEx first");
  re.SetRegEx("a(b");
  EXPECT_EQ(MessageOf([&] { re.Compile(); }),
            "TPerlRegEx.Compile() - Error in regex at offset 3: missing closing parenthesis");
  EXPECT_FALSE(re.Compiled());

  re.SetRegEx("(x)");
  EXPECT_TRUE(re.MatchFirst());
  const AnsiString bad_index = MessageOf([&] { re.SubExpressionOffset(2); });
  EXPECT_EQ(bad_index.rfind("REQUIRE: Index <= SubExpressionCount (PerlRegEx, line ", 0), 0u) << bad_index;
  re.ReplaceMatch();
  const AnsiString no_match = MessageOf([&] { re.MatchedLength(); });
  EXPECT_EQ(no_match.rfind("REQUIRE: There must be a successful match first (PerlRegEx, line ", 0), 0u)
      << no_match;
  EXPECT_THROW(re.ReplaceMatch(), EAssertionFailed);
}

TEST(PerlRegEx, ReplacementReferencesAndEscapes) {
  EXPECT_EQ(Expand("(\\w+)=(\\w+)", "key=value", "$2 at \\1"), "value at key");
  EXPECT_EQ(Expand("(\\w+)=(\\w+)", "key=value", "$$1"), "$1");
  EXPECT_EQ(Expand("(\\w+)=(\\w+)", "key=value", "\\\\1"), "\\1");
  EXPECT_EQ(Expand("(\\w+)=(\\w+)", "key=value", "\\$1"), "$1");
  EXPECT_EQ(Expand("(\\w+)=(\\w+)", "key=value", "[$0]"), "[key=value]");
  // Missing groups insert nothing; a second digit only counts when it names a group.
  EXPECT_EQ(Expand("(\\w+)=(\\w+)", "key=value", "<$3>"), "<>");
  EXPECT_EQ(Expand("(\\w+)=(\\w+)", "key=value", "$12"), "key2");
  EXPECT_EQ(Expand("(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)(l)", "abcdefghijkl", "$12|$1"), "l|a");
  // Braced numbers and names; an unknown name stays as text.
  EXPECT_EQ(Expand("(?<k>\\w+)=(\\w+)", "key=value", "${2}${k}${x}"), "valuekey${x}");
  EXPECT_EQ(Expand("(?<k>\\w+)=(\\w+)", "key=value", "\\g<k>.\\g<zz>.\\G<2>.\\g<k"), "key..\\G<2>.\\g<k");
  // The last character never starts a reference; anything else stays as text.
  EXPECT_EQ(Expand("(x)", "x", "a\\"), "a\\");
  EXPECT_EQ(Expand("(x)", "x", "$"), "$");
  EXPECT_EQ(Expand("(x)", "x", "\\n$a\\g1"), "\\n$a\\g1");
  // The second byte of a two-byte character is not a backslash.
  EXPECT_EQ(Expand("(x)", "x", "\x95\\1"), "\x95\\1");
}

TEST(PerlRegEx, CaseChangingReferences) {
  EXPECT_EQ(Expand("(.+)", "hello big-world", "\\I1"), "Hello Big-World");
  EXPECT_EQ(Expand("(.+)", "hello big-world", "\\U1"), "HELLO BIG-WORLD");
  EXPECT_EQ(Expand("(.+)", "hello big-world", "\\F1"), "Hello big-world");
  EXPECT_EQ(Expand("(.+)", "HeLLo", "\\l1 \\u1 \\i1"), "hello HELLO Hello");
  // An apostrophe after a word start keeps it open; after a letter it does not.
  EXPECT_EQ(Expand("(.+)", "'tis o'neil's", "\\I1"), "'Tis O'neil's");
  // Two-byte characters are left whole and leave the word start where it was.
  EXPECT_EQ(Expand("(.+)", "中a b", "\\I1"), "中A B");
  EXPECT_EQ(Expand("(.+)", "x中a", "\\I1"), "X中a");
  EXPECT_EQ(Expand("(.+)", "中A", "\\F1"), "中a");
  EXPECT_EQ(Expand("(.+)", "x", "\\Fz"), "\\Fz");
}

TEST(PerlRegEx, ReplaceAllEditsTheSubjectAndShiftsTheSearchWindow) {
  EXPECT_EQ(ReplaceAll("[^\\dA-Za-z\\xA1-\\xFE]", "It's 3.14!", ","), "It,s,3,14,");
  EXPECT_EQ(ReplaceAll("(\\w)(\\w)", "abcd", "$2$1$2"), "babdcd");
  EXPECT_EQ(ReplaceAll("x", "abc", "-"), "abc");

  TPerlRegEx re;
  re.SetRegEx("b");
  re.SetSubject("abcb");
  re.SetReplacement("XYZ");
  int replaced = 0;
  re.SetOnReplace([&](TObject* sender, AnsiString& with) {
    EXPECT_EQ(sender, &re);
    with += AnsiString(1, char('0' + ++replaced));
  });
  int matched = 0;
  re.SetOnMatch(TNotifyEvent{"", [&](TObject*) { ++matched; }});
  EXPECT_TRUE(re.ReplaceAllMatches());
  EXPECT_EQ(re.Subject(), "aXYZ1cXYZ2");
  EXPECT_EQ(matched, 2);
  EXPECT_EQ(re.SearchStop(), 10);
}

// Replacing all at once must leave what replacing match by match leaves, also
// where a later search looks back at text an earlier replacement put there.
TEST(PerlRegEx, ReplaceAllEqualsReplacingMatchByMatch) {
  const char* const patterns[] = {"(?<=,)a", "\\ba", "[^a-z]", "\\G[a-z]*+\\K.", "(?<=x.)."};
  const char* const templates[] = {",", "x", "\\\\", "$0", "xy", ""};
  for (const char* pattern : patterns) {
    for (const char* replacement : templates) {
      for (const AnsiString subject : {",aaa, a", "aaaa", "a,a a-b x\xB0\x40", ""}) {
        TPerlRegEx one_by_one;
        one_by_one.SetRegEx(pattern);
        one_by_one.SetSubject(subject);
        one_by_one.SetReplacement(replacement);
        for (bool found = one_by_one.MatchFirst(); found; found = one_by_one.MatchNext())
          one_by_one.ReplaceMatch();
        TPerlRegEx all;
        all.SetOptions(TPerlRegExOptions{preJIT});
        all.SetRegEx(pattern);
        all.SetSubject(subject);
        all.SetReplacement(replacement);
        all.ReplaceAllMatches();
        EXPECT_EQ(all.Subject(), one_by_one.Subject()) << pattern << " " << replacement << " " << subject;
        EXPECT_EQ(all.SearchStart(), one_by_one.SearchStart())
            << pattern << " " << replacement << " " << subject;
        EXPECT_EQ(all.SearchStop(), one_by_one.SearchStop())
            << pattern << " " << replacement << " " << subject;
      }
    }
  }
}

// Machine code must find what the interpreter finds: every match with its
// groups, and the edited subject, over patterns that backtrack, look behind
// the search start, anchor and capture.
TEST(PerlRegEx, JITFindsWhatTheInterpreterFinds) {
  const char* const patterns[] = {
      "\\G(?:[\\x81-\\xFE][\\x40-\\x7E\\x80-\\xFE]|[0-9A-Za-z])*+\\K[\\x00-\\xFF]",
      "(a|ab)(c|bcd)(d*)",
      "(?<=,)\\w+\\b",
      "^\\s*(\\w+)=(?<v>[^,]*)$",
      "(x+x+)+y",
      "[\\xA1-\\xFE]{2}|\\d+"};
  const AnsiString subjects[] = {"abcd, ab,cd\r\nkey=value\nxxxxxxxxxxxxxxxxxxxx,y中文 2008\x81,",
                                 "It's 3.14, 中文\xB0\x40! abcbcd xxy"};
  for (const char* pattern : patterns) {
    for (TPerlRegExOptions options : {TPerlRegExOptions{}, TPerlRegExOptions{preMultiLine, preCaseLess}}) {
      std::vector<AnsiString> found[2];
      AnsiString replaced[2];
      for (int jit = 0; jit < 2; ++jit) {
        TPerlRegEx re;
        TPerlRegExOptions with = options;
        if (jit) with.Include(preJIT);
        re.SetOptions(with);
        re.SetRegEx(pattern);
        for (const AnsiString& subject : subjects) {
          re.SetSubject(subject);
          for (bool more = re.MatchFirst(); more; more = re.MatchNext()) {
            for (int g = 0; g <= re.SubExpressionCount(); ++g) {
              found[jit].push_back(std::to_string(re.SubExpressionOffset(g)) + ":" + re.SubExpressionText(g));
            }
          }
          re.SetSubject(subject);
          re.SetReplacement("<$1>");
          re.ReplaceAllMatches();
          replaced[jit] += re.Subject();
        }
      }
      EXPECT_EQ(found[1], found[0]) << pattern;
      EXPECT_EQ(replaced[1], replaced[0]) << pattern;
    }
  }
}

// A match too deep for the machine code's own stack is found by the
// interpreter instead, on one thread and on several.
TEST(PerlRegEx, MatchesTooDeepForTheMachineCodeStackStillMatch) {
  const AnsiString subject = AnsiString(300000, 'a') + "c," + AnsiString(300000, 'b') + "c";
  for (bool pieced : {false, true}) {
    TPerlRegEx re;
    re.SetOptions(TPerlRegExOptions{preJIT});
    re.SetRegEx("(a|b)*c");
    re.SetReplacement("#");
    re.SetSubject(subject);
    const int second[] = {300002};
    EXPECT_TRUE(pieced ? re.ReplaceAllMatchesInPieces(second) : re.ReplaceAllMatches());
    EXPECT_EQ(re.Subject(), "#,#") << pieced;
  }
}

namespace {
// Replaces every match in `subject` in one pass (regexes[0]) and in pieces
// from `starts` (regexes[1]), with machine code; a `stop` of 0 or more ends
// the search window there.
void ReplaceInOnePassAndInPieces(TPerlRegEx (&regexes)[2], bool (&answers)[2], const char* pattern,
                                 const char* replacement, const AnsiString& subject,
                                 const std::vector<int>& starts, int stop = -1) {
  for (int pieced = 0; pieced < 2; ++pieced) {
    TPerlRegEx& re = regexes[pieced];
    re.SetOptions(TPerlRegExOptions{preJIT});
    re.SetRegEx(pattern);
    re.SetReplacement(replacement);
    re.SetSubject(subject);
    if (stop >= 0) re.SetSearchStop(stop);
    answers[pieced] = pieced ? re.ReplaceAllMatchesInPieces(starts) : re.ReplaceAllMatches();
  }
}
}  // namespace

// Pieces searched at once leave what one pass leaves, for patterns that read
// nothing outside a piece, cut where a match of the one pass begins: subject,
// search window and answer, with templates shorter, as long and longer than
// the matches, one that is not literal, and a search window short of the end.
TEST(PerlRegEx, PiecesSearchedAtOnceLeaveWhatOnePassLeaves) {
  struct Case {
    const char* pattern;
    bool (*starts_match)(unsigned char);  // a byte where a match of the one pass begins
  };
  const Case cases[] = {
      {"\\G(?:[\\x81-\\xFE][\\x40-\\x7E\\x80-\\xFE]|[0-9A-Za-z])*+\\K[\\x00-\\xFF]",
       [](unsigned char c) { return c < '0'; }},
      {"[^a-z]+", [](unsigned char c) { return c < 'a' || c > 'z'; }},
  };
  const std::string_view alphabet[] = {"a", "Zz", "9", " ", ",", "\r\n", "\xD6\xD0", "\xB0\x40", "\x81", "-"};
  std::mt19937 random(12);
  for (const Case& c : cases) {
    for (const char* replacement : {",", "", ",,", "<$0>"}) {
      for (int round = 0; round < 150; ++round) {
        AnsiString subject;
        const int pieces = static_cast<int>(random() % 40);
        for (int k = 0; k < pieces; ++k) subject += alphabet[random() % std::size(alphabet)];
        std::vector<int> starts;
        for (std::size_t i = 0; i < subject.size(); ++i) {
          if (c.starts_match(static_cast<unsigned char>(subject[i])) && random() % 4 == 0 &&
              (i == 0 || !c.starts_match(static_cast<unsigned char>(subject[i - 1]))))
            starts.push_back(static_cast<int>(i) + 1);
        }
        const int stop = round % 5 == 0 ? static_cast<int>(subject.size() * 2 / 3) : -1;
        TPerlRegEx regexes[2];
        bool answers[2];
        ReplaceInOnePassAndInPieces(regexes, answers, c.pattern, replacement, subject, starts, stop);
        const std::string what = std::string(c.pattern) + " / " + replacement + " / " + subject;
        EXPECT_EQ(regexes[1].Subject(), regexes[0].Subject()) << what;
        EXPECT_EQ(answers[1], answers[0]) << what;
        EXPECT_EQ(regexes[1].SearchStart(), regexes[0].SearchStart()) << what;
        EXPECT_EQ(regexes[1].SearchStop(), regexes[0].SearchStop()) << what;
        EXPECT_FALSE(regexes[1].HasMatch());
      }
    }
  }
}

// A search that fails with an error ends the one pass there: the pieces
// after it, searched meanwhile, stay as they were.
TEST(PerlRegEx, PiecesAfterAFailedSearchStayAsTheyWere) {
  const AnsiString subject = "x,x," + AnsiString(24, 'a') + "c,x,y,z";
  std::vector<int> starts;
  for (std::size_t i = 1; i < subject.size(); ++i) {
    if (subject[i] == ',') starts.push_back(static_cast<int>(i) + 1);
  }
  // Each pattern runs out of steps at the first "a"; templates of one byte
  // and of two.
  const struct {
    const char* pattern;
    const char* replacement;
    AnsiString one_pass;
  } cases[] = {
      {"(*LIMIT_MATCH=1000),|(?:a+)+b", "#", "x#x#" + AnsiString(24, 'a') + "c,x,y,z"},
      {"(*LIMIT_MATCH=1000),x|(?:a+)+b", "#!", "x#!," + AnsiString(24, 'a') + "c,x,y,z"},
  };
  for (const auto& c : cases) {
    TPerlRegEx regexes[2];
    bool answers[2];
    ReplaceInOnePassAndInPieces(regexes, answers, c.pattern, c.replacement, subject, starts);
    EXPECT_EQ(regexes[0].Subject(), c.one_pass) << c.pattern;
    EXPECT_EQ(regexes[1].Subject(), regexes[0].Subject()) << c.pattern;
    EXPECT_EQ(answers[1], answers[0]) << c.pattern;
    EXPECT_EQ(regexes[1].SearchStart(), regexes[0].SearchStart()) << c.pattern;
    EXPECT_EQ(regexes[1].SearchStop(), regexes[0].SearchStop()) << c.pattern;
  }
}

TEST(PerlRegEx, IsAComponentWithPublishedPatternOptionsAndTemplate) {
  TComponent form(nullptr);
  auto* re = new TPerlRegEx(&form);
  re->SetName("prlrgx1");
  EXPECT_EQ(form.FindComponent("prlrgx1"), re);
  SetPropValue(*re, "RegEx", AnsiString("a+"));
  SetPropValue(*re, "Options", TSetValue{{"preCaseLess"}});
  SetPropValue(*re, "Replacement", AnsiString("-"));
  re->SetSubject("xAax");
  EXPECT_TRUE(re->ReplaceAllMatches());
  EXPECT_EQ(re->Subject(), "x-x");
  EXPECT_EQ(std::get<TSetValue>(GetPropValue(*re, "Options")), TSetValue{{"preCaseLess"}});
  EXPECT_TRUE(re->MatchFlags().Contains(mfNotEmpty));
}

namespace {
// A form whose description binds the component's replacement event.
class TReplaceForm : public TComponent {
 public:
  using TComponent::TComponent;
  static const TClassInfo& StaticClassInfo() {
    static const TMethodInfo methods[] = {
        PublishMethod("Bracket", &TReplaceForm::Bracket),
        PublishMethod("Clicked", &TReplaceForm::Clicked),
    };
    static const TClassInfo info = MakeClassInfo<TReplaceForm, TComponent>("TReplaceForm", {}, methods);
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void Bracket(TObject*, AnsiString& with) { with = "[" + with + "]"; }
  void Clicked(TObject*) {}
};

const TClassRegistry& ReplaceClasses() {
  static const TClassRegistry registry{{&TPerlRegEx::StaticClassInfo()}};
  return registry;
}
}  // namespace

TEST(PerlRegEx, ReplaceEventBindsFromADescriptionToAHandlerOfItsParameters) {
  TReplaceForm form(nullptr);
  ReadForm(form,
           "object f: TReplaceForm\n object re: TPerlRegEx\n  RegEx = 'b+'\n  Replacement = '-'\n"
           "  OnReplace = Bracket\n end\nend",
           ReplaceClasses());
  auto* re = static_cast<TPerlRegEx*>(form.FindComponent("re"));
  EXPECT_EQ(std::get<TNotifyEvent>(GetPropValue(*re, "OnReplace")).method, "Bracket");
  re->SetSubject("abbcb");
  EXPECT_TRUE(re->ReplaceAllMatches());
  EXPECT_EQ(re->Subject(), "a[-]c[-]");

  // A handler of only the sender does not fit, nor the other way round.
  TReplaceForm other(nullptr);
  EXPECT_THROW(
      ReadForm(other, "object f: TReplaceForm\n object re: TPerlRegEx\n  OnReplace = Clicked\n end\nend",
               ReplaceClasses()),
      EParserError);
  EXPECT_THROW(
      ReadForm(other, "object f: TReplaceForm\n object re: TPerlRegEx\n  OnMatch = Bracket\n end\nend",
               ReplaceClasses()),
      EParserError);
}

#ifndef _WIN32
// Our table builder must lay out exactly what PCRE2's own builder makes from
// the same classification.
TEST(PerlRegEx, CharTablesMatchPcreTablesForTheCLocale) {
  const uint8_t* pcre_tables = pcre2_maketables(nullptr);
  const TCharTables ours = MakeCharTables(LocaleByteClasses());
  EXPECT_EQ(std::memcmp(pcre_tables, ours.data(), ours.size()), 0);
  pcre2_maketables_free(nullptr, pcre_tables);
}
#endif
