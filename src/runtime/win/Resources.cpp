#include "runtime/win/Resources.h"

namespace folvane {

std::vector<std::uint8_t> ReadResourceData(const wchar_t* name, const wchar_t* type) {
  // Resources live in the mapped image: nothing here needs releasing.
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC info = FindResourceW(module, name, type);
  if (!info) return {};
  HGLOBAL loaded = LoadResource(module, info);
  const DWORD size = SizeofResource(module, info);
  const auto* bytes = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
  if (!bytes || size == 0) return {};
  return std::vector<std::uint8_t>(bytes, bytes + size);
}

}  // namespace folvane
