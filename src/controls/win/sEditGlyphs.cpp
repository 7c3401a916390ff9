#include <array>

#include "controls/win/sCustomComboEdit.h"

namespace folvane {

namespace {

struct BuiltInGlyph {
  const wchar_t* name;
  const wchar_t* resource;
  TBitmap picture;
};

std::array<BuiltInGlyph, 5>& BuiltInGlyphs() {
  // Process-wide, like the pictures they hold: read once, on first use.
  static std::array<BuiltInGlyph, 5> glyphs = [] {
    std::array<BuiltInGlyph, 5> g{{{L"BTN_OPENFILE", L"SF", {}},
                                   {L"BTN_OPENFOLDER", L"SR", {}},
                                   {L"BTN_DATE", L"SD", {}},
                                   {L"BTN_ELLIPSIS", L"SE", {}},
                                   {L"BTN_CALC", L"SC", {}}}};
    for (BuiltInGlyph& b : g) {
      try {
        b.picture = TBitmap::FromResource(b.resource);
      } catch (...) {
        // A glyph that does not load leaves its edits without a button.
      }
    }
    return g;
  }();
  return glyphs;
}

}  // namespace

const TBitmap* BuiltInEditGlyph(const std::wstring& name) {
  if (name.empty()) return nullptr;
  for (const BuiltInGlyph& b : BuiltInGlyphs())
    if (name == b.name) return b.picture.Empty() ? nullptr : &b.picture;
  return nullptr;
}

}  // namespace folvane
