#pragma once
// The program's command line: a folder to start with, or the usage line.

#include <string>

#include "app/StartArguments.h"

namespace folvane {

class TForm1;

PathKind QueryPathKind(const std::wstring& path);

// Puts an existing folder into the folder field as if it had been typed
// (the preview follows); for anything else leaves the field empty and names
// the problem in the status line. A relative path is made full first.
void OpenStartFolder(TForm1& form, const std::wstring& folder);

// The usage line in a box captioned "Folvane 1.0"; returns the exit code.
int ShowUsage();

}  // namespace folvane
