#include "skin/data/archive/skin_reader.h"

#include <gtest/gtest.h>

#include "skin/data/archive/lzh_encoder.h"
#include "skin/data/archive/skin_archive_writer.h"
#include "skin_archive/archive_test_helpers.h"

using namespace archive_test;

namespace {

TSkinArchiveWriter SampleSkin() {
  TSkinArchiveWriter w;
  w.AddMember("Skin.INI", "[Personality]\r\nSkinName=Test\r\n");
  w.AddMember("Title.bmp", "BM title");
  w.AddMember("", "");
  w.AddMember("title.bmp", "BM second title");
  return w;
}

void ExpectSample(const TSkinReader& r) {
  ASSERT_EQ(r.MemberCount(), 4u);
  EXPECT_EQ(r.MemberName(0), "skin.ini");
  EXPECT_EQ(r.MemberName(2), "");
  EXPECT_EQ(r.ExtractByName("TITLE.BMP"), "BM title");  // names lowered, first match wins
  EXPECT_EQ(r.MemberBytes(3), "BM second title");
  AnsiString name;
  EXPECT_EQ(r.ExtractByPart(".ini", name), "[Personality]\r\nSkinName=Test\r\n");
  EXPECT_EQ(name, "skin.ini");
}

}  // namespace

TEST(SkinReader, ReadsEveryVersionOfTheFormat) {
  const std::pair<std::uint32_t, std::size_t> versions[] = {{20000, 0},  {30000, 256}, {40000, 80},
                                                            {50000, 48}, {60000, 117}, {70000, 69}};
  for (const auto& [version, skipped] : versions) {
    const std::string container = SampleSkin().Container(version);
    EXPECT_EQ(container.substr(16 + skipped, 10), "Skin.INI\r\n") << version;
    TSkinReader r;
    ASSERT_EQ(r.LoadFromStream(SampleSkin().Archive(version)), TArchiveResult::arLoaded) << version;
    EXPECT_EQ(r.Version(), version);
    ExpectSample(r);
  }
}

TEST(SkinReader, ReportsAnUnknownVersionApart) {
  for (std::uint32_t version : {0u, 10000u, 69999u, 80000u}) {
    TSkinReader r;
    EXPECT_EQ(r.LoadContainer(Container(version, 0, "a\r\n", {1}, "x")), TArchiveResult::arUnknownVersion);
    EXPECT_EQ(r.MemberCount(), 0u);
  }
}

TEST(SkinReader, RefusesDamagedArchives) {
  const std::string good = SampleSkin().Archive();
  const std::string damaged[] = {
      "",
      "\x10\x00\x00",                                 // no whole length
      Int32(-1) + good.substr(4),                     // negative length
      Int32(kSkinArchiveMaxLength + 1) + "\x00\x00",  // absurd length
      Int32(0),                                       // nothing to hold a header
  };
  for (const std::string& archive : damaged) {
    TSkinReader r;
    EXPECT_EQ(r.LoadFromStream(archive), TArchiveResult::arDamaged) << archive.size();
  }
}

TEST(SkinReader, RefusesContainersWhoseTablesRunPastTheEnd) {
  const std::string broken[] = {
      std::string(15, '\0'),
      Container(70000, 0, "", {}, ""),                // the version block is missing
      Container(20000, 0, "a\r\n", {}, "") + "\x01",  // size table cut short
      Container(20000, 0, "", {}, "").replace(4, 4, Int32(-3)),
      Container(20000, 0, "", {}, "").replace(4, 4, Int32(5)),  // name list past the end
  };
  for (const std::string& container : broken) {
    TSkinReader r;
    EXPECT_EQ(r.LoadContainer(container), TArchiveResult::arDamaged) << container.size();
  }
}

