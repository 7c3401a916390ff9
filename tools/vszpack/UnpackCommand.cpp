// vszpack unpack IN.vsz DIR: writes every entry as stored, in archive order.
// Names come from a stranger's file: each must be a plain file name, and
// two entries may not share a name (ignoring case, as Windows does), or
// nothing is written at all.

#include <iostream>
#include <stdexcept>

#include "Subcommand.h"
#include "ToolFiles.h"
#include "skin/SkinArchive.h"

namespace folvane::vszpack {
namespace {

namespace fs = std::filesystem;

std::vector<SkinArchiveEntry> ReadAllEntries(const fs::path& file) {
  MemoryStream source = MemoryStream::FromFile(file);
  SkinArchiveReader reader(source);
  std::vector<SkinArchiveEntry> entries;
  SkinArchiveEntry entry;
  while (reader.Next(entry)) entries.push_back(std::move(entry));
  return entries;
}

void CheckNames(const std::vector<SkinArchiveEntry>& entries) {
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::string& name = entries[i].name;
    if (!IsPlainFileName(name)) throw std::runtime_error("entry name \"" + name + "\" is not a plain file name");
    for (std::size_t j = 0; j < i; ++j)
      if (EqualIgnoringCase(entries[j].name, name)) throw std::runtime_error("two entries named \"" + name + "\"");
  }
}

int RunUnpack(const Args& args) {
  const fs::path dir = args[1];
  const std::vector<SkinArchiveEntry> entries = ReadAllEntries(args[0]);
  CheckNames(entries);
  fs::create_directories(dir);
  for (const SkinArchiveEntry& entry : entries) WriteWholeFile(dir / entry.name, entry.data);
  std::cout << "unpacked " << entries.size() << " files into " << dir.string() << '\n';
  return 0;
}

const RegisterSubcommand unpack{{"unpack", "IN.vsz DIR", "writes every entry of IN.vsz into DIR", 2, 2, RunUnpack}};

}  // namespace
}  // namespace folvane::vszpack
