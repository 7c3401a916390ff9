#include "app/IconFilePath.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

std::wstring FakeExpand(const std::wstring& text) {
  std::wstring out = text;
  const std::wstring var = L"%ICONS%";
  for (std::size_t at; (at = out.find(var)) != std::wstring::npos;) out.replace(at, var.size(), L"D:\\Icons");
  return out;
}

TEST(IconFilePath, ResolvedAgainstTheFolderAfterExpanding) {
  const struct {
    const wchar_t* folder;
    const wchar_t* iconFile;
    const wchar_t* resolved;
  } cases[] = {
      {L"C:\\Work", L"work.ico", L"C:\\Work\\work.ico"},
      {L"C:\\Work\\", L"art\\work.ico", L"C:\\Work\\art\\work.ico"},
      {L"C:\\Work", L"..\\shared.ico", L"C:\\Work\\..\\shared.ico"},
      {L"C:\\Work", L"C:\\Icons\\a.ico", L"C:\\Icons\\a.ico"},
      {L"C:\\Work", L"\\Icons\\a.ico", L"\\Icons\\a.ico"},
      {L"C:\\Work", L"\\\\server\\icons\\a.ico", L"\\\\server\\icons\\a.ico"},
      {L"C:\\Work", L"%ICONS%\\a.ico", L"D:\\Icons\\a.ico"},
      {L"C:\\Work", L"%UNSET%\\a.ico", L"C:\\Work\\%UNSET%\\a.ico"},
      {L"C:\\Work", L"", L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.iconFile);
    EXPECT_EQ(ResolveIconFile(c.folder, c.iconFile, FakeExpand), c.resolved);
  }
}

}  // namespace
}  // namespace folvane
