#include "SkinCheck.h"

#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

#include "skin/ImageReference.h"
#include "skin/OptionsFile.h"

namespace folvane::skingen {
namespace {

std::string upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

std::string where(const char* section, const char* key) {
  return std::string("[") + section + "] " + key + ": ";
}

std::string rectText(int l, int t, int r, int b) {
  return "(" + std::to_string(l) + ", " + std::to_string(t) + ", " + std::to_string(r) + ", " +
         std::to_string(b) + ")";
}

// One use of a cell: the value must name the cell's rectangle (or picture),
// state count and mask type.
void checkUse(const OptionsFile& options, const Picture& picture, const Cell& cell, const Use& use,
              std::vector<std::string>& out) {
  const std::string* value = options.FindValue(use.section, use.key);
  if (!value) {
    out.push_back(where(use.section, use.key) + "missing; the layout puts \"" + cell.what + "\" there");
    return;
  }
  ImageReference ref;
  try {
    ref = ParseImageReference(use.section, use.key, *value);
  } catch (const std::exception& e) {
    out.push_back(where(use.section, use.key) + "does not parse: " + e.what());
    return;
  }
  const TsMaskData& m = ref.Mask;
  const bool master = picture.fileName == "Master.bmp";
  if (master && ref.ReferenceKind != ImageReference::Kind::MasterRect) {
    out.push_back(where(use.section, use.key) + "is not a rectangle of the master bitmap");
    return;
  }
  if (!master && (ref.ReferenceKind != ImageReference::Kind::OwnPicture ||
                  ref.PictureName != upper(picture.fileName))) {
    out.push_back(where(use.section, use.key) + "does not name " + upper(picture.fileName));
    return;
  }
  if (master && (m.Left != cell.left || m.Top != cell.top || m.Right != cell.right() ||
                 m.Bottom != cell.bottom()))
    out.push_back(where(use.section, use.key) + "cuts " + rectText(m.Left, m.Top, m.Right, m.Bottom) +
                  ", the layout has \"" + cell.what + "\" at " +
                  rectText(cell.left, cell.top, cell.right(), cell.bottom()));
  if (m.ImageCount != cell.states || m.MaskType != (cell.masked ? 1 : 0))
    out.push_back(where(use.section, use.key) + std::to_string(m.ImageCount) + " state(s), mask type " +
                  std::to_string(m.MaskType) + "; \"" + cell.what + "\" has " + std::to_string(cell.states) +
                  " and " + (cell.masked ? "1" : "0"));
}

}  // namespace

const std::vector<std::string>& ambrelSections() {
  static const std::vector<std::string> sections = {
      "GLOBALINFO", "DIVIDER", "EDIT", "GRIPH", "GRIPV", "GROUPBOX", "ICOLINE", "HINT", "MAINMENU", "MDIAREA",
      "MENUITEM", "MENULINE", "PANEL", "PANEL_LOW", "PROGRESSH", "STATUSBAR", "TABCONTROL", "FORM", "DIVIDERV",
      "GAUGE", "COMBOBOX", "VANTILEEDIT", "SPLITTER", "SCROLLBAR1V", "SCROLLBAR1H", "SCROLLBAR2H",
      "SCROLLBAR2V", "SCROLLSLIDERV", "SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNRIGHT", "SCROLLBTNLEFT",
      "COMBOBTN", "PROGRESSV", "BUTTON", "CHECKBOX", "SPEEDBUTTON", "SPEEDBUTTON_SMALL", "RADIOBUTTON",
      "TRACKBAR", "TABTOP", "UPDOWNBTN", "WEBBUTTON", "BARTITLE", "BARPANEL", "VANTILECOMBOBOX",
      "TOOLBUTTON", "COLHEADER", "BUTTON_HUGE", "PAGECONTROLBOTTOM", "PAGECONTROLLEFT", "PAGECONTROLRIGHT",
      "TABBOTTOM", "TABLEFT", "TABRIGHT", "BUTTON_BIG", "DIALOG", "SCROLLSLIDERH", "EXTRALINE", "TOOLBAR",
      "PAGECONTROL", "FORMTITLE", "BAR", "DRAGBAR"};
  return sections;
}

std::vector<uint8_t> readFile(const std::string& path, bool& found) {
  std::ifstream in(path, std::ios::binary);
  found = static_cast<bool>(in);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> checkLayout(const std::vector<Picture>& pictures) {
  std::vector<std::string> out;
  for (const Picture& picture : pictures) {
    const auto& cells = picture.cells;
    for (size_t i = 0; i < cells.size(); ++i) {
      const Cell& a = cells[i];
      if (a.left < 0 || a.top < 0 || a.right() > picture.width || a.bottom() > picture.height)
        out.push_back(picture.fileName + ": \"" + a.what + "\" reaches outside the picture");
      for (size_t j = i + 1; j < cells.size(); ++j) {
        const Cell& b = cells[j];
        if (a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom())
          out.push_back(picture.fileName + ": \"" + a.what + "\" overlaps \"" + b.what + "\"");
      }
    }
  }
  return out;
}

std::vector<std::string> checkPictures(const std::string& directory, const std::vector<Picture>& pictures) {
  std::vector<std::string> out = checkLayout(pictures);
  if (!out.empty()) return out;
  for (const Picture& picture : pictures) {
    bool found = false;
    const std::vector<uint8_t> stored = readFile(directory + "/" + picture.fileName, found);
    if (!found)
      out.push_back(picture.fileName + ": missing");
    else if (stored != encodeBmp24(render(picture)))
      out.push_back(picture.fileName + ": differs from what skingen draws (run skingen " + directory + ")");
  }
  return out;
}

std::vector<std::string> checkOptions(const std::string& optionsText, const std::vector<Picture>& pictures) {
  std::vector<std::string> out;
  const OptionsFile options = OptionsFile::Parse(optionsText);

  std::vector<std::string> names;
  for (const OptionsFile::Section& s : options.Sections()) names.push_back(s.Name);
  if (names != ambrelSections())
    out.push_back("the sections are not the internal skin's " + std::to_string(ambrelSections().size()) +
                  " in their order (found " + std::to_string(names.size()) + ")");

  std::map<std::pair<std::string, std::string>, bool> laidOut;
  for (const Picture& picture : pictures) {
    for (const Cell& cell : picture.cells) {
      for (const Use& use : cell.uses) {
        laidOut[{use.section, use.key}] = true;
        checkUse(options, picture, cell, use, out);
      }
    }
  }
  // Every image reference of the file must be one the layout knows of.
  for (const OptionsFile::Section& s : options.Sections()) {
    for (const OptionsFile::Key& k : s.Keys) {
      if (laidOut.count({upper(s.Name), upper(k.Name)})) continue;
      if (s.Name == "GLOBALINFO" && upper(k.Name) == "MASTERBITMAP") continue;
      try {
        if (ParseImageReference(s.Name, k.Name, k.Value).ReferenceKind != ImageReference::Kind::None)
          out.push_back(where(s.Name.c_str(), k.Name.c_str()) + "an image reference the layout does not know");
      } catch (const std::exception& e) {
        out.push_back(where(s.Name.c_str(), k.Name.c_str()) + "does not parse: " + e.what());
      }
    }
  }
  return out;
}

}  // namespace folvane::skingen
