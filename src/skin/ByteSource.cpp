#include "skin/ByteSource.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "skin/ReadErrors.h"

namespace folvane {

namespace {

// Copies from [data, data + size) at `position` and advances it.
std::size_t ReadMemory(const std::uint8_t* data, std::size_t size, std::size_t& position,
                       void* buffer, std::size_t count) {
  const std::size_t n = std::min(count, size - position);
  if (n > 0) std::memcpy(buffer, data + position, n);
  position += n;
  return n;
}

std::size_t ClampPosition(std::uint64_t position, std::size_t size) {
  return static_cast<std::size_t>(std::min<std::uint64_t>(position, size));
}

}  // namespace

void ByteSource::ReadExact(void* buffer, std::size_t count) {
  auto* out = static_cast<std::uint8_t*>(buffer);
  while (count > 0) {
    const std::size_t n = Read(out, count);
    if (n == 0) throw StreamReadError();
    out += n;
    count -= n;
  }
}

std::int32_t ByteSource::ReadInt32() {
  std::uint8_t b[4];
  ReadExact(b, sizeof b);
  const std::uint32_t u = static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                          static_cast<std::uint32_t>(b[2]) << 16 |
                          static_cast<std::uint32_t>(b[3]) << 24;
  return static_cast<std::int32_t>(u);
}

void MemorySource::Seek(std::uint64_t position) { position_ = ClampPosition(position, size_); }

std::size_t MemorySource::Read(void* buffer, std::size_t count) {
  return ReadMemory(data_, size_, position_, buffer, count);
}

MemoryStream MemoryStream::FromFile(const std::filesystem::path& file) {
  FileSource source(file);
  if (source.Size() > std::numeric_limits<std::size_t>::max()) throw StreamReadError();
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(source.Size()));
  source.ReadExact(bytes.data(), bytes.size());
  return MemoryStream(std::move(bytes));
}

void MemoryStream::Seek(std::uint64_t position) { position_ = ClampPosition(position, bytes_.size()); }

std::size_t MemoryStream::Read(void* buffer, std::size_t count) {
  return ReadMemory(bytes_.data(), bytes_.size(), position_, buffer, count);
}

FileSource::FileSource(const std::filesystem::path& file)
    : file_(file, std::ios::binary | std::ios::ate) {
  if (!file_) throw FileOpenError(file.u8string());
  const auto end = file_.tellg();
  if (end < 0) throw FileOpenError(file.u8string());
  size_ = static_cast<std::uint64_t>(end);
  file_.seekg(0);
}

void FileSource::Seek(std::uint64_t position) {
  position_ = std::min(position, size_);
  file_.clear();
  file_.seekg(static_cast<std::streamoff>(position_));
}

std::size_t FileSource::Read(void* buffer, std::size_t count) {
  const std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(count, size_ - position_));
  if (wanted == 0) return 0;
  file_.read(static_cast<char*>(buffer), static_cast<std::streamsize>(wanted));
  const auto got = static_cast<std::size_t>(file_.gcount());
  position_ += got;
  if (got < wanted) file_.clear();  // the file shrank under us: report what we have
  return got;
}

}  // namespace folvane
