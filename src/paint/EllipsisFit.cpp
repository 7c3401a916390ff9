#include "paint/EllipsisFit.h"

#include <vector>

namespace folvane {
namespace {

constexpr std::u16string_view kEllipsis = u"...";

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The length of `text` without its last character (a surrogate pair
// counts as one character; an unpaired surrogate as one unit).
size_t WithoutLastCharacter(std::u16string_view text) {
  size_t n = text.size();
  if (n >= 2 && IsLowSurrogate(text[n - 1]) && IsHighSurrogate(text[n - 2])) return n - 2;
  return n - 1;
}

int WidthWithEllipsis(std::u16string_view prefix, const TextWidthFunction& width) {
  std::u16string s(prefix);
  s += kEllipsis;
  return width(s);
}

std::u16string WithEllipsis(std::u16string_view prefix) {
  if (prefix.empty()) return {};  // no bare "..."
  std::u16string s(prefix);
  s += kEllipsis;
  return s;
}

// Steps 1 and 2 shared by both searches: true when `result` is final.
bool TrivialFit(std::u16string_view text, int maxWidth, const TextWidthFunction& width,
                std::u16string& result) {
  if (maxWidth < 1) {
    result.clear();
    return true;
  }
  if (text.empty() || width(text) <= maxWidth) {
    result.assign(text);
    return true;
  }
  return false;
}

}  // namespace

std::u16string FitTextWithEllipsisLinear(std::u16string_view text, int maxWidth,
                                         const TextWidthFunction& width) {
  std::u16string result;
  if (TrivialFit(text, maxWidth, width, result)) return result;
  std::u16string_view prefix = text;
  while (!prefix.empty() && WidthWithEllipsis(prefix, width) > maxWidth)
    prefix = prefix.substr(0, WithoutLastCharacter(prefix));
  return WithEllipsis(prefix);
}

std::u16string FitTextWithEllipsis(std::u16string_view text, int maxWidth,
                                   const TextWidthFunction& width) {
  std::u16string result;
  if (TrivialFit(text, maxWidth, width, result)) return result;
  // The prefix lengths the linear search can stop at: every character
  // boundary, the whole text included, in increasing order.
  std::vector<size_t> ends;
  for (size_t n = text.size(); n > 0; n = WithoutLastCharacter(text.substr(0, n)))
    ends.push_back(n);
  // ends is decreasing; find the first (longest) prefix that fits. With a
  // non-decreasing measure the fitting prefixes are exactly a tail of ends.
  size_t lo = 0, hi = ends.size();  // invariant: ends[hi..] fit, ends[..lo) do not
  while (lo < hi) {
    const size_t mid = lo + (hi - lo) / 2;
    if (WidthWithEllipsis(text.substr(0, ends[mid]), width) <= maxWidth)
      hi = mid;
    else
      lo = mid + 1;
  }
  return lo < ends.size() ? WithEllipsis(text.substr(0, ends[lo])) : std::u16string();
}

}  // namespace folvane
