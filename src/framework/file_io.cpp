#include "framework/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "framework/exception.h"
#include "framework/prefault.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// File names are GBK: on Windows they are opened through their wide form, so a
// Chinese name works whatever the system's ANSI code page is.
FilePtr Open(const AnsiString& file_name, bool write) {
#ifdef _WIN32
  const int n = MultiByteToWideChar(936, 0, file_name.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 1), L'\0');
  MultiByteToWideChar(936, 0, file_name.c_str(), -1, wide.data(), n);
  return FilePtr(_wfopen(wide.c_str(), write ? L"wb" : L"rb"));
#else
  return FilePtr(std::fopen(file_name.c_str(), write ? "wb" : "rb"));
#endif
}

[[noreturn]] void Fail(const char* what, const AnsiString& file_name) {
  throw EFileError(AnsiString(what) + " \"" + file_name + "\". " + std::strerror(errno));
}

}  // namespace

AnsiString ReadFileBytes(const AnsiString& file_name) {
  FilePtr f = Open(file_name, false);
  if (!f) Fail("Cannot open file", file_name);
  AnsiString bytes;
  // Room for the whole file at once where its size is known: growing by
  // doubling would hold nearly two copies of a large file for a moment.
  if (std::fseek(f.get(), 0, SEEK_END) == 0) {
    const long size = std::ftell(f.get());
    if (size > 0) {
      bytes.reserve(static_cast<std::size_t>(size));
      Prefault(bytes.data(), bytes.capacity());
    }
    std::rewind(f.get());
  }
  char buffer[65536];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f.get())) > 0) bytes.append(buffer, n);
  if (std::ferror(f.get())) Fail("Cannot read file", file_name);
  return bytes;
}

void WriteFileBytes(const AnsiString& file_name, std::string_view bytes) {
  FilePtr f = Open(file_name, true);
  if (!f) Fail("Cannot create file", file_name);
  if (std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size() || std::fflush(f.get()) != 0) {
    Fail("Cannot write file", file_name);
  }
}
