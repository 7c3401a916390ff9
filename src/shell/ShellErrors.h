#pragma once
// Errors of the folder browser; their texts are what the user is shown.

#include <string>

#include "runtime/Exception.h"

namespace folvane {

class EShellError : public Exception {
 public:
  using Exception::Exception;
};

inline const wchar_t kErrorSettingPath[] = L"Error Setting Path";

inline std::wstring RenameFailedText(const std::wstring& newName) {
  return L"Rename to " + newName + L" failed";
}

}  // namespace folvane
