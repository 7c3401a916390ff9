#pragma once
// Byte streams with a position, the way skin data is read: an archive from
// a file or from memory someone lends us, inflated entries held in memory.
// Window-free; files are opened through std::filesystem paths, so Unicode
// names work on Windows as well.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

namespace folvane {

class ByteSource {
 public:
  virtual ~ByteSource() = default;

  virtual std::uint64_t Size() const = 0;
  virtual std::uint64_t Position() const = 0;
  // Moves to `position`; a position past the end is clamped to Size().
  virtual void Seek(std::uint64_t position) = 0;
  // Reads up to `count` bytes and answers how many it read (0 at the end).
  virtual std::size_t Read(void* buffer, std::size_t count) = 0;

  std::uint64_t Remaining() const { return Size() - Position(); }
  // Exactly `count` bytes, or StreamReadError (the position is then
  // wherever the short read left it).
  void ReadExact(void* buffer, std::size_t count);
  // A little-endian signed 32-bit integer, or StreamReadError.
  std::int32_t ReadInt32();
};

// Reads memory that belongs to someone else (an internal skin's stored
// data); the memory must outlive the source.
class MemorySource : public ByteSource {
 public:
  MemorySource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  explicit MemorySource(const std::vector<std::uint8_t>& bytes)
      : MemorySource(bytes.data(), bytes.size()) {}

  std::uint64_t Size() const override { return size_; }
  std::uint64_t Position() const override { return position_; }
  void Seek(std::uint64_t position) override;
  std::size_t Read(void* buffer, std::size_t count) override;

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t position_ = 0;
};

// Owns its bytes: an inflated archive entry, or a whole file read into
// memory. New streams start at position 0.
class MemoryStream : public ByteSource {
 public:
  MemoryStream() = default;
  explicit MemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
  // The whole file, or FileOpenError / StreamReadError.
  static MemoryStream FromFile(const std::filesystem::path& file);

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  const std::uint8_t* Data() const { return bytes_.data(); }

  std::uint64_t Size() const override { return bytes_.size(); }
  std::uint64_t Position() const override { return position_; }
  void Seek(std::uint64_t position) override;
  std::size_t Read(void* buffer, std::size_t count) override;

 private:
  std::vector<std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

// Reads a file where it lies, without loading it into memory first.
class FileSource : public ByteSource {
 public:
  // FileOpenError when the file cannot be opened.
  explicit FileSource(const std::filesystem::path& file);

  std::uint64_t Size() const override { return size_; }
  std::uint64_t Position() const override { return position_; }
  void Seek(std::uint64_t position) override;
  std::size_t Read(void* buffer, std::size_t count) override;

 private:
  std::ifstream file_;
  std::uint64_t size_ = 0;
  std::uint64_t position_ = 0;
};

}  // namespace folvane
