// The options file's reading rules and the numbers in it.

#include <gtest/gtest.h>

#include "skin/Gradient.h"
#include "skin/NumberText.h"
#include "skin/OptionsFile.h"
#include "skin/SkinErrors.h"

namespace folvane {
namespace {

const char kText[] =
    "\xEF\xBB\xBF"
    "stray=before any section\r\n"
    "  [ Form ]\t\r\n"
    "; COLOR=1 (a comment)\r\n"
    "\tColor = 0x00FF00 \r\n"
    "COLOR=5\n"
    "no equals sign here\r"
    "Flag= true\r\n"
    "Empty=\r\n"
    "\r\n"
    "[edit]\r\n"
    "Value=a=b\r\n"
    "[FORM]\r\n"
    "Later=7\r\n";

TEST(OptionsFile, ReadingRules) {
  const OptionsFile o = OptionsFile::Parse(kText);
  ASSERT_EQ(o.Sections().size(), 2u) << "a repeated header continues its section";
  EXPECT_EQ(o.Sections()[0].Name, "Form") << "names are kept as written, trimmed";
  EXPECT_EQ(o.Sections()[1].Name, "edit");
  EXPECT_EQ(o.Sections()[0].Keys[0].Name, "Color");

  EXPECT_EQ(o.ReadInteger("FORM", "color", 0), 0x00FF00) << "first key wins";
  EXPECT_TRUE(o.ReadBool("form", "FLAG", false));
  EXPECT_EQ(o.ReadString("FORM", "Empty", "?"), "") << "an empty value is present";
  EXPECT_EQ(o.ReadString("FORM", "Missing", "?"), "?");
  EXPECT_EQ(o.ReadString("EDIT", "value", ""), "a=b") << "only the first = splits";
  EXPECT_EQ(o.ReadInteger("Form", "Later", 0), 7);
  EXPECT_FALSE(o.HasSection("stray"));
  EXPECT_EQ(o.FindValue("FORM", "stray"), nullptr);
}

TEST(OptionsFile, CommonSectionLinesAreTakenUntrimmed) {
  const OptionsFile o = OptionsFile::FromCommonLines(
      {" [NOTASECTION]", "[MY]", "A=1", "[ SPACED ]", "B=2", ";C=3"});
  ASSERT_EQ(o.Sections().size(), 2u);
  EXPECT_EQ(o.Sections()[0].Name, "MY");
  EXPECT_EQ(o.Sections()[1].Name, " SPACED ");
  EXPECT_EQ(o.ReadInteger(" spaced ", "B", 0), 2);
}

TEST(NumberText, Integers) {
  struct Case {
    const char* text;
    std::optional<std::int32_t> value;
  } cases[] = {
      {"15790320", 15790320},    {"-1", -1},          {"+7", 7},
      {"0x1F", 0x1F},            {"0XfF", 0xFF},      {"0xFF00000F", static_cast<std::int32_t>(0xFF00000F)},
      {"0xFFFFFFFF", -1},        {"0x100000000", {}}, {"0x", {}},
      {"2147483647", 2147483647}, {"-2147483648", INT32_MIN}, {"2147483648", {}},
      {"", {}},                  {"-", {}},           {" 5", {}},
      {"5 ", {}},                {"12a", {}},         {"$FF", {}},
      {"-0x10", {}},             {"1.5", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseInteger(c.text), c.value) << '"' << c.text << '"';
    if (c.value) {
      EXPECT_EQ(StrictInteger(c.text), *c.value);
    } else {
      try {
        StrictInteger(c.text);
        ADD_FAILURE() << "no error for \"" << c.text << '"';
      } catch (const EConvertError& e) {
        EXPECT_EQ(std::string(e.what()), "'" + std::string(c.text) + "' is not a valid integer value");
      }
    }
  }
}

TEST(NumberText, DecimalUsesAPointWhateverTheLocale) {
  EXPECT_EQ(ParseDecimal("5.6"), 5.6);
  EXPECT_EQ(ParseDecimal("5"), 5.0);
  EXPECT_EQ(ParseDecimal("5,6"), std::nullopt);
  EXPECT_EQ(ParseDecimal("nan"), std::nullopt);
  EXPECT_EQ(ParseDecimal(""), std::nullopt);
}

TEST(ParseGradient, Segments) {
  struct Case {
    const char* text;
    std::size_t segments;
  } cases[] = {
      {"", 0},
      {"1;2;3", 0},
      {"16777215;15592941;97;0;0;15592941;15592941;0;0;0", 2},
      {"1;2;3;4;5;6;7;8;9;10;11", 2},
      {"1;;2;3;4;5", 1},  // empty words do not count
      {" 1; 2 ;3;4;5", 1},
      {"1;2;3;4;x", 1},   // the fifth number is never read
      {"1;2;3;4;5;a;b", 1},  // nor is an incomplete group
  };
  for (const Case& c : cases) EXPECT_EQ(ParseGradient(c.text).size(), c.segments) << c.text;

  const TsGradArray g = ParseGradient("255;0x00FF00;250;2;0;1;2;-5;3;0");
  ASSERT_EQ(g.size(), 2u);
  EXPECT_EQ(g[0].Color1, 255u);
  EXPECT_EQ(g[0].Color2, 0x00FF00u);
  EXPECT_EQ(g[0].Percent, 100) << "above 100 is stored as 100";
  EXPECT_EQ(g[0].Mode, 2);
  EXPECT_EQ(g[1].Percent, 0) << "below 0 is stored as 0";

  for (const char* bad : {"1;2;x;4;5", "a;2;3;4;5", "1;2;3;4.5;5"})
    EXPECT_THROW(ParseGradient(bad), EConvertError) << bad;
}

}  // namespace
}  // namespace folvane
