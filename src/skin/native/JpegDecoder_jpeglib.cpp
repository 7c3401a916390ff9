// JPEG decoding of the native build, through libjpeg. The Windows build
// decodes with the platform's codec instead (JpegDecoder_win.cpp).
//
// libjpeg reports errors by calling back into us; we leave the decoder with
// longjmp to the one function that called setjmp. That function keeps no
// local state of its own: everything it hands to libjpeg lives in a context
// owned by its caller, so no C++ destructor is skipped and no local value is
// left indeterminate by the jump.

#include <csetjmp>
#include <cstdio>
#include <string>

// jpeglib.h needs FILE and size_t declared first.
#include <jerror.h>
#include <jpeglib.h>

#include "skin/PictureDecoder.h"
#include "skin/ReadErrors.h"

namespace folvane {

namespace {

struct ErrorManager {
  jpeg_error_mgr base;  // first member: libjpeg hands us a pointer to it
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

extern "C" void OnJpegError(j_common_ptr info) {
  auto* err = reinterpret_cast<ErrorManager*>(info->err);
  err->base.format_message(info, err->message);
  std::longjmp(err->jump, 1);
}

// Warnings stay silent, except that data ending before the picture does is
// an error here: libjpeg would otherwise fill the rest with grey.
extern "C" void OnJpegMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) OnJpegError(info);
}

struct DecodeContext {
  jpeg_decompress_struct info{};
  ErrorManager err{};
  std::int64_t maxPixels = 0;
  PixelBuffer out;
  bool created = false;
  ~DecodeContext() {
    if (created) jpeg_destroy_decompress(&info);
  }
};

// The whole decode; any libjpeg failure jumps out of it.
void RunDecode(DecodeContext& c, const std::uint8_t* data, std::size_t size) {
  jpeg_create_decompress(&c.info);
  c.created = true;
  jpeg_mem_src(&c.info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&c.info, TRUE);
  c.info.out_color_space = JCS_EXT_BGR;
  jpeg_calc_output_dimensions(&c.info);
  const auto width = static_cast<int>(c.info.output_width);
  const auto height = static_cast<int>(c.info.output_height);
  if (!PixelBuffer::SizeAcceptable(width, height) ||
      static_cast<std::int64_t>(width) * height > c.maxPixels) {
    std::snprintf(c.err.message, sizeof c.err.message, "JPEG picture too large");
    std::longjmp(c.err.jump, 1);
  }
  c.out = PixelBuffer(width, height, PixelFormat::Bgr24);
  jpeg_start_decompress(&c.info);
  while (c.info.output_scanline < c.info.output_height) {
    JSAMPROW row = c.out.Row(static_cast<int>(c.info.output_scanline));
    jpeg_read_scanlines(&c.info, &row, 1);
  }
  jpeg_finish_decompress(&c.info);
}

bool DecodeGuarded(DecodeContext& c, const std::uint8_t* data, std::size_t size) {
  c.info.err = jpeg_std_error(&c.err.base);
  c.err.base.error_exit = OnJpegError;
  c.err.base.emit_message = OnJpegMessage;
  if (setjmp(c.err.jump)) return false;
  RunDecode(c, data, size);
  return true;
}

}  // namespace

PixelBuffer DecodeJpeg(const std::uint8_t* data, std::size_t size, std::int64_t maxPixels) {
  if (size == 0) throw PictureError("JPEG data is empty");
  DecodeContext context;
  context.maxPixels = maxPixels;
  if (!DecodeGuarded(context, data, size)) throw PictureError(context.err.message);
  return std::move(context.out);
}

}  // namespace folvane
