// vszpack list IN.vsz: one line per entry (inflated size, compressed size,
// zlib header, name), then what the program will make of the archive.

#include <algorithm>
#include <cstdio>
#include <iostream>

#include "Subcommand.h"
#include "ToolFiles.h"
#include "skin/SkinArchive.h"
#include "skin/vtSkinPack.h"

namespace folvane::vszpack {
namespace {

void PrintEntry(const SkinArchiveEntry& entry, const std::vector<std::uint8_t>& archive) {
  const std::uint8_t* header = archive.data() + entry.streamOffset;
  std::printf("%10zu %10llu  %02X %02X  %s\n", entry.data.size(),
              static_cast<unsigned long long>(entry.streamSize), header[0], header[1], entry.name.c_str());
}

int RunList(const Args& args) {
  const std::vector<std::uint8_t> archive = ReadWholeFile(args[0]);
  MemorySource source(archive);
  SkinArchiveReader reader(source);
  std::printf("%10s %10s  %-5s  %s\n", "size", "packed", "zlib", "name");
  SkinArchiveEntry entry;
  int options = 0;
  while (reader.Next(entry)) {
    PrintEntry(entry, archive);
    if (EqualIgnoringCase(entry.name, std::string(kOptionsFileName))) ++options;
  }
  std::printf("%d entries, %zu bytes\n", std::max(reader.Count(), 0), archive.size());
  if (options == 0) std::printf("note: no %s, the program cannot load this skin\n", kOptionsFileName.data());
  if (options > 1)
    std::printf("note: %d options entries; the program uses the last and misses the last %d image(s) by name\n",
                options, options - 1);
  return 0;
}

const RegisterSubcommand list{{"list", "IN.vsz", "lists the entries of IN.vsz", 1, 1, RunList}};

}  // namespace
}  // namespace folvane::vszpack
