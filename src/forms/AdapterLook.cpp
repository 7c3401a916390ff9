#include "forms/AdapterLook.h"

#include <algorithm>

namespace folvane {

namespace {
constexpr int kGlyphTextGap = 4;
}

std::wstring PanelSection(PanelBevel outer, PanelBevel inner, bool hasBorder) {
  switch (outer) {
    case PanelBevel::Lowered: return inner == PanelBevel::Raised ? L"GROUPBOX" : L"PANEL_LOW";
    case PanelBevel::Raised: return inner == PanelBevel::Lowered ? L"GROUPBOX" : L"PANEL";
    case PanelBevel::None: break;
  }
  return hasBorder ? L"PANEL_LOW" : L"CHECKBOX";
}

const char* CheckGlyphName(bool radio, int checkState) {
  if (checkState == kIndeterminate) return "BOXGRAYED";
  if (radio) return checkState == kChecked ? "RADIOCHECKED" : "RADIOUNCHECKED";
  return checkState == kChecked ? "BOXCHECKED" : "BOXUNCHECKED";
}

int ButtonPaintState(const ButtonLook& look) {
  if (look.Pushed) return 2;
  if (!look.Enabled) return 0;
  if (look.Focused || look.Hot || look.Default) return 1;
  return 0;
}

int CheckGlyphState(const ButtonLook& look) {
  if (look.Pushed) return 2;
  return look.Enabled && (look.Focused || look.Hot) ? 1 : 0;
}

PixelRect ButtonCaptionRect(int width, int height, int textWidth, int textHeight, bool pushed) {
  const int dx = (width - textWidth) / 2;
  const int dy = (height - textHeight) / 2;
  PixelRect r{dx - 1, dy, width - dx + 2, height - dy};
  if (pushed) {
    r.Left += 1;
    r.Top += 1;
    r.Right += 1;
    r.Bottom += 1;
  }
  return r;
}

CheckBoxLayout LayOutCheckBox(int width, int height, int glyphWidth, int glyphHeight,
                              bool textAtLeft) {
  CheckBoxLayout l;
  l.Glyph.Y = (height - glyphHeight) / 2;
  const int textWidth = std::max(0, width - glyphWidth - kGlyphTextGap);
  if (textAtLeft) {
    l.Glyph.X = std::max(0, width - glyphWidth);
    l.Text = {0, 0, textWidth, height};
  } else {
    l.Glyph.X = 0;
    l.Text = {glyphWidth + kGlyphTextGap, 0, std::max(glyphWidth + kGlyphTextGap, width), height};
  }
  return l;
}

PixelRect GroupBoxCaptionRect(int textWidth, int textHeight) {
  return {6, 0, textWidth + 14, std::max(textHeight, 4 + 2)};
}

}  // namespace folvane

namespace folvane {

namespace {
bool TagAt(const std::wstring& text, size_t i, const wchar_t* tag) {
  for (size_t k = 0; tag[k]; ++k) {
    if (i + k >= text.size()) return false;
    wchar_t c = text[i + k];
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    if (c != tag[k]) return false;
  }
  return true;
}
}  // namespace

std::wstring StripLinkTags(const std::wstring& text) {
  std::wstring out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const bool opening = TagAt(text, i, L"<a>") || TagAt(text, i, L"<a ");
    if (opening || TagAt(text, i, L"</a>")) {
      const size_t end = text.find(L'>', i);
      if (end != std::wstring::npos) {
        i = end + 1;
        continue;
      }
    }
    out.push_back(text[i++]);
  }
  return out;
}

}  // namespace folvane
