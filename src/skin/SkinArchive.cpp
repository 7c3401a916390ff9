#include "skin/SkinArchive.h"

#include <zlib.h>

#include <cstring>
#include <limits>
#include <stdexcept>

#include "skin/ReadErrors.h"
#include "skin/ZlibInflater.h"

namespace folvane {

SkinArchiveReader::SkinArchiveReader(ByteSource& source) : source_(source) {
  source_.Seek(0);
  char magic[sizeof kSkinArchiveMagic] = {};
  if (source_.Read(magic, sizeof magic) != sizeof magic ||
      std::memcmp(magic, kSkinArchiveMagic, sizeof magic) != 0)
    throw NotPackedSkinError();
  count_ = source_.ReadInt32();
}

bool SkinArchiveReader::Next(SkinArchiveEntry& entry) {
  if (read_ >= count_) return false;
  const std::int32_t nameLength = source_.ReadInt32();
  if (nameLength < 0 || static_cast<std::uint64_t>(nameLength) > source_.Remaining())
    throw StreamReadError();
  entry.name.assign(static_cast<std::size_t>(nameLength), '\0');
  source_.ReadExact(entry.name.data(), entry.name.size());
  const std::int32_t size = source_.ReadInt32();
  if (size < 0) throw ZlibError(Z_DATA_ERROR);
  entry.streamOffset = source_.Position();
  entry.data = InflateExactly(source_, static_cast<std::uint64_t>(size));
  entry.streamSize = source_.Position() - entry.streamOffset;
  ++read_;
  return true;
}

namespace {

void AppendInt32(std::vector<std::uint8_t>& out, std::size_t value) {
  if (value > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
    throw std::length_error("Too large for a packed skin");
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void AppendCompressed(std::vector<std::uint8_t>& out, const std::vector<std::uint8_t>& data) {
  uLongf length = compressBound(static_cast<uLong>(data.size()));
  const std::size_t start = out.size();
  out.resize(start + length);
  const int rc = compress2(out.data() + start, &length, data.data(),
                           static_cast<uLong>(data.size()), Z_DEFAULT_COMPRESSION);
  if (rc != Z_OK) throw ZlibError(rc);
  out.resize(start + length);
}

}  // namespace

std::vector<std::uint8_t> PackSkinArchive(const std::vector<SkinArchiveEntry>& entries) {
  std::vector<std::uint8_t> out(std::begin(kSkinArchiveMagic), std::end(kSkinArchiveMagic));
  AppendInt32(out, entries.size());
  for (const SkinArchiveEntry& entry : entries) {
    AppendInt32(out, entry.name.size());
    out.insert(out.end(), entry.name.begin(), entry.name.end());
    AppendInt32(out, entry.data.size());
    AppendCompressed(out, entry.data);
  }
  return out;
}

}  // namespace folvane
