// skingen DIR           draws the pictures of the internal skin into DIR
//                       (skins/Ambrel: Master.bmp, ButtonHuge.bmp, tl.bmp)
// skingen --check DIR   fails unless DIR holds exactly those pictures and an
//                       Options.dat that cuts them where the layout puts them
//                       and gives the internal skin's documented values
// skingen --layout      prints the layout table (the head of Layout.cpp)
// skingen --preview DIR OUT.bmp
//                       paints a mock-up of the program's windows with DIR's skin

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "Layout.h"
#include "Preview.h"
#include "SkinCheck.h"
#include "WorkedExample.h"

namespace fs = folvane::skingen;

namespace {

int generate(const std::string& directory) {
  for (const fs::Picture& picture : fs::skinPictures()) {
    const std::vector<uint8_t> bytes = fs::encodeBmp24(fs::render(picture));
    std::ofstream out(directory + "/" + picture.fileName, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
      std::fprintf(stderr, "skingen: cannot write %s/%s\n", directory.c_str(), picture.fileName.c_str());
      return 1;
    }
  }
  return 0;
}

int check(const std::string& directory) {
  const auto pictures = fs::skinPictures();
  std::vector<std::string> problems = fs::checkPictures(directory, pictures);
  bool found = false;
  const std::vector<uint8_t> options = fs::readFile(directory + "/Options.dat", found);
  if (!found) {
    problems.push_back("Options.dat: missing");
  } else {
    const auto more = fs::checkOptions(std::string(options.begin(), options.end()), pictures);
    problems.insert(problems.end(), more.begin(), more.end());
    const auto telling = fs::checkTellingValues(directory);
    problems.insert(problems.end(), telling.begin(), telling.end());
  }
  for (const std::string& p : problems) std::fprintf(stderr, "skingen: %s\n", p.c_str());
  if (problems.empty()) std::printf("skingen: %s is the skin skingen draws\n", directory.c_str());
  return problems.empty() ? 0 : 1;
}

int layout() {
  for (const fs::Picture& picture : fs::skinPictures()) {
    std::printf("// %s, %d x %d, 24 bits\n", picture.fileName.c_str(), picture.width, picture.height);
    for (const fs::Cell& c : picture.cells) {
      char rect[40], states[40];
      std::snprintf(rect, sizeof rect, "(%d, %d, %d, %d)", c.left, c.top, c.right(), c.bottom());
      std::snprintf(states, sizeof states, "%d x %dx%d%s", c.states, c.stateWidth, c.stateHeight,
                    c.masked ? " +mask" : "");
      std::printf("//   %-21s %-17s %s:\n", rect, states, c.what);
      std::string line;
      for (const fs::Use& u : c.uses) {
        const std::string use = std::string(u.section) + " " + u.key;
        if (!line.empty() && line.size() + use.size() > 64) {
          std::printf("//%43s%s,\n", "", line.c_str());
          line.clear();
        }
        line += (line.empty() ? "" : ", ") + use;
      }
      std::printf("//%43s%s\n", "", line.c_str());
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--layout") == 0) return layout();
  if (argc == 2 && argv[1][0] != '-') return generate(argv[1]);
  if (argc == 3 && std::strcmp(argv[1], "--check") == 0) return check(argv[2]);
  if (argc == 4 && std::strcmp(argv[1], "--preview") == 0) return fs::writePreview(argv[2], argv[3]);
  std::fprintf(stderr, "usage: skingen DIR | skingen --check DIR | skingen --layout | skingen --preview DIR OUT.bmp\n");
  return 2;
}
