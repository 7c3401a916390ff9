// The skin directory: resolving it, and the skin names it offers.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "skin/MemoryFileSystem.h"
#include "skin/SkinDirectory.h"

namespace folvane {
namespace {

TEST(SkinDirectory, Resolving) {
  const std::u16string program = u"C:\\Prog\\Bin\\";
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"..\\Skins", u"C:\\Prog\\Skins"},
      {u".\\Skins", u"C:\\Prog\\Bin\\Skins"},
      {u"./Skins", u"C:\\Prog\\Bin\\Skins"},
      {u"Skins\\Blue", u"C:\\Prog\\Bin\\Skins\\Blue"},
      {u"c:\\Skins", u"c:\\Skins"},
      {u"\\\\server\\Skins", u"\\\\server\\Skins"},
      {u"", u"C:\\Prog\\Bin\\"},
  };
  for (const auto& c : cases) EXPECT_EQ(ResolveSkinDirectory(c.first, program), c.second);

  EXPECT_EQ(PackedSkinFolder(u"c:\\Skins"), u"c:\\Skins\\");
  EXPECT_EQ(PackedSkinFolder(u"c:\\Skins\\"), u"c:\\Skins\\");
  EXPECT_EQ(PackedSkinFolder(u"D"), u"D:\\");
  EXPECT_EQ(PackedSkinFolder(u"D:"), u"D:\\");
}

TEST(SkinDirectory, ListSkinNamesByMode) {
  test::MemoryFileSystem files;
  files.AddFile(u"C:\\Skins\\zeta\\Options.dat", "");
  files.AddFile(u"C:\\Skins\\NoOptions\\Master.bmp", "");
  files.AddFile(u"C:\\Skins\\.hidden\\Options.dat", "");
  files.AddFile(u"C:\\Skins\\Blue.Sky.vsz", "");
  files.AddFile(u"C:\\Skins\\Capital.VSZ", "");
  files.AddFile(u"C:\\Skins\\alpha.vsz", "");
  files.AddFile(u"C:\\Skins\\Zeta.vsz", "");  // also a folder: listed once, as found first
  files.AddFile(u"C:\\Skins\\Folder.vsz\\Options.dat", "");
  TsStoredSkins internal(2);
  internal[0].Name = u"Ambrel (internal)";
  internal[1].Name = u"Another";

  struct Case {
    SkinListMode mode;
    std::vector<std::u16string> names;
  } cases[] = {
      {SkinListMode::Folders, {u"Ambrel (internal)", u"Another", u"Folder.vsz", u"zeta"}},
      {SkinListMode::PackedFiles, {u"alpha", u"Ambrel (internal)", u"Another", u"Blue", u"Zeta"}},
      {SkinListMode::Both,
       {u"alpha", u"Ambrel (internal)", u"Another", u"Blue", u"Folder.vsz", u"Zeta"}},
  };
  for (const Case& c : cases) {
    const SkinNameList list = ListSkinNames(internal, u"C:\\Skins", c.mode, files);
    EXPECT_EQ(list.Names, c.names) << static_cast<int>(c.mode);
    EXPECT_EQ(list.First, u"Ambrel (internal)");
  }
  const SkinNameList noInternal = ListSkinNames({}, u"C:\\Skins", SkinListMode::Both, files);
  EXPECT_EQ(noInternal.First, u"Blue") << "the directory's first entry";
  EXPECT_TRUE(ListSkinNames({}, u"C:\\Nowhere", SkinListMode::Both, files).Names.empty());
}

// The host's own files, so that the Windows build proves its file services
// under the real platform too.
TEST(SkinDirectory, HostFileSystem) {
  namespace fs = std::filesystem;
  const fs::path root =
      fs::temp_directory_path() / ("folvane-skins-" + std::to_string(std::random_device()()));
  fs::create_directories(root / "Green");
  fs::create_directories(root / "Empty");
  std::ofstream(root / "Green" / "Options.dat", std::ios::binary) << "[GLOBALINFO]\n";
  std::ofstream(root / "Blue.Sky.vsz") << "x";
  std::ofstream(root / "Upper.VSZ") << "x";

  const SkinNameList list = ListSkinNames({}, root.u16string(), SkinListMode::Both);
  EXPECT_EQ(list.Names, (std::vector<std::u16string>{u"Blue", u"Green"}));
  const SkinFileSystem& host = HostFileSystem();
  const std::u16string options = root.u16string() + u"\\green\\OPTIONS.DAT";
  EXPECT_TRUE(host.FileExists(options)) << "names match ignoring case, as on Windows";
  ASSERT_TRUE(host.ReadFile(options).has_value());
  EXPECT_EQ(host.ReadFile(options)->size(), 13u);
  EXPECT_FALSE(host.ReadFile(root.u16string() + u"\\Green\\Missing.bmp").has_value());
  EXPECT_TRUE(host.DirectoryExists(root.u16string() + u"\\Empty"));
  fs::remove_all(root);
}

}  // namespace
}  // namespace folvane
