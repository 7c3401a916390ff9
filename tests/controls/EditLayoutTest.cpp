// Frame rings, text insets and text rectangles of the skinned edits for
// the border settings of the platform edit.
#include <gtest/gtest.h>

#include "controls/EditLayout.h"

using namespace folvane;

namespace {

struct Case {
  const char* name;
  EditBorderSettings s;
  int editFrame, editInset, maskFrame, maskInset;
  PixelRect editText;  // of a 100 x 21 edit
  PixelRect maskText;  // of a 100 x 21 masked edit, text 13 high
};

TEST(EditLayout, BorderSettingsTable) {
  const Case cases[] = {
      {"single 3-D", {true, true, true, true, false}, 2, 2, 2, 3, {3, 3, 98, 19}, {3, 2, 97, 16}},
      {"single flat", {true, false, true, true, false}, 1, 1, 2, 2, {2, 2, 99, 20}, {2, 2, 98, 15}},
      // A bevel kind adds the bevels to the inset, not to a single border's ring.
      {"single 3-D, bevels", {true, true, true, true, true}, 2, 4, 2, 3, {5, 5, 96, 17},
       {3, 2, 97, 16}},
      {"single 3-D, outer bevel", {true, true, false, true, true}, 2, 3, 2, 3, {4, 4, 97, 18},
       {3, 2, 97, 16}},
      // Without a border the ring is the bevels' (whatever the bevel kind).
      {"none, two bevels", {false, true, true, true, false}, 2, 0, 0, 0, {1, 1, 100, 21},
       {0, 0, 100, 13}},
      {"none, two bevels, kind", {false, true, true, true, true}, 2, 2, 0, 0, {3, 3, 98, 19},
       {0, 0, 100, 13}},
      {"none, inner bevel", {false, false, true, false, true}, 1, 1, 0, 0, {2, 2, 99, 20},
       {0, 0, 100, 13}},
      {"none, no bevels", {false, true, false, false, true}, 0, 0, 0, 0, {1, 1, 100, 21},
       {0, 0, 100, 13}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(EditFrameWidth(c.s), c.editFrame);
    EXPECT_EQ(EditTextInset(c.s), c.editInset);
    EXPECT_EQ(MaskEditFrameWidth(c.s), c.maskFrame);
    EXPECT_EQ(MaskEditTextInset(c.s), c.maskInset);
    EXPECT_EQ(EditTextRect(c.s, 100, 21), c.editText);
    EXPECT_EQ(MaskEditTextRect(c.s, 100, 13), c.maskText);
  }
}

TEST(EditLayout, PasswordTextShowsOneCharacterPerCharacter) {
  EXPECT_EQ(ShownEditText(u"secret", u'*'), u"******");
  EXPECT_EQ(ShownEditText(u"", u'*'), u"");
  EXPECT_EQ(ShownEditText(u"plain", 0), u"plain");
  EXPECT_EQ(kEditTextFlags, 0x830u);
  EXPECT_EQ(kMaskEditTextFlags, 0xA20u);
  EXPECT_EQ(kMaskEditPasswordFlags, 0x820u);
}

}  // namespace
