#pragma once
// Decodes the pictures a skin names into 24-bit pixel buffers (rows
// top-down). The key colour 0xFF00FF is an ordinary colour here; painting
// gives it its meaning. Every decoder refuses a size beyond the pixel
// buffer's limits before it allocates and never reads past its input.

#include <cstddef>
#include <cstdint>

#include "runtime/PixelBuffer.h"
#include "skin/ReadErrors.h"

namespace folvane {

enum class PictureKind { Unknown, Bmp, Jpeg };

// Tells the format from the first bytes ("BM", or FF D8 FF).
PictureKind SniffPicture(const std::uint8_t* data, std::size_t size);

// Windows bitmaps: core and info headers (40, 52, 56, 108, 124 bytes),
// 1/4/8-bit palettes, 16/24/32 bits (plain or with bit-field masks),
// bottom-up or top-down. A width or height of 0 gives an empty buffer.
// PictureError when the data is damaged, truncated or of another kind
// (compressed bitmaps included). Errors: ReadErrors.h.
PixelBuffer DecodeBmp(const std::uint8_t* data, std::size_t size);

// JPEG through the platform's decoder (libjpeg natively, WIC on Windows);
// the two may differ by a few levels per channel. PictureError when the
// data is damaged or truncated, or the picture has more than `maxPixels`.
PixelBuffer DecodeJpeg(const std::uint8_t* data, std::size_t size,
                       std::int64_t maxPixels = PixelBuffer::kMaxPixels);

// Either of the above, chosen by SniffPicture; PictureError for anything
// else.
PixelBuffer DecodePicture(const std::uint8_t* data, std::size_t size);

}  // namespace folvane
