#pragma once

#include <string>

#include "runtime/Exception.h"

namespace folvane {

// The INI writer's error: a private-profile file could not be created or
// written. Its message is "Unable to write to <file>".
class EIniFileException : public Exception {
 public:
  using Exception::Exception;

  static EIniFileException UnableToWriteTo(const std::wstring& file) {
    return EIniFileException(L"Unable to write to " + file);
  }
};

}  // namespace folvane
