#pragma once
// Builds packed skins byte by byte for tests, including ones whose headers
// lie, so that each fault sits exactly where a case wants it.

#include <zlib.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace folvane::test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes ToBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

// Incompressible: the stream is a little longer than the data.
inline Bytes RandomBytes(std::size_t size, std::uint32_t seed) {
  std::mt19937 random(seed);
  Bytes out(size);
  for (auto& b : out) b = static_cast<std::uint8_t>(random());
  return out;
}

inline Bytes Compress(const Bytes& data) {
  uLongf length = compressBound(static_cast<uLong>(data.size()));
  Bytes out(length);
  compress2(out.data(), &length, data.data(), static_cast<uLong>(data.size()), Z_DEFAULT_COMPRESSION);
  out.resize(length);
  return out;
}

inline void PutInt32(Bytes& out, std::int64_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(static_cast<std::uint64_t>(v) >> (8 * i)));
}

struct RawEntry {
  std::string name;
  std::int64_t size;  // the inflated size the header announces
  Bytes stream;       // whatever bytes follow it
};

inline RawEntry Entry(const std::string& name, const Bytes& data) {
  return {name, static_cast<std::int64_t>(data.size()), Compress(data)};
}

inline Bytes Assemble(std::int64_t count, const std::vector<RawEntry>& entries,
                      const std::string& magic = "VSzf") {
  Bytes out(magic.begin(), magic.end());
  PutInt32(out, count);
  for (const RawEntry& e : entries) {
    PutInt32(out, static_cast<std::int64_t>(e.name.size()));
    out.insert(out.end(), e.name.begin(), e.name.end());
    PutInt32(out, e.size);
    out.insert(out.end(), e.stream.begin(), e.stream.end());
  }
  return out;
}

inline Bytes Assemble(const std::vector<RawEntry>& entries) {
  return Assemble(static_cast<std::int64_t>(entries.size()), entries);
}

}  // namespace folvane::test
