#include "skin/ZlibInflater.h"

#include <zlib.h>

#include <algorithm>
#include <limits>

#include "skin/ReadErrors.h"

namespace folvane {

ZlibError::ZlibError(int code) : std::runtime_error(zError(code)), code_(code) {}

namespace {

// Owns one inflate state for the length of a stream.
class InflateState {
 public:
  InflateState() {
    const int rc = inflateInit(&z_);
    if (rc != Z_OK) throw ZlibError(rc);
  }
  ~InflateState() { inflateEnd(&z_); }
  InflateState(const InflateState&) = delete;
  InflateState& operator=(const InflateState&) = delete;
  z_stream* operator->() { return &z_; }
  z_stream* get() { return &z_; }

 private:
  z_stream z_{};
};

void CheckAnnouncedSize(const ByteSource& source, std::uint64_t size) {
  if (size > kMaxInflatedSize || size > std::numeric_limits<uInt>::max())
    throw ZlibError(Z_DATA_ERROR);
  // Checked before allocating: a header alone must not size a buffer.
  if (size / kMaxDeflateRatio > source.Remaining()) throw StreamReadError();
}

}  // namespace

std::vector<std::uint8_t> InflateExactly(ByteSource& source, std::uint64_t size) {
  CheckAnnouncedSize(source, size);
  std::vector<std::uint8_t> out(static_cast<std::size_t>(size));
  std::vector<Bytef> block(kInflateBlockSize);
  // Once `out` is full, inflate writes into this byte instead: anything
  // arriving there means the stream is longer than announced.
  Bytef overflow = 0;
  InflateState z;
  z->next_out = out.data();
  z->avail_out = static_cast<uInt>(out.size());
  for (;;) {
    if (z->avail_out == 0 && z->next_out != &overflow) {
      z->next_out = &overflow;
      z->avail_out = 1;
    }
    if (z->avail_in == 0) {
      const std::size_t n = source.Read(block.data(), block.size());
      if (n == 0) throw StreamReadError();
      z->next_in = block.data();
      z->avail_in = static_cast<uInt>(n);
    }
    const int rc = inflate(z.get(), Z_NO_FLUSH);
    if (z->next_out == &overflow + 1) throw ZlibError(Z_DATA_ERROR);
    if (rc == Z_STREAM_END) break;
    if (rc != Z_OK && rc != Z_BUF_ERROR) throw ZlibError(rc);
  }
  // The stream ended early: fewer bytes than announced.
  if (z->total_out < size) throw StreamReadError();
  // Give back what was read beyond the stream's trailer.
  source.Seek(source.Position() - z->avail_in);
  return out;
}

}  // namespace folvane
