// artgen OUTDIR          draws the program's pictures into OUTDIR
// artgen --check OUTDIR  reads them back and checks their formats and keys

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "Artwork.h"

namespace {

int generate(const std::string& directory) {
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  for (const auto& file : folvane::artgen::renderArtwork()) {
    if (!folvane::artgen::writeFile(directory + "/" + file.name, file.bytes)) {
      std::fprintf(stderr, "artgen: cannot write %s/%s\n", directory.c_str(), file.name.c_str());
      return 1;
    }
  }
  return 0;
}

int check(const std::string& directory) {
  const auto problems = folvane::artgen::checkArtwork(directory);
  for (const auto& p : problems) std::fprintf(stderr, "artgen: %s\n", p.c_str());
  if (problems.empty()) std::printf("artgen: all pictures in %s are well formed\n", directory.c_str());
  return problems.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--check") != 0) return generate(argv[1]);
  if (argc == 3 && std::strcmp(argv[1], "--check") == 0) return check(argv[2]);
  std::fprintf(stderr, "usage: artgen OUTDIR | artgen --check OUTDIR\n");
  return 2;
}
