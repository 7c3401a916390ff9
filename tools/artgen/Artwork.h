#pragma once
// The set of files the generator writes, and the rules they must keep.

#include <string>
#include <vector>

#include "ImageFiles.h"

namespace folvane::artgen {

struct ArtworkFile {
  std::string name;
  Bytes bytes;
};

std::vector<ArtworkFile> renderArtwork();

// Reads the files back from `directory` and returns every broken rule, one
// line each; empty when all is well.
std::vector<std::string> checkArtwork(const std::string& directory);

}  // namespace folvane::artgen
