#include "ToolFiles.h"

#include <fstream>
#include <stdexcept>

#include "skin/ByteSource.h"
#include "skin/vtSkinPack.h"

namespace folvane::vszpack {

std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& file) {
  return MemoryStream::FromFile(file).Bytes();
}

void WriteWholeFile(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write \"" + file.string() + "\"");
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  const std::string ua = UpperCaseAscii(a), ub = UpperCaseAscii(b);
  return ua != ub ? ua < ub : a < b;
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
  return UpperCaseAscii(a) == UpperCaseAscii(b);
}

bool IsPlainFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u >= 0x7F || c == '/' || c == '\\' || c == ':') return false;
  }
  return true;
}

}  // namespace folvane::vszpack
