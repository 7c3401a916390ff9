#pragma once
// Errors of the runtime carry the text the user is shown.

#include <exception>
#include <string>

namespace folvane {

class Exception : public std::exception {
 public:
  explicit Exception(std::wstring message) : message_(std::move(message)) {}
  const std::wstring& Message() const { return message_; }
  const char* what() const noexcept override { return "folvane::Exception"; }

 private:
  std::wstring message_;
};

// A picture that could not be loaded.
class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};

// A file that could not be opened.
class EFOpenError : public Exception {
 public:
  using Exception::Exception;
};

// A file-system operation that failed ("I/O error <code>").
class EInOutError : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace folvane
