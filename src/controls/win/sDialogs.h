#pragma once
// The open and save dialogs the file-name edit runs.

#include "runtime/win/Dialogs.h"

namespace folvane {

// How compressed archives are offered: as folders or as files.
enum class TsZipShowing { zsAsFolder, zsAsFile };

class TsOpenDialog : public TOpenDialog {
 public:
  using TOpenDialog::TOpenDialog;
  const wchar_t* ClassName() const override { return L"TsOpenDialog"; }
  // Kept for the forms that set it; the platform dialog decides itself.
  TsZipShowing ZipShowing = TsZipShowing::zsAsFolder;
};

class TsSaveDialog : public TSaveDialog {
 public:
  using TSaveDialog::TSaveDialog;
  const wchar_t* ClassName() const override { return L"TsSaveDialog"; }
};

}  // namespace folvane
