#pragma once

#include <memory>

#include "app/CodePage.h"

namespace folvane {

// The system's ANSI code page (Windows build only).
std::unique_ptr<CodePage> MakeSystemCodePage();

}  // namespace folvane
