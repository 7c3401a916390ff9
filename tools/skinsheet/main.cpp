// skinsheet SKIN OUT.png: paints the skin SKIN - a folder holding
// "Options.dat", or a packed ".vsz" file - onto one labelled sheet with the
// program's own painting code, and saves it as PNG. Skin authors see a
// whole skin at a glance: every section in every state, glyphs, textures.

#include <windows.h>

#include <cstdio>
#include <cwctype>
#include <exception>
#include <string>

#include "SkinSheet.h"
#include "runtime/win/ImageFile.h"
#include "skin/SkinLoader.h"

using namespace folvane;

namespace {

std::u16string U16(const std::wstring& s) { return std::u16string(s.begin(), s.end()); }

bool EndsWithNoCase(const std::wstring& s, const std::wstring& tail) {
  if (s.size() < tail.size()) return false;
  for (std::size_t i = 0; i < tail.size(); ++i)
    if (std::towlower(s[s.size() - tail.size() + i]) != std::towlower(tail[i])) return false;
  return true;
}

std::wstring WithoutSlash(std::wstring path) {
  while (path.size() > 1 && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
  return path;
}

// The last part of a path, without ".vsz".
std::wstring SkinName(const std::wstring& path, bool packed) {
  std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);
  if (packed) name.resize(name.size() - 4);
  return name;
}

SkinLoadOutcome Load(SkinModel& model, const std::wstring& skin, bool packed) {
  const SkinLoadSettings settings;
  if (!packed) return LoadSkinFolder(model, U16(skin + L"\\"), settings);
  const std::size_t slash = skin.find_last_of(L"\\/");
  const std::wstring folder = slash == std::wstring::npos ? L".\\" : skin.substr(0, slash + 1);
  return LoadPackedSkinFile(model, U16(skin), U16(folder), settings);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    fwprintf(stderr, L"usage: skinsheet SKIN OUT.png   (SKIN: a skin folder or a .vsz file)\n");
    return 2;
  }
  const std::wstring skin = WithoutSlash(argv[1]);
  const bool packed = EndsWithNoCase(skin, L".vsz");
  SkinModel model;
  try {
    const SkinLoadOutcome outcome = Load(model, skin, packed);
    if (!outcome.Loaded()) {
      fwprintf(stderr, L"skinsheet: %ls was not loaded: %hs\n", skin.c_str(),
               outcome.Message.empty() ? "no skin there" : outcome.Message.c_str());
      return 1;
    }
    auto sheet = skinsheet::DrawSkinSheet(model, SkinName(skin, packed));
    if (!SavePng(sheet->Bitmap(), argv[2])) {
      fwprintf(stderr, L"skinsheet: could not write %ls\n", argv[2]);
      return 1;
    }
  } catch (const std::exception& e) {
    fwprintf(stderr, L"skinsheet: %ls: %hs\n", skin.c_str(), e.what());
    return 1;
  }
  return 0;
}
