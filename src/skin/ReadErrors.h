#pragma once
// The error kinds raised while a packed skin or a picture is read. Each is a
// std::runtime_error whose what() is the exact text the user may see.

#include <stdexcept>
#include <string>

namespace folvane {

// The data handed to the archive reader does not start with "VSzf". The
// component that owns a window shows this text in a "Warning" box.
class NotPackedSkinError : public std::runtime_error {
 public:
  static constexpr const char* kText = "Loaded data is not packed VantileSkin file";
  NotPackedSkinError() : std::runtime_error(kText) {}
};

// The runtime's stream read error: a stream ended before the bytes it
// announced (a truncated archive, a header that lies about a size).
class StreamReadError : public std::runtime_error {
 public:
  static constexpr const char* kText = "Stream read error";
  StreamReadError() : std::runtime_error(kText) {}
};

// A file that exists could not be opened for reading.
class FileOpenError : public std::runtime_error {
 public:
  explicit FileOpenError(const std::string& fileName)
      : std::runtime_error("Cannot open file \"" + fileName + "\"") {}
};

// Damaged compressed data; what() is zlib's own text for the error code
// ("data error", "need dictionary", ...), Code() the code itself.
class ZlibError : public std::runtime_error {
 public:
  explicit ZlibError(int code);
  int Code() const { return code_; }

 private:
  int code_;
};

// A picture that cannot be decoded (damaged, truncated, an unsupported
// layout or a size beyond the pixel buffer's limits).
class PictureError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace folvane
