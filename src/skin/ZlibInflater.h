#pragma once
// Inflates one zlib stream (header, deflate data, Adler-32 trailer) that
// sits somewhere inside a byte source and whose compressed length nobody
// stored: the stream ends where zlib says it ends.

#include <cstdint>
#include <vector>

#include "skin/ByteSource.h"
#include "skin/ReadErrors.h"

namespace folvane {

// Largest inflated entry accepted; no skin picture comes near it.
constexpr std::uint64_t kMaxInflatedSize = 128ull * 1024 * 1024;
// Deflate cannot expand data by more than this ratio, so a stream can never
// deliver more than this many bytes per compressed byte.
constexpr std::uint64_t kMaxDeflateRatio = 1032;
// The source is read in blocks of this size.
constexpr std::size_t kInflateBlockSize = 64 * 1024;

// Reads the zlib stream starting at the source's position and answers its
// `size` inflated bytes. Afterwards the source is positioned directly after
// the stream's trailer: input read ahead of the stream's end is handed back
// by seeking back.
//  - StreamReadError: `size` is more than the rest of the source could ever
//    inflate to, or the source ends before the stream does (also when the
//    stream itself ends before `size` bytes).
//  - ZlibError: damaged data, including a stream that would inflate past
//    `size` ("data error"), and a size above kMaxInflatedSize.
std::vector<std::uint8_t> InflateExactly(ByteSource& source, std::uint64_t size);

}  // namespace folvane
