#pragma once
// A stream of bytes held in memory: the platform's memory stream, through which
// stored archives and their members travel. Reads stop at the end; writes
// past the end grow the stream, filling any gap with zero bytes.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/object.h"

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TMemoryStream : public TObject {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::string_view bytes) : data_(bytes) {}

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Copies up to `count` bytes from the position; returns how many.
  std::size_t Read(void* buffer, std::size_t count);
  // Copies all `count` bytes in at the position, growing the stream.
  std::size_t Write(const void* buffer, std::size_t count);
  // Moves the position, pulled into 0..Size(); returns the new one.
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin);

  std::int64_t Position() const { return static_cast<std::int64_t>(position_); }
  void SetPosition(std::int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
  std::int64_t Size() const { return static_cast<std::int64_t>(data_.size()); }
  // Truncates or zero-extends; the position is kept within the new size.
  void SetSize(std::int64_t size);
  void Clear();

  // Replaces the content and rewinds.
  void LoadFromBytes(std::string_view bytes);
  void LoadFromBytes(const TBytes& bytes);
  // The whole content, whatever the position.
  std::string_view Bytes() const { return data_; }

  void LoadFromFile(const AnsiString& file_name);
  void SaveToFile(const AnsiString& file_name) const;

 private:
  AnsiString data_;
  std::size_t position_ = 0;
};
