// vszpack pack DIR OUT.vsz: every file directly inside DIR, "Options.dat"
// first, the others sorted by name ignoring case, so that the internal skin
// packs as "Options.dat", "ButtonHuge.bmp", "Master.bmp", "tl.bmp".

#include <algorithm>
#include <iostream>
#include <stdexcept>

#include "Subcommand.h"
#include "ToolFiles.h"
#include "skin/SkinArchive.h"
#include "skin/vtSkinPack.h"

namespace folvane::vszpack {
namespace {

namespace fs = std::filesystem;

bool PacksBefore(const std::string& a, const std::string& b) {
  const std::string options(kOptionsFileName);
  const bool aOptions = EqualIgnoringCase(a, options), bOptions = EqualIgnoringCase(b, options);
  if (aOptions != bOptions) return aOptions;
  return LessIgnoringCase(a, b);
}

// The files to pack; hidden files (".name") and the output itself are left out.
std::vector<std::string> FilesToPack(const fs::path& dir, const fs::path& out) {
  if (!fs::is_directory(dir)) throw std::runtime_error("\"" + dir.string() + "\" is not a folder");
  std::vector<std::string> names;
  for (const fs::directory_entry& item : fs::directory_iterator(dir)) {
    const std::string name = item.path().filename().string();
    if (!item.is_regular_file() || name.front() == '.') continue;
    std::error_code error;
    if (fs::equivalent(item.path(), out, error)) continue;
    if (!IsPlainFileName(name)) throw std::runtime_error("\"" + name + "\" is not a plain ASCII file name");
    names.push_back(name);
  }
  std::sort(names.begin(), names.end(), PacksBefore);
  return names;
}

int RunPack(const Args& args) {
  const fs::path dir = args[0], out = args[1];
  std::vector<SkinArchiveEntry> entries;
  for (const std::string& name : FilesToPack(dir, out)) {
    SkinArchiveEntry entry;
    entry.name = name;
    entry.data = ReadWholeFile(dir / name);
    entries.push_back(std::move(entry));
  }
  if (entries.empty() || !EqualIgnoringCase(entries.front().name, std::string(kOptionsFileName)))
    std::cerr << "vszpack pack: warning: no " << kOptionsFileName << ", the program cannot load this skin\n";
  const std::vector<std::uint8_t> archive = PackSkinArchive(entries);
  WriteWholeFile(out, archive);
  std::cout << "packed " << entries.size() << " files into " << out.string() << " (" << archive.size()
            << " bytes)\n";
  return 0;
}

const RegisterSubcommand pack{{"pack", "DIR OUT.vsz",
                               "packs the files of DIR, Options.dat first, the others by name", 2, 2, RunPack}};

}  // namespace
}  // namespace folvane::vszpack
