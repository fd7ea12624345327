#include "framework/memory_stream.h"

#include <algorithm>
#include <cstring>

#include "framework/file_io.h"

const TClassInfo& TMemoryStream::StaticClassInfo() {
  static const TClassInfo info = MakeClassInfo<TMemoryStream, TObject>("TMemoryStream");
  return info;
}

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
  const std::size_t n = std::min(count, data_.size() - position_);
  if (n > 0) std::memcpy(buffer, data_.data() + position_, n);
  position_ += n;
  return n;
}

std::size_t TMemoryStream::Write(const void* buffer, std::size_t count) {
  if (count == 0) return 0;
  if (position_ + count > data_.size()) data_.resize(position_ + count);
  std::memcpy(data_.data() + position_, buffer, count);
  position_ += count;
  return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  std::int64_t base = 0;
  if (origin == TSeekOrigin::soCurrent) base = Position();
  if (origin == TSeekOrigin::soEnd) base = Size();
  // Offsets are clamped before adding so that no sum can overflow.
  const std::int64_t target = std::clamp(offset, -base, Size() - base) + base;
  position_ = static_cast<std::size_t>(target);
  return target;
}

void TMemoryStream::SetSize(std::int64_t size) {
  data_.resize(static_cast<std::size_t>(std::max<std::int64_t>(size, 0)));
  position_ = std::min(position_, data_.size());
}

void TMemoryStream::Clear() {
  data_.clear();
  position_ = 0;
}

void TMemoryStream::LoadFromBytes(std::string_view bytes) {
  data_.assign(bytes);
  position_ = 0;
}

void TMemoryStream::LoadFromBytes(const TBytes& bytes) {
  LoadFromBytes(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void TMemoryStream::LoadFromFile(const AnsiString& file_name) {
  LoadFromBytes(ReadFileBytes(file_name));
}

void TMemoryStream::SaveToFile(const AnsiString& file_name) const {
  WriteFileBytes(file_name, data_);
}
