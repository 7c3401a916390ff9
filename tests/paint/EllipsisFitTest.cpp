// Shortening text with "..." to a width: the fixed cases, and the binary
// search checked against the plain linear one on random texts.
#include "paint/EllipsisFit.h"

#include <gtest/gtest.h>

#include <random>

namespace folvane {
namespace {

// Every character is 5 pixels wide except '.', which is 2; a surrogate pair
// counts as one 9-pixel character.
int FixedWidth(std::u16string_view s) {
  int w = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] >= 0xD800 && s[i] <= 0xDBFF && i + 1 < s.size()) {
      w += 9;
      ++i;
    } else {
      w += s[i] == u'.' ? 2 : 5;
    }
  }
  return w;
}

TEST(EllipsisFit, FixedCases) {
  const std::u16string pair = u"\U0001F600";  // one character, two units
  struct Case {
    std::u16string text;
    int maxWidth;
    std::u16string expected;
  } cases[] = {
      {u"Hello", 0, u""},                // no width at all
      {u"Hello", -3, u""},
      {u"", 10, u""},
      {u"Hello", 25, u"Hello"},          // fits: unchanged, no "..."
      {u"Hello", 24, u"Hel..."},         // 15 + 6 = 21 <= 24, "Hell..." is 26
      {u"Hello", 21, u"Hel..."},
      {u"Hello", 20, u"He..."},
      {u"Hello", 11, u"H..."},
      {u"Hello", 10, u""},               // "H..." is 11: never a bare "..."
      {u"ab" + pair + u"cd", 25, u"ab" + pair + u"..."},  // 10 + 9 + 6 = 25
      {u"ab" + pair + u"cd", 24, u"ab..."},               // the pair goes whole
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "max " << c.maxWidth << " len " << c.text.size());
    EXPECT_EQ(FitTextWithEllipsisLinear(c.text, c.maxWidth, FixedWidth), c.expected);
    EXPECT_EQ(FitTextWithEllipsis(c.text, c.maxWidth, FixedWidth), c.expected);
  }
}

TEST(EllipsisFit, BinarySearchAgreesWithLinearForAdditiveWidths) {
  std::mt19937 rng(20240611);
  for (int round = 0; round < 2000; ++round) {
    // Per-character advances 0..7 (zero-width marks included), fixed per
    // round, and texts mixing plain units, surrogate pairs and lone
    // surrogates.
    int advance[8];
    for (int& a : advance) a = static_cast<int>(rng() % 8);
    auto width = [&](std::u16string_view s) {
      int w = 0;
      for (char16_t c : s) w += c == u'.' ? 1 : advance[c % 8];
      return w;
    };
    std::u16string text;
    const int length = static_cast<int>(rng() % 12);
    for (int i = 0; i < length; ++i) {
      switch (rng() % 6) {
        case 0: text += u"\xD83D\xDE00"; break;
        case 1: text += static_cast<char16_t>(0xDC00 + rng() % 8); break;
        case 2: text += static_cast<char16_t>(0xD800 + rng() % 8); break;
        default: text += static_cast<char16_t>(u'a' + rng() % 8);
      }
    }
    const int maxWidth = static_cast<int>(rng() % 60) - 2;
    const auto linear = FitTextWithEllipsisLinear(text, maxWidth, width);
    ASSERT_EQ(FitTextWithEllipsis(text, maxWidth, width), linear) << "round " << round;
    ASSERT_NE(linear, u"...");
    // Never half a surrogate pair at the cut.
    if (linear.size() > 3 && linear != text) {
      const char16_t last = linear[linear.size() - 4];
      const char16_t next = text[linear.size() - 3];
      EXPECT_FALSE(last >= 0xD800 && last <= 0xDBFF && next >= 0xDC00 && next <= 0xDFFF);
    }
  }
}

}  // namespace
}  // namespace folvane