TEST(SkinReader, HoldsAtMost1001Members) {
  std::string names;
  // Appended piece by piece: a literal put in front of a temporary string
  // makes GCC 12 at -O3 warn falsely (-Wrestrict).
  for (int i = 0; i < 1001; ++i) {
    names += 'm';
    names += std::to_string(i);
    names += '\n';
  }
  std::string sizes(4 * 1001, '\0');
  auto container = [&](const std::string& n, const std::string& s) {
    return Int32(20000) + Int32(static_cast<std::int32_t>(n.size())) + std::string(8, '\0') + n + s;
  };
  TSkinReader r;
  EXPECT_EQ(r.LoadContainer(container(names, sizes)), TArchiveResult::arLoaded);
  EXPECT_EQ(r.MemberCount(), 1001u);
  EXPECT_EQ(r.LoadContainer(container(names + "one more\n", sizes + std::string(4, '\0'))),
            TArchiveResult::arDamaged);
  EXPECT_EQ(r.MemberCount(), 0u);
}

TEST(SkinReader, ClipsMembersToTheDataArea) {
  // Sizes: 3, then one far past the end, then negative, then 2 that starts
  // past the end already.
  TSkinReader r;
  ASSERT_EQ(r.LoadContainer(Container(20000, 0, "a\r\nb\r\nc\r\nd\r\n", {3, 0x7FFFFFFF, -50, 2}, "abcdefg")),
            TArchiveResult::arLoaded);
  EXPECT_EQ(r.MemberBytes(0), "abc");
  EXPECT_EQ(r.MemberBytes(1), "defg");
  EXPECT_EQ(r.MemberBytes(2), "");
  EXPECT_EQ(r.MemberBytes(3), "");
  // A thousand sizes near 2^31 add up in 64 bits.
  std::string names;
  std::string sizes;
  for (int i = 0; i < 1000; ++i) {
    names += "n\n";
    sizes += Int32(0x7FFFFFFF);
  }
  const std::string big = Int32(20000) + Int32(static_cast<std::int32_t>(names.size())) +
                          std::string(8, '\0') + names + sizes + "xy";
  ASSERT_EQ(r.LoadContainer(big), TArchiveResult::arLoaded);
  EXPECT_EQ(r.MemberBytes(0), "xy");
  EXPECT_EQ(r.MemberBytes(999), "");
}

TEST(SkinReader, SplitsTheNameListAsTextLines) {
  TSkinReader r;
  // CR LF, CR and LF end a name, an empty line in between is a name, the
  // final break adds none and a NUL ends the list.
  ASSERT_EQ(r.LoadContainer(
                Container(20000, 0, std::string("A.BMP\r\rB.bmp\nC\r\n\0d\n", 19), {1, 1, 1, 1}, "wxyz")),
            TArchiveResult::arLoaded);
  ASSERT_EQ(r.MemberCount(), 4u);
  EXPECT_EQ(r.MemberName(0), "a.bmp");
  EXPECT_EQ(r.MemberName(1), "");
  EXPECT_EQ(r.MemberName(2), "b.bmp");
  EXPECT_EQ(r.MemberName(3), "c");
  EXPECT_EQ(r.ExtractByName("c"), "z");
}

TEST(SkinReader, ExtractFindsNothingForAnUnknownName) {
  TSkinReader r;
  ASSERT_EQ(r.LoadFromStream(SampleSkin().Archive()), TArchiveResult::arLoaded);
  EXPECT_EQ(r.ExtractByName("missing.bmp"), "");
  AnsiString name = "stale";
  // The search for part of a name is case-sensitive in the lowered names.
  EXPECT_EQ(r.ExtractByPart(".INI", name), "");
  EXPECT_EQ(name, "");
  EXPECT_EQ(r.ExtractByName("title.bmp"), "BM title");
}

TEST(SkinArchiveWriter, RefusesWhatTheFormatCannotHold) {
  TSkinArchiveWriter w;
  EXPECT_THROW(w.AddMember("a\nb", "x"), std::invalid_argument);
  EXPECT_THROW(w.AddMember("a\rb", "x"), std::invalid_argument);
  EXPECT_THROW(w.AddMember(std::string("a\0b", 3), "x"), std::invalid_argument);
  EXPECT_THROW(w.Container(12345), std::invalid_argument);
  for (int i = 0; i < 1001; ++i) w.AddMember("m", "");
  EXPECT_THROW(w.AddMember("m", ""), std::length_error);
}
