#include "app/ShellChange.h"

#include <gtest/gtest.h>

#include <vector>

namespace folvane {
namespace {

using E = ShellEvent;
using Changes = std::vector<ShellChange>;

TEST(FolderChanges, FolderThenItsDesktopIniAsTheCaseIsThenTheParentView) {
  const struct {
    const wchar_t* folder;
    IniChange ini;
    Changes expected;
  } cases[] = {
      {L"C:\\Work\\A", IniChange::Created,
       {{E::UpdateItem, L"C:\\Work\\A"}, {E::Create, L"C:\\Work\\A\\desktop.ini"}, {E::UpdateDir, L"C:\\Work"}}},
      {L"C:\\Work\\A\\", IniChange::Updated,
       {{E::UpdateItem, L"C:\\Work\\A"}, {E::UpdateItem, L"C:\\Work\\A\\desktop.ini"}, {E::UpdateDir, L"C:\\Work"}}},
      {L"C:\\A", IniChange::Deleted,
       {{E::UpdateItem, L"C:\\A"}, {E::Delete, L"C:\\A\\desktop.ini"}, {E::UpdateDir, L"C:\\"}}},
      {L"C:\\A", IniChange::Unchanged, {{E::UpdateItem, L"C:\\A"}, {E::UpdateDir, L"C:\\"}}},
      // A drive root has no parent folder whose view shows it.
      {L"D:\\", IniChange::Created, {{E::UpdateItem, L"D:\\"}, {E::Create, L"D:\\desktop.ini"}}},
      {L"\\\\server\\share\\A", IniChange::Updated,
       {{E::UpdateItem, L"\\\\server\\share\\A"},
        {E::UpdateItem, L"\\\\server\\share\\A\\desktop.ini"},
        {E::UpdateDir, L"\\\\server\\share"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.folder);
    EXPECT_EQ(FolderChanges(c.folder, c.ini), c.expected);
  }
}

TEST(ParentFolder, StopsAtRoots) {
  const struct {
    const wchar_t* path;
    const wchar_t* parent;
  } cases[] = {
      {L"C:\\a\\b", L"C:\\a"},   {L"C:\\a\\b\\\\", L"C:\\a"}, {L"C:\\a", L"C:\\"},
      {L"C:/a/b", L"C:/a"},      {L"C:\\", L""},              {L"C:", L""},
      {L"\\\\srv\\share", L""},  {L"\\\\srv\\share\\x", L"\\\\srv\\share"},
      {L"", L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(ParentFolder(c.path), c.parent);
  }
}

}  // namespace
}  // namespace folvane
