#include "framework/memory_stream.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

TEST(MemoryStream, ReadsStopAtTheEndAndWritesGrowIt) {
  TMemoryStream stream("abcdef");
  char buffer[8] = {};
  EXPECT_EQ(stream.Read(buffer, 4), 4u);
  EXPECT_EQ(std::string_view(buffer, 4), "abcd");
  EXPECT_EQ(stream.Read(buffer, 8), 2u);
  EXPECT_EQ(stream.Read(buffer, 8), 0u);
  stream.Seek(-2, TSeekOrigin::soCurrent);
  EXPECT_EQ(stream.Write("XYZ", 3), 3u);
  EXPECT_EQ(stream.Bytes(), "abcdXYZ");
  EXPECT_EQ(stream.Position(), 7);
  EXPECT_EQ(stream.Size(), 7);
}

TEST(MemoryStream, SeeksStayInsideAndResizingKeepsThePositionValid) {
  TMemoryStream stream("0123456789");
  EXPECT_EQ(stream.Seek(-3, TSeekOrigin::soEnd), 7);
  EXPECT_EQ(stream.Seek(100, TSeekOrigin::soCurrent), 10);
  EXPECT_EQ(stream.Seek(-100, TSeekOrigin::soCurrent), 0);
  EXPECT_EQ(stream.Seek(INT64_MAX, TSeekOrigin::soEnd), 10);
  EXPECT_EQ(stream.Seek(INT64_MIN, TSeekOrigin::soEnd), 0);
  stream.SetPosition(8);
  stream.SetSize(4);
  EXPECT_EQ(stream.Position(), 4);
  stream.SetSize(6);
  EXPECT_EQ(stream.Bytes(), std::string_view("0123\0\0", 6));
  stream.SetSize(-1);
  EXPECT_EQ(stream.Size(), 0);
  stream.LoadFromBytes(TBytes{'x', 0xFF});
  EXPECT_EQ(stream.Bytes(), "x\xFF");
  EXPECT_EQ(stream.Position(), 0);
  stream.Clear();
  EXPECT_EQ(stream.Bytes(), "");
}

TEST(MemoryStream, FilesRoundTripTheBytes) {
  const std::string name = (std::filesystem::temp_directory_path() / "memory_stream_test.bin").string();
  const std::string bytes("\0\x01\xFF\r\n", 5);
  TMemoryStream(bytes).SaveToFile(name);
  TMemoryStream loaded;
  loaded.LoadFromFile(name);
  std::remove(name.c_str());
  EXPECT_EQ(loaded.Bytes(), bytes);
}
