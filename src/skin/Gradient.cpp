#include "skin/Gradient.h"

#include <algorithm>

#include "skin/NumberText.h"
#include "skin/SkinText.h"

namespace folvane {

TsGradArray ParseGradient(std::string_view text) {
  std::vector<std::string_view> words;
  for (std::string_view word : SplitWords(text, ";")) {
    word = TrimBlanks(word);
    if (!word.empty()) words.push_back(word);
  }
  TsGradArray segments(words.size() / 5);
  for (std::size_t i = 0; i < segments.size(); ++i) {
    const std::string_view* group = &words[i * 5];
    TsGradSegment& s = segments[i];
    s.Color1 = static_cast<TColor>(StrictInteger(group[0]));
    s.Color2 = static_cast<TColor>(StrictInteger(group[1]));
    s.Percent = std::clamp(StrictInteger(group[2]), 0, 100);
    s.Mode = StrictInteger(group[3]);
    // The fifth number of a group is reserved and never read.
  }
  return segments;
}

}  // namespace folvane
