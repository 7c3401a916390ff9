#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/ShellNotifier.h"

namespace folvane {

// Receives each change notification as SHChangeNotify would: the SHCNE_
// event, the SHCNF_ flags and the path (Windows build only).
using ShellNotifySink = std::function<void(long event, unsigned flags, const std::wstring& path)>;

// Announces folder changes through SHChangeNotify, or through `sink` in its
// place (tests record the calls there). The folder text is made a full path
// first, so a relative text still names the right parent.
std::unique_ptr<ShellNotifier> MakeWindowsShellNotifier(ShellNotifySink sink = nullptr);

}  // namespace folvane
