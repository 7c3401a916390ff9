#include "app/StartArguments.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

using Kind = StartRequest::Kind;

TEST(StartArguments, OneFolderAtMostAndNoSwitches) {
  const struct {
    const wchar_t* commandLine;
    Kind kind;
    const wchar_t* folder;
  } cases[] = {
      {L"Folvane.exe", Kind::Plain, L""},
      {L"\"C:\\Program Files\\Folvane\\Folvane.exe\"  ", Kind::Plain, L""},
      {L"Folvane.exe C:\\Work", Kind::Folder, L"C:\\Work"},
      {L"\"C:\\My Apps\\Folvane.exe\" \"C:\\Work & Play\\100% done\"", Kind::Folder, L"C:\\Work & Play\\100% done"},
      // The shell's "%V" for a drive's background: no escape before the quote.
      {L"Folvane.exe \"C:\\\"", Kind::Folder, L"C:\\"},
      {L"Folvane.exe \"\\\\server\\share\\dir\\\"", Kind::Folder, L"\\\\server\\share\\dir\\"},
      {L"Folvane.exe\t\"C:\\a b\"\t", Kind::Folder, L"C:\\a b"},
      {L"Folvane.exe \"\"", Kind::Plain, L""},
      {L"Folvane.exe C:\\a C:\\b", Kind::Usage, L""},
      {L"Folvane.exe \"C:\\a\" \"\"", Kind::Usage, L""},
      {L"Folvane.exe /?", Kind::Usage, L""},
      {L"Folvane.exe -h", Kind::Usage, L""},
      {L"Folvane.exe \"/S\"", Kind::Usage, L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.commandLine);
    const StartRequest request = ParseStartCommandLine(c.commandLine);
    EXPECT_EQ(request.kind, c.kind);
    EXPECT_EQ(request.folder, c.folder);
  }
}

TEST(StartArguments, StatusNamesWhyTheFolderWasNotOpened) {
  EXPECT_EQ(StartFolderStatus(L"C:\\gone", PathKind::Missing), L"Folder not found: C:\\gone");
  EXPECT_EQ(StartFolderStatus(L"C:\\a.txt", PathKind::File), L"Not a folder: C:\\a.txt");
  EXPECT_EQ(StartFolderStatus(L"C:\\Work", PathKind::Folder), L"");
}

}  // namespace
}  // namespace folvane
