#pragma once
// What `skingen --check DIR` verifies: the pictures in DIR are exactly what
// skingen draws, and DIR's Options.dat has the internal skin's sections in
// order and cuts every picture where the layout puts it.

#include <string>
#include <vector>

#include "Layout.h"

namespace folvane::skingen {

// Every cell inside its picture and clear of every other.
std::vector<std::string> checkLayout(const std::vector<Picture>& pictures);
std::vector<std::string> checkPictures(const std::string& directory, const std::vector<Picture>& pictures);
std::vector<std::string> checkOptions(const std::string& optionsText, const std::vector<Picture>& pictures);

// The sections of the internal skin, in the order its options file has them.
const std::vector<std::string>& ambrelSections();

std::vector<uint8_t> readFile(const std::string& path, bool& found);

}  // namespace folvane::skingen
